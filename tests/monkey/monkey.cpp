#include "monkey/monkey.h"

#include <qpa/qwindowsysteminterface.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <vector>

#include "support/user_input.h"

namespace {

// Events sent to end the program once the budget is spent, before it counts as stuck.
constexpr int kMostEndingEvents = 300;

// Events sent from inside the handlers of events sent from inside handlers ...: deeper
// than this only a modal window is answered now and then.
constexpr int kMaxDepth = 4;

// The last events, for the report of a crash or a hang.
constexpr int kTrailLines = 40;
char g_trail[kTrailLines][240];
std::atomic<int> g_trailNext{0};

// Every event also goes to standard output ("ev: ..."), for the run's event log.
void noteEvent(int number, const char* format, const QString& what) {
    const int slot = g_trailNext.load() % kTrailLines;
    std::snprintf(g_trail[slot], sizeof g_trail[slot], format, number,
                  what.toUtf8().left(200).constData());
    g_trailNext.store(g_trailNext.load() + 1);
    std::printf("ev: %s\n", g_trail[slot]);
}

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr);
    xcb_atom_t atom = XCB_ATOM_NONE;
    if (reply) atom = reply->atom;
    std::free(reply);
    return atom;
}

// The close a window manager sends for the X button or Alt+F4: on X the WM_DELETE_WINDOW
// message to the window, elsewhere the close the platform makes of it.
void sendClose(QWindow* window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QStringLiteral("xcb") || !x11 || !x11->connection()) {
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window);
        return;
    }
    xcb_connection_t* connection = x11->connection();
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window->winId());
    message.type = atomNamed(connection, "WM_PROTOCOLS");
    message.data.data32[0] = atomNamed(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

qint64 steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// "window/control "text"" for the trail.
QString describe(QWidget* w) {
    if (!w) return QStringLiteral("-");
    QString text;
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        text = button->text();
    else if (auto* label = qobject_cast<QLabel*>(w))
        text = label->text();
    QString name = w->window()->objectName();
    if (w != w->window())
        name +=
            u'/' + (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                              : w->objectName());
    return text.isEmpty() ? name : name + QStringLiteral(" \"") + text.left(12) + u'"';
}

// The name list's ways out (its close, "終了", the key 0) end the program: they are taken
// only now and then, so that a life of the program lasts long enough to get anywhere.
// `key` is 0 for a click (on `target`) or a close (no target).
bool endsTheProgram(QWidget* window, QWidget* target, int key) {
    if (!window || window->objectName() != QStringLiteral("namesel")) return false;
    if (key != 0) return key == Qt::Key_0;
    return !target || target->objectName() == QStringLiteral("Command7");
}

bool showsAsWindow(QWidget* w) {
    return w->isVisible() && w->windowHandle() && w->windowType() != Qt::ToolTip;
}

struct Key {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

const Key kKeys[] = {
    {Qt::Key_Return, Qt::NoModifier, "\r"}, {Qt::Key_Enter, Qt::KeypadModifier, "\r"},
    {Qt::Key_Space, Qt::NoModifier, " "},   {Qt::Key_Escape, Qt::NoModifier, "\x1b"},
    {Qt::Key_Tab, Qt::NoModifier, "\t"},    {Qt::Key_Backtab, Qt::ShiftModifier, ""},
    {Qt::Key_Left, Qt::NoModifier, ""},     {Qt::Key_Right, Qt::NoModifier, ""},
    {Qt::Key_Up, Qt::NoModifier, ""},       {Qt::Key_Down, Qt::NoModifier, ""},
};

}  // namespace

Monkey::Monkey(quint32 seed, int budget, int stuckExitCode)
    : random_(seed), budget_(budget), stuckExitCode_(stuckExitCode) {}

void Monkey::start() {
    lastTickMs_ = steadyMs();
    QTimer::singleShot(0, qApp, [this] { tick(); });
}

qint64 Monkey::msSinceLastTick() const {
    return steadyMs() - lastTickMs_.load();
}

void Monkey::writeTrail(int fd) {
    const int next = g_trailNext.load();
    for (int i = std::max(0, next - kTrailLines); i < next; ++i) {
        const char* line = g_trail[i % kTrailLines];
        if (::write(fd, line, std::strlen(line)) < 0 || ::write(fd, "\n", 1) < 0) return;
    }
}

int Monkey::below(int n) {
    return static_cast<int>(random_() % static_cast<unsigned>(n));
}

void Monkey::tick() {
    lastTickMs_ = steadyMs();
    // The next tick is due before this event is handled: it comes in whatever loop the
    // handler runs, as the next real event would. Meanwhile the program's timers run.
    QTimer::singleShot(thinkMs(), Qt::PreciseTimer, qApp, [this] { tick(); });
    if (depth_ >= kMaxDepth) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || below(4) != 0) return;
        noteEvent(sent_ + 1, "#%d escape to the modal %s", describe(modal));
        ++depth_;
        userinput::pressKey(modal->windowHandle(), Qt::Key_Escape, Qt::NoModifier,
                            QStringLiteral("\x1b"));
        --depth_;
        ++sent_;
    } else {
        ++depth_;
        if (sent_ < budget_)
            sendOne();
        else
            endTheProgram();
        --depth_;
    }
    if (sent_ % 10 == 0) {
        // The count so far, for the report of a life that ends in a crash.
        std::printf("events %d\n", sent_);
        std::fflush(stdout);
    }
}

