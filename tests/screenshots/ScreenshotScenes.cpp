#include "tests/screenshots/ScreenshotScenes.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>

#include "gui/app/CAboutDlg.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"

namespace radio::screenshots {

namespace {

void save(QWidget& widget, const QString& out, const QString& name, const QString& suffix) {
    QApplication::processEvents();
    const QString path = out + "/" + name + "-" + suffix + ".png";
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
}

}  // namespace

void renderScenes(gui::CProgramApp& app, const QString& out, const QString& suffix) {
    gui::CMainFrame& frame = *app.mainFrame();
    frame.showNormal();
    frame.resize(1100, 700);
    save(frame, out, "main-window", suffix);

    gui::CAboutDlg about(app, &frame);
    about.show();
    save(about, out, "about", suffix);
    about.hide();
}

}  // namespace radio::screenshots
