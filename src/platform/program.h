#pragma once

#include <QString>
#include <functional>

#include "platform/errors.h"

namespace platform {

// Ends the whole program: every window is closed, the event loops are left. After the
// call programEnding() is true, so loops that let events run stop as well.
void endProgram(int exitCode = 0);
bool programEnding();
// The exit code given to endProgram.
int programExitCode();
// Replaces what endProgram does (tests record it instead of ending the process).
// The default closes all windows through the hook set by the window layer and quits.
void setEndHandler(std::function<void(int)> handler);
// Clears the ending state (tests run many programs in one process).
void resetProgramEnding();

// Shows a run-time error in a message box, then ends the program.
void reportRuntimeError(const RuntimeError& error);

}  // namespace platform
