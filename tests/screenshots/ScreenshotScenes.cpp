#include "tests/screenshots/ScreenshotScenes.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <functional>

#include "core/channels/ChannelCodec.h"
#include "core/channels/Frequency.h"
#include "core/image/ImageDiff.h"
#include "core/image/NewImage.h"
#include "gui/app/CAboutDlg.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelDelegate.h"
#include "gui/channels/ChannelTableModel.h"
#include "gui/channels/ChannelTableView.h"
#include "gui/image/CProgramDoc.h"
#include "gui/link/CComSetupDlg.h"
#include "gui/link/CCompareDlg.h"
#include "gui/settings/CLanguageDlg.h"
#include "gui/settings/COptionalFeaturesDlg.h"
#include "gui/settings/CParamAdjustDlg.h"
#include "gui/settings/CPasswordDlg.h"
#include "gui/settings/CPowerAdjustDlg.h"
#include "gui/settings/CProductInfoDlg.h"
#include "gui/settings/CScanInfoDlg.h"
#include "qtshared/ReportPainter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

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

// Sixteen channels of every kind, as a radio read would bring them.
void fillChannels(gui::CProgramApp& app) {
    gui::CProgramView* view = app.mainFrame()->activeView();
    ChannelTable table;
    const char* tones[] = {"67.0", "D023N", "None", "88.5", "D754I", "131.8", "None", "D411N"};
    const char* busy[] = {"Off", "Carrier", "QT/DQT"};
    for (int n = 0; n < 16; ++n) {
        if (n == 11) {
            continue;  // one empty channel
        }
        const std::int32_t rx = 40000000 + n * 62500 + (n % 3) * 1250000;
        table[static_cast<std::size_t>(n)] = {formatFrequency(rx),
                                              formatFrequency(rx + (n % 2) * 500000),
                                              tones[n % 8],
                                              tones[(n + 5) % 8],
                                              "High",
                                              n % 3 ? "Yes" : "No",
                                              busy[n % 3],
                                              n % 4 ? "Wide" : "Narrow",
                                              n % 5 ? "On" : "Off",
                                              n % 9 ? std::to_string(n % 9) : "Off"};
    }
    view->document().change("fill", [&] { encodeChannels(view->document().image(), table); });
    app.setNewImageFlag(false);
    view->LoadChannels();
}

// The main window with a drop-down editor open, its list painted where it pops up.
void saveWithOpenCombo(gui::CMainFrame& frame, const QString& out, const QString& suffix) {
    gui::CProgramView* view = frame.activeView();
    view->table().moveTo(view->model().index(1, 2));
    auto* combo = qobject_cast<QComboBox*>(view->table().channelDelegate().openEditor());
    combo->showPopup();
    QApplication::processEvents();
    QImage shot = frame.grab().toImage();
    QWidget* popup = combo->view()->window();
    QPainter painter(&shot);
    painter.drawPixmap(frame.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
    painter.end();
    combo->hidePopup();
    shot.save(out + "/grid-combo-" + suffix + ".png");
}

// A dialog made for the main window and prepared (loaded, filled in) before it is shown.
template <typename Page>
void savePage(gui::CProgramApp& app, const QString& out, const QString& name, const QString& suffix,
              const std::function<void(Page&)>& prepare) {
    Page page(app, app.mainFrame());
    prepare(page);
    page.show();
    save(page, out, name, suffix);
    page.hide();
}

void renderSettingsPages(gui::CProgramApp& app, const QString& out, const QString& suffix) {
    const MemoryImage& image = app.mainFrame()->activeDocument()->image();
    const auto loaded = [&image](auto& page) { page.load(image); };
    savePage<gui::COptionalFeaturesDlg>(app, out, "optional-features", suffix, loaded);
    savePage<gui::CScanInfoDlg>(app, out, "scan-info", suffix, loaded);
    savePage<gui::CProductInfoDlg>(app, out, "product-info", suffix, loaded);
    savePage<gui::CParamAdjustDlg>(app, out, "param-adjust", suffix, loaded);
    savePage<gui::CPowerAdjustDlg>(app, out, "power-adjust", suffix, [&image](auto& page) {
        page.load(image, {40000000, 48000000});
    });
    savePage<gui::CPasswordDlg>(app, out, "password", suffix,
                                [](auto& page) { page.entryBox()->setText("4728"); });
    savePage<gui::CLanguageDlg>(app, out, "language", suffix, [](auto& page) { page.load(); });
    savePage<gui::CComSetupDlg>(app, out, "com-setup", suffix, [](auto&) {});
}

// The report's pages as an A4 sheet at 100 dpi with a quarter-inch margin would print them.
void renderReportPages(gui::CProgramApp& app, const QString& out, const QString& suffix) {
    constexpr int kDpi = 100;
    constexpr int kMargin = kDpi / 4;
    QImage sheet(827, 1169, QImage::Format_RGB32);
    sheet.setDotsPerMeterX(qRound(kDpi / 0.0254));
    sheet.setDotsPerMeterY(qRound(kDpi / 0.0254));
    const gui::ReportFonts fonts(sheet, sheet.size() - QSize(2 * kMargin, 2 * kMargin));
    const gui::CProgramDoc& document = *app.mainFrame()->activeDocument();
    const gui::ReportSource source{
        document.image(), decodeChannels(document.image(), app.language()),
        app.languageText("Copyrights Owner"), app.language(), document.title()};
    const auto pages = gui::reportPages(fonts, source);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.translate(kMargin, kMargin);
        gui::paintReportPage(painter, fonts, pages[i]);
        painter.end();
        sheet.save(out + "/report-page" + QString::number(i + 1) + "-" + suffix + ".png");
    }
}

void renderScenes(gui::CProgramApp& app, const QString& out, const QString& suffix) {
    gui::CMainFrame& frame = *app.mainFrame();
    frame.showNormal();
    frame.resize(1100, 700);
    save(frame, out, "main-window", suffix);
    fillChannels(app);
    save(frame, out, "grid-filled", suffix);
    saveWithOpenCombo(frame, out, suffix);

    savePage<gui::CAboutDlg>(app, out, "about", suffix, [](auto&) {});
    // A radio that still holds a new document's memory, compared with the filled one.
    const std::string differences =
        differenceText(frame.activeDocument()->image(), newDocumentImage(), app.language());
    gui::CCompareDlg compare(QString::fromStdString(differences), &frame);
    compare.show();
    save(compare, out, "compare", suffix);
    compare.hide();
    renderSettingsPages(app, out, suffix);
    renderReportPages(app, out, suffix);
}

}  // namespace radio::screenshots
