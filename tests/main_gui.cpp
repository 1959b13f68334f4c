#include <gtest/gtest.h>

#include "platform/application_gui.h"
#include "platform/geometry.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // As in the program: a run-time error escaping a handler is caught at the event boundary.
    platform::Application app(argc, argv);
    platform::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
