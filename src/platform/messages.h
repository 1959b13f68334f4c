#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };

// Message boxes with an OK button.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual void show(const QString& text, const QString& title, MsgIcon icon) = 0;
    // A box with the given buttons; returns the index of the one pressed. Without a window
    // layer the text is shown as any message and the first button is taken.
    virtual int choose(const QString& text, const QString& title, MsgIcon icon,
                       const QStringList& buttons) {
        Q_UNUSED(buttons);
        show(text, title, icon);
        return 0;
    }
};

MessageBoxes& messageBoxes();
// Installs a backend; nullptr restores the default (which writes to the log).
void setMessageBoxes(MessageBoxes* boxes);

// The maker's name: the title of the program's windows and message boxes.
inline const QString kMakerName = QStringLiteral("Quillmark5");

// Shows a message box and waits until it is closed.
void msgBox(const QString& text, const QString& title = kMakerName, MsgIcon icon = MsgIcon::None);

// Records the boxes instead of showing them.
class RecordingMessageBoxes : public MessageBoxes {
  public:
    struct Shown {
        QString text;
        QString title;
        MsgIcon icon;
    };
    void show(const QString& text, const QString& title, MsgIcon icon) override {
        shown.append({text, title, icon});
        if (onShow) onShow(shown.last());
    }
    int choose(const QString& text, const QString& title, MsgIcon icon,
               const QStringList& buttons) override {
        show(text, title, icon);
        return choices.isEmpty() ? 0 : qBound(0, choices.takeFirst(), int(buttons.size()) - 1);
    }
    QList<Shown> shown;
    QList<int> choices;  // the buttons choose() presses, in turn; the first once used up
    std::function<void(const Shown&)> onShow;
};

}  // namespace platform
