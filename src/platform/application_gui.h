#pragma once

#include <QApplication>

namespace platform {

// The application object: a run-time error that escapes an event handler is caught
// here, at the event boundary, shown, and ends the program; it never crosses the loop.
class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace platform
