#include "platform/wait.h"

#include <QTimer>
#include <chrono>
#include <thread>

namespace platform {

namespace {
std::function<void(int)> g_waitHandler;
}

void waitBriefly(int ms) {
    if (g_waitHandler) {
        g_waitHandler(ms);
        return;
    }
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void later(QObject* context, int ms, std::function<void()> then) {
    if (g_waitHandler) {
        g_waitHandler(ms);
        ms = 0;
    }
    QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(then));
}

void setWaitHandler(std::function<void(int)> handler) {
    g_waitHandler = std::move(handler);
}

}  // namespace platform
