#include "platform/wait.h"

#include <chrono>
#include <thread>

#include "platform/clock.h"
#include "platform/program.h"

namespace platform {

namespace {
std::function<void(int)> g_waitHandler;
}

void waitProcessingEvents(int ms) {
    if (g_waitHandler) {
        g_waitHandler(ms);
        return;
    }
    const qint64 deadline = clock().monotonicMs() + ms;
    for (;;) {
        doEvents();
        if (programEnding()) return;
        const qint64 left = deadline - clock().monotonicMs();
        if (left <= 0) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(left < 10 ? left : 10));
    }
}

void setWaitHandler(std::function<void(int)> handler) {
    g_waitHandler = std::move(handler);
}

}  // namespace platform
