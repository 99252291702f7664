// Writes the pictures that sit next to the program and that users may replace, and the menu
// icons of the installed program (ICON_FOLDER/SIZE/radioprog.png).
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "gui/app/Pictures.h"

namespace {

bool writeMenuIcons(const QString& folder) {
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString sized = folder + '/' + QString::number(size);
        if (!QDir().mkpath(sized) ||
            !radio::gui::pictures::programIcon(size).save(sized + "/radioprog.png", "PNG")) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: radioprog-pictures FOLDER [ICON_FOLDER]\n");
        return 2;
    }
    using namespace radio::gui::pictures;
    const QString folder = QString::fromLocal8Bit(argv[1]) + '/';
    const bool ok = programIcon(32).save(folder + "title.ico", "ICO") &&
                    background(QSize(480, 320)).save(folder + "background.bmp", "BMP") &&
                    logo().save(folder + "logo.bmp", "BMP") &&
                    (argc == 2 || writeMenuIcons(QString::fromLocal8Bit(argv[2])));
    if (!ok) {
        std::fprintf(stderr, "radioprog-pictures: cannot write the pictures\n");
        return 1;
    }
    return 0;
}
