#include "platform/input_gui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <memory>
#include <vector>

namespace platform {

namespace {

bool isPress(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
    }
}

class InputHabits : public QObject {
  public:
    static InputHabits& instance() {
        static InputHabits habits;
        return habits;
    }

    void hold() { ++holds_; }

    void release() {
        if (--holds_ > 0) return;
        std::vector<Held> held;
        held.swap(held_);
        for (Held& h : held)
            if (h.receiver) QCoreApplication::postEvent(h.receiver, h.event.release());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Held presses: only those from the window system; the ones handed on later come
        // back as posted events and go through.
        if (holds_ > 0 && event->spontaneous() && isPress(event->type())) {
            held_.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
            return true;
        }
        if (event->type() == QEvent::KeyPress) return pressFocusedButton(watched, event);
        return false;
    }

  private:
    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

    static bool pressFocusedButton(QObject* watched, QEvent* event) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || button->window()->focusWidget() != button || !button->isEnabled() ||
            !button->isVisible())
            return false;
        // A message box presses its default button itself.
        if (qobject_cast<QMessageBox*>(button->window())) return false;
        if (!key->isAutoRepeat()) button->click();
        return true;
    }

    int holds_ = 0;
    std::vector<Held> held_;
};

}  // namespace

void installInputHabits() {
    static bool installed = false;
    if (installed || !qApp) return;
    installed = true;
    qApp->installEventFilter(&InputHabits::instance());
}

InputHold::InputHold() {
    InputHabits::instance().hold();
}

InputHold::~InputHold() {
    InputHabits::instance().release();
}

}  // namespace platform
