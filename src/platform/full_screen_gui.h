#pragma once

#include <QRect>

class QWidget;

namespace platform {

// The screens of the main flow cover the screen they are on. Their controls are laid out on
// the scaled 1024 x 768 design; they move into one design area that stands centred in the
// window, so that the margins show the window's own background and presses land on what is
// drawn. Call it once the controls are built, before the window is shown; for a main window
// the design area goes into its central widget, below the menu bar. A `backdrop` (a picture
// behind the controls) stays out of the design area and covers the whole window instead.
void coverScreen(QWidget* window, QWidget* backdrop = nullptr);
// The same on a given screen area, without asking the window system for the full screen.
void coverScreenArea(QWidget* window, const QRect& area, QWidget* backdrop = nullptr);
// The area that holds the controls of a covered window; nullptr before coverScreen.
QWidget* designArea(QWidget* window);
// The screen the screens of the main flow use: the active window's, or the primary one.
QRect screenInUse();
// Places a smaller window in the middle of the window it belongs to (of the screen in use
// when there is none or it is not shown).
void centreOver(QWidget* window, const QWidget* owner);

}  // namespace platform
