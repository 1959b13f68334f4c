#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/application_gui.h"
#include "platform/geometry.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // As in the program: a run-time error escaping a handler is caught at the event boundary.
    platform::Application app(argc, argv);
    platform::installFontSubstitutes();
    // Runs kept on this computer go to a folder of the test run, never the user's.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
