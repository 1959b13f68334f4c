#pragma once

#include <QPointer>
#include <QTimer>

#include "platform/program.h"

namespace platform {

// Shows the single instance of a screen, creating it anew when the last one was closed
// (a closed screen is on its way out), brings it to the front and runs `onShown` once
// from a queued call, after the window system has shown it.
template <class Screen>
void showSingleScreen(QPointer<Screen>& current, void (Screen::*onShown)()) {
    if (!current || !current->isVisible()) current = new Screen;
    Screen* screen = current;
    screen->show();
    screen->raise();
    screen->activateWindow();
    QPointer<Screen> self(screen);
    QTimer::singleShot(0, screen, [self, onShown] {
        if (self) guarded([self, onShown] { (self.data()->*onShown)(); });
    });
}

}  // namespace platform
