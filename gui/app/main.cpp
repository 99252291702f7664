// radioprog: the desktop programming software.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

#include "gui/app/CProgramApp.h"
#include "gui/app/UserPrompts.h"

namespace {

constexpr int kUsageError = 2;

constexpr const char* kUsage =
    "Usage: radioprog [FILE.dat]\n"
    "The programming software of the 16-channel radio: opens FILE.dat, or a new document.\n"
    "\n"
    "  --help     show this text\n"
    "  --version  show the name and version\n"
    "\n"
    "Qt's own options (-platform, -style, ...) are taken as well.\n";

// --help and --version answer on a terminal without a display, so before any window exists.
bool answeredAtOnce(int argc, char* argv[], int& status) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            status = 0;
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("radioprog " RADIOPROG_VERSION "\n", stdout);
            status = 0;
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    int status = 0;
    if (answeredAtOnce(argc, argv, status)) {
        return status;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("radioprog");
    const QStringList arguments = application.arguments().mid(1);
    // Qt has taken its own options; any other option, or a second file, is a mistake.
    for (const QString& argument : arguments) {
        if (argument.startsWith('-') || arguments.size() > 1) {
            std::fprintf(stderr, "radioprog: unexpected argument '%s'\n\n%s",
                         argument.toLocal8Bit().constData(), kUsage);
            return kUsageError;
        }
    }
    radio::gui::DialogPrompts prompts;
    radio::gui::CProgramApp app(QCoreApplication::applicationFilePath(), prompts);
    if (!app.initInstance(arguments)) {
        return 1;
    }
    return QApplication::exec();
}
