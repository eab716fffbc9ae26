#include <QGuiApplication>

#include <gtest/gtest.h>

// The icon reader is a Qt plugin and the renderer is run as a process: both want an
// application object.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