void Monkey::endTheProgram() {
    if (++ending_ > kMostEndingEvents) {
        std::fprintf(stderr,
                     "monkey: hang: the program did not end after %d events that end it; "
                     "the last events:\n",
                     kMostEndingEvents);
        writeTrail(2);
        std::fflush(stdout);
        _exit(stuckExitCode_);
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        noteEvent(++sent_, "#%d escape to the modal %s", describe(modal));
        userinput::pressKey(modal->windowHandle(), Qt::Key_Escape, Qt::NoModifier,
                            QStringLiteral("\x1b"));
        return;
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        noteEvent(++sent_, "#%d escape to the popup %s", describe(popup));
        userinput::pressKey(popup->windowHandle(), Qt::Key_Escape, Qt::NoModifier,
                            QStringLiteral("\x1b"));
        return;
    }
    QWidget* front = nullptr;
    for (QWidget* w : windowsInOrder())
        if (w->windowType() != Qt::Popup) front = w;  // the one shown last
    if (!front) return;
    // A drill has no way out but its end: its cards in turn, or its time running out.
    if (front->objectName() == QStringLiteral("MainFrm")) {
        pressRightCard();
        return;
    }
    if (front->objectName() == QStringLiteral("namesel") && below(2) == 0) {
        auto* end = front->findChild<QAbstractButton*>(QStringLiteral("Command7"));
        if (end && end->isVisible() && end->isEnabled()) {
            noteEvent(++sent_, "#%d click %s", describe(end));
            userinput::click(end);
            return;
        }
    }
    close(front);
}

void Monkey::close(QWidget* window) {
    noteEvent(++sent_, "#%d close %s", describe(window));
    if (QWindow* handle = window->windowHandle()) sendClose(handle);
}

std::vector<QWidget*> Monkey::windowsInOrder() {
    std::vector<QWidget*> windows, unseen;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!showsAsWindow(w)) continue;
        (shownOrder_.contains(w) ? windows : unseen).push_back(w);
    }
    // Windows that came up since the last look: in an order of their own (the application
    // keeps its windows in no particular order).
    const auto key = [](QWidget* w) {
        return std::tuple(w->objectName(), QString::fromLatin1(w->metaObject()->className()),
                          w->windowTitle(), w->geometry().x(), w->geometry().y());
    };
    std::stable_sort(unseen.begin(), unseen.end(),
                     [&](QWidget* a, QWidget* b) { return key(a) < key(b); });
    for (QWidget* w : unseen) {
        shownOrder_.insert(w, nextShown_++);
        QObject::connect(w, &QObject::destroyed, [this, w] { shownOrder_.remove(w); });
        windows.push_back(w);
    }
    std::stable_sort(windows.begin(), windows.end(), [this](QWidget* a, QWidget* b) {
        return shownOrder_.value(a) < shownOrder_.value(b);
    });
    return windows;
}

int Monkey::thinkMs() {
    // Mostly a moment, sometimes a long think: long enough for a drill to run out of time.
    return below(10) == 0 ? 1000 + below(120000) : 1 + below(300);
}

