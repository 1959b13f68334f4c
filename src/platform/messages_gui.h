#pragma once

#include "platform/messages.h"

namespace platform {

// Message boxes shown with QMessageBox, modal, with an OK button.
class WidgetMessageBoxes : public MessageBoxes {
  public:
    void show(const QString& text, const QString& title, MsgIcon icon) override;
    // The last button is the default one (Enter presses it).
    int choose(const QString& text, const QString& title, MsgIcon icon,
               const QStringList& buttons) override;
};

// The window layer of the program: message boxes, sounds, and the end of the program
// closing every window from the last opened to the first.
void installWidgetPlatform();
// Loads the sound module of that layer ahead of the first sound.
void prepareSounds();

}  // namespace platform
