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

class Media;

// The window layer of the program: message boxes, the given sounds (the caller keeps
// them), and the end of the program closing every window from the last opened to the first.
void installWidgetPlatform(Media* sounds);

}  // namespace platform
