#pragma once

#include <functional>

namespace platform {

// Waits `ms` milliseconds while letting window events run (the screen stays responsive).
// Returns early when the program is ending. Tests replace the wait with their own handler
// so that nothing really waits.
void waitProcessingEvents(int ms);

// Installs a handler called instead of the real wait; an empty handler restores it.
void setWaitHandler(std::function<void(int)> handler);

}  // namespace platform
