#include "platform/program.h"

#include <QCoreApplication>

#include "platform/messages.h"

namespace platform {

namespace {
bool g_ending = false;
int g_exitCode = 0;
std::function<void(int)> g_endHandler;
}  // namespace

void endProgram(int exitCode) {
    if (g_ending) return;
    g_ending = true;
    g_exitCode = exitCode;
    if (g_endHandler) {
        g_endHandler(exitCode);
    } else if (QCoreApplication::instance()) {
        QCoreApplication::exit(exitCode);
    }
}

bool programEnding() {
    return g_ending;
}

int programExitCode() {
    return g_exitCode;
}

void setEndHandler(std::function<void(int)> handler) {
    g_endHandler = std::move(handler);
}

void resetProgramEnding() {
    g_ending = false;
    g_exitCode = 0;
}

void reportRuntimeError(const RuntimeError& error) {
    if (!g_ending) msgBox(error.message(), kMakerName, MsgIcon::Critical);
    endProgram(1);
}

}  // namespace platform
