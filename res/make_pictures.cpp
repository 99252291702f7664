// Writes the pictures that sit next to the program and that users may replace.
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "gui/app/Pictures.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: radioprog-pictures FOLDER\n");
        return 2;
    }
    using namespace radio::gui::pictures;
    const QString folder = QString::fromLocal8Bit(argv[1]) + '/';
    const bool ok = programIcon(32).save(folder + "title.ico", "ICO") &&
                    background(QSize(480, 320)).save(folder + "background.bmp", "BMP") &&
                    logo().save(folder + "logo.bmp", "BMP");
    if (!ok) {
        std::fprintf(stderr, "radioprog-pictures: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
