#include <gtest/gtest.h>

#include <QApplication>

#include "platform/geometry.h"
#include "platform/web_engine.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::prepareWebEngine();
    QApplication app(argc, argv);
    platform::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
