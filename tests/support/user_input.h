#pragma once

// Input as a user gives it: delivered to the window the way the window system delivers it,
// so that a modal window keeps it away from the windows it blocks and the widgets see
// spontaneous events (QTest's widget functions send straight to the widget instead).

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace userinput {

// Whether a modal window keeps the user's input away from `window`.
inline bool blockedByModal(QWindow* window) {
    QWindow* modal = QGuiApplication::modalWindow();
    if (!modal || !window) return false;
    for (QWindow* w = window; w; w = w->transientParent())
        if (w == modal) return false;
    return true;
}

// The close a window manager sends for the X button or Alt+F4. Returns false when the
// window has no window-system window or a modal window blocks it.
inline bool closeWindow(QWidget* window) {
    QWindow* handle = window ? window->windowHandle() : nullptr;
    if (!handle || blockedByModal(handle)) return false;
    QCloseEvent close;
    QCoreApplication::sendEvent(handle, &close);
    return true;
}

// Timestamps of the mouse events: far enough apart that two clicks never make a double
// click unless asked to.
inline ulong nextMouseTime(ulong step = 1000) {
    static ulong time = 1000000;
    time += step;
    return time;
}

// A left press and release at `pos` (window coordinates) of the window. Returns false when
// the window went away after the press (its handler closed it).
inline bool clickWindowAt(QWindow* window, QPoint pos, bool doubleClick = false) {
    QPointer<QWindow> alive(window);
    const QPointF local(pos);
    const QPointF global(window->mapToGlobal(pos));
    const int presses = doubleClick ? 2 : 1;
    for (int i = 0; i < presses; ++i) {
        if (!alive) return false;
        qt_handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton,
                            QEvent::MouseButtonPress, Qt::NoModifier,
                            static_cast<int>(nextMouseTime(i == 0 ? 1000 : 1)));
        if (!alive) return false;
        qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::LeftButton,
                            QEvent::MouseButtonRelease, Qt::NoModifier,
                            static_cast<int>(nextMouseTime(1)));
    }
    return alive;
}

// A left click in the middle of a widget, through its window.
inline bool click(QWidget* widget) {
    if (!widget || !widget->window()->windowHandle()) return false;
    const QPoint pos = widget->mapTo(widget->window(), widget->rect().center());
    return clickWindowAt(widget->window()->windowHandle(), pos);
}

// A key press and release in a window (shortcuts are tried first, as for a real key).
inline bool pressKey(QWindow* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString& text = QString()) {
    QPointer<QWindow> alive(window);
    if (!alive) return false;
    qt_handleKeyEvent(window, QEvent::KeyPress, key, modifiers, text);
    if (!alive) return false;
    qt_handleKeyEvent(window, QEvent::KeyRelease, key, modifiers, text);
    return alive;
}

}  // namespace userinput
