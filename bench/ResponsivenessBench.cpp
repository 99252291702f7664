// How long the interface thread is ever kept from its event loop while the program reads a
// radio: the largest gap between the ticks of a 10 ms timer during a full paced read, and
// during a handshake pass against a radio that never answers.
// Usage: responsiveness_bench
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>

#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <string>
#include "bench/ProgramFolder.h"
#include "bench/SimulatorProcess.h"

#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/CProgramView.h"
#include "gui/link/CProcessDlg.h"
#include "gui/link/RadioLink.h"

namespace {

// Every question answered at once: Cancel where it is offered, else OK.
class AnsweringPrompts final : public radio::gui::UserPrompts {
  public:
    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                        QMessageBox::StandardButtons buttons) override {
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
    }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    int runDialog(QDialog&) override { return 0; }
};

// Reads the radio once and returns the largest gap between ticks, in milliseconds.
double largestGap(const char* fault) {
    SimulatorProcess sim(fault ? std::vector<std::string>{"--fault", fault}
                               : std::vector<std::string>{});
    const BenchProgramFolder folder(sim.device);
    AnsweringPrompts prompts;
    radio::gui::CProgramApp app(folder.programPath(), prompts);
    if (!app.initInstance({})) {
        std::exit(1);
    }
    radio::gui::RadioLink& link = app.mainFrame()->activeView()->link();
    app.mainFrame()->commands().read->trigger();
    QSignalSpy finished(&link, &radio::gui::RadioLink::transferFinished);

    QElapsedTimer clock;
    qint64 last = 0;
    qint64 largest = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        largest = std::max(largest, now - last);
        last = now;
    });
    clock.start();
    ticker.start(10);
    link.dialog()->okButton()->click();
    finished.wait(60000);
    ticker.stop();
    return static_cast<double>(largest) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    std::printf("largest gap between 10 ms ticks on the interface thread\n");
    std::printf("  full paced read:               %6.1f ms\n", largestGap(nullptr));
    std::printf("  silent radio, one handshake:   %6.1f ms\n", largestGap("silent"));
    return 0;
}
