// Runs the GUI tests on the offscreen platform with one QApplication for all of them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    // User settings of their own: tests run as parallel processes, and one test's remembered
    // radio type must not show up in another's dialog.
    const QTemporaryDir settingsDir;
    if (!settingsDir.isValid()) {
        return 1;
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QApplication app(argc, argv);
    QApplication::setApplicationName("radioprog");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
