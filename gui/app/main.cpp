// radioprog: the desktop programming software.
#include <QApplication>
#include <QDir>

#include "gui/app/CProgramApp.h"
#include "gui/app/UserPrompts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("radioprog");
    radio::gui::DialogPrompts prompts;
    radio::gui::CProgramApp app(QCoreApplication::applicationFilePath(), prompts);
    if (!app.initInstance(application.arguments().mid(1))) {
        return 1;
    }
    return QApplication::exec();
}
