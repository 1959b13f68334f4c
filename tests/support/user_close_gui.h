#pragma once

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

// Closes a window as the window system does when the user presses its X button or Alt+F4:
// the close goes to the window-system window, which hands the widget a spontaneous close.
inline void closeByUser(QWidget* window) {
    if (QWindow* handle = window->windowHandle()) {
        QCloseEvent close;
        QCoreApplication::sendEvent(handle, &close);
    }
}
