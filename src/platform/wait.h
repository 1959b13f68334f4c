#pragma once

#include <QObject>
#include <functional>

namespace platform {

// Waits `ms` milliseconds (the short retries of a locked file; the please-wait window is
// up meanwhile). Tests replace the wait with their own handler so that nothing really waits.
void waitBriefly(int ms);

// Runs `then` after `ms` milliseconds from the event loop (a timer: nothing waits here),
// unless `context` is gone by then. With a wait handler installed the handler is told the
// wait and `then` comes from the event loop at once.
void later(QObject* context, int ms, std::function<void()> then);

// Installs a handler called instead of the real wait; an empty handler restores it.
void setWaitHandler(std::function<void(int)> handler);

}  // namespace platform