QWidget* Monkey::pickWindow() {
    const std::vector<QWidget*> windows = windowsInOrder();
    if (windows.empty()) return nullptr;
    // Half the time the window in front, as a user mostly works in it.
    QWidget* active = QApplication::activePopupWidget();
    if (!active) active = QApplication::activeModalWidget();
    if (!active) active = QApplication::activeWindow();
    if (active && showsAsWindow(active) && below(2) == 0) return active;
    return windows[below(static_cast<int>(windows.size()))];
}

void Monkey::sendOne() {
    if (below(100) < 30 && pressRightCard()) return;
    QWidget* window = pickWindow();
    if (!window) return;
    const int kind = below(100);
    if (kind < 40) {
        clickSomewhere(window, true, false);
    } else if (kind < 48) {
        clickSomewhere(window, false, false);
    } else if (kind < 56) {
        clickSomewhere(window, true, true);
    } else if (kind < 86) {
        pressAKey(window);
    } else if (kind < 93) {
        if (window->windowType() == Qt::Popup) return;
        if (endsTheProgram(window, nullptr, 0) && below(10) != 0) return;
        close(window);
    } else {
        if (window->windowType() == Qt::Popup) return;
        noteEvent(++sent_, "#%d focus %s", describe(window));
        window->activateWindow();
    }
}

void Monkey::clickSomewhere(QWidget* window, bool onControl, bool doubleClick) {
    QWidget* target = window;
    if (onControl) {
        std::vector<QWidget*> controls;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (!w->isWindow() && w->isVisible() && w->isEnabled() && !w->rect().isEmpty())
                controls.push_back(w);
        if (!controls.empty()) target = controls[below(static_cast<int>(controls.size()))];
        if (target != window && endsTheProgram(window, target, 0) && below(10) != 0) return;
    }
    const QRect r = target->rect();
    const QPoint inside(r.left() + below(std::max(1, r.width())),
                        r.top() + below(std::max(1, r.height())));
    const QPoint pos = target->mapTo(window, inside);
    noteEvent(++sent_, doubleClick ? "#%d double click %s" : "#%d click %s", describe(target));
    userinput::clickWindowAt(window->windowHandle(), pos, doubleClick);
}

void Monkey::pressAKey(QWidget* window) {
    QWindow* target = QGuiApplication::focusWindow();
    if (!target) target = window->windowHandle();
    const int which = below(30);
    int key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;
    if (which < 10) {
        key = kKeys[which].key;
        modifiers = kKeys[which].modifiers;
        text = QString::fromLatin1(kKeys[which].text);
    } else {
        const int digit = which % 10;
        key = Qt::Key_0 + digit;
        text = QString::number(digit);
        if (which >= 24) modifiers = Qt::AltModifier;
    }
    QWidget* front = QApplication::activeWindow();
    if (endsTheProgram(front, front, key) && below(10) != 0) return;
    const QString name = QKeySequence(QKeyCombination(modifiers, Qt::Key(key))).toString() +
                         QStringLiteral(" to ") + (target ? target->objectName() : QString());
    noteEvent(++sent_, "#%d key %s", name);
    userinput::pressKey(target, key, modifiers, text);
}

// On a drill screen in front: a click on the card with the smallest number not yet taken
// (the taken ones show the done picture, which the largest card never does).
bool Monkey::pressRightCard() {
    QWidget* drill = nullptr;
    for (QWidget* w : windowsInOrder())
        if (w->objectName() == QStringLiteral("MainFrm")) drill = w;
    if (!drill || userinput::blockedByModal(drill->windowHandle())) return false;
    struct Card {
        QLabel* number;
        qint64 pictureKey;
        int value;
    };
    std::vector<Card> cards;
    for (int i = 1; i <= 10; ++i) {
        auto* number = drill->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(i));
        auto* picture = drill->findChild<QLabel*>(QStringLiteral("Image1_%1").arg(i));
        bool ok = false;
        const int value = number ? number->text().toInt(&ok) : 0;
        if (!ok || !picture || !number->isVisible()) return false;
        cards.push_back({number, picture->pixmap().cacheKey(), value});
    }
    const auto largest = std::max_element(
        cards.begin(), cards.end(), [](const Card& a, const Card& b) { return a.value < b.value; });
    const Card* next = nullptr;
    for (const Card& card : cards)
        if (card.pictureKey == largest->pictureKey && (!next || card.value < next->value))
            next = &card;
    if (!next) return false;
    noteEvent(++sent_, "#%d right card %s", describe(next->number));
    userinput::click(next->number);
    return true;
}
