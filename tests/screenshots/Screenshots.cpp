// Renders the program's windows and dialogs to PNG files for people to look at.
// Usage: radioprog-screenshots OUTPUT-FOLDER
// SCREENSHOT_PALETTE=dark renders them in the Fusion style with a dark palette, as a desktop in
// dark mode shows them; QT_SCALE_FACTOR=2 renders them at 200 %.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

#include "gui/app/CProgramApp.h"
#include "gui/app/UserPrompts.h"
#include "tests/screenshots/ScreenshotScenes.h"

namespace {

// Copies the runtime files next to the program into a scratch program folder with the given
// language, so a screenshot never changes the real Program.ini.
QString programFolder(QTemporaryDir& dir, const QString& language) {
    const QString bin = QCoreApplication::applicationDirPath();
    for (const QString& name : QDir(bin).entryList(QDir::Files)) {
        if (name.endsWith(".qm") || name.endsWith(".bmp") || name.endsWith(".ico") ||
            name.endsWith(".html")) {
            QFile::copy(bin + "/" + name, dir.filePath(name));
        }
    }
    QFile source(bin + "/Program.ini");
    source.open(QIODevice::ReadOnly);
    QByteArray ini = source.readAll();
    ini.replace("Language=English", "Language=" + language.toUtf8());
    QFile target(dir.filePath("Program.ini"));
    target.open(QIODevice::WriteOnly);
    target.write(ini);
    return dir.filePath("radioprog");
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    if (qgetenv("SCREENSHOT_PALETTE") == "dark") {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(QPalette(QColor(53, 53, 53)));  // light texts follow from it
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: radioprog-screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    for (const QString& language : {QStringLiteral("English"), QStringLiteral("Chinese")}) {
        QTemporaryDir dir;
        radio::gui::DialogPrompts prompts;
        radio::gui::CProgramApp app(programFolder(dir, language), prompts);
        if (!app.initInstance({})) {
            std::fprintf(stderr, "radioprog-screenshots: the program did not start\n");
            return 1;
        }
        const QString suffix = language == "English" ? "en" : "zh";
        radio::screenshots::renderScenes(app, out, suffix);
    }
    return 0;
}
