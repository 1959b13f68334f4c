#include "platform/application_gui.h"

#include <QDebug>
#include <exception>

#include "platform/program.h"

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const RuntimeError& e) {
        reportRuntimeError(e);
    } catch (const std::exception& e) {
        reportRuntimeError(RuntimeError(0, QString(), QString::fromLocal8Bit(e.what())));
    }
    return false;
}

}  // namespace platform
