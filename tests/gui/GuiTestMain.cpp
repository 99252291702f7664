// Runs the GUI tests on the offscreen platform with one QApplication for all of them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName("radioprog");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
