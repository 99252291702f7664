// How many writes pass their check while the machine is busy: BUSY busy-looping processes
// (shell loops; default: one per processor) run beside the program and the paced radioprog-sim. The
// program writes WRITES times with its check (the second half with the access code accepted), and
// radioprog-cli does the same. Every write should be verified: a busy machine may slow a
// transfer down, never make it fail. Usage: verify_load_bench [WRITES [BUSY]]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <thread>
#include <vector>
#include "bench/ProgramFolder.h"
#include "bench/SimulatorProcess.h"

#include "core/image/DatFile.h"
#include "core/image/NewImage.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/CProgramView.h"
#include "gui/link/CProcessDlg.h"
#include "gui/link/RadioLink.h"

namespace {

constexpr const char* kAccessCode = "472816";

// Busy shell loops that end with this object.
class MachineLoad {
  public:
    explicit MachineLoad(unsigned count) {
        for (unsigned i = 0; i < count; ++i) {
            const pid_t pid = fork();
            if (pid == 0) {
                execl("/bin/sh", "sh", "-c", "while :; do :; done", static_cast<char*>(nullptr));
                _exit(127);
            }
            busy_.push_back(pid);
        }
    }
    ~MachineLoad() {
        for (const pid_t pid : busy_) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    MachineLoad(const MachineLoad&) = delete;
    MachineLoad& operator=(const MachineLoad&) = delete;

  private:
    std::vector<pid_t> busy_;
};

// Answers every question with its default and remembers the last message.
class RememberingPrompts final : public radio::gui::UserPrompts {
  public:
    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString& /*caption*/,
                                        const QString& text,
                                        QMessageBox::StandardButtons buttons) override {
        last = text;
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
    }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    int runDialog(QDialog&) override { return 0; }

    QString last;
};

struct Count {
    int verified = 0;
    int all = 0;
    QString firstFailure;

    void add(bool ok, const QString& outcome) {
        ++all;
        verified += ok ? 1 : 0;
        if (!ok && firstFailure.isEmpty()) {
            firstFailure = outcome;
        }
    }
};

Count writeWithTheProgram(const SimulatorProcess& sim, int writes) {
    const BenchProgramFolder folder(sim.device);
    RememberingPrompts prompts;
    radio::gui::CProgramApp app(folder.programPath(), prompts);
    if (!app.initInstance({})) {
        std::exit(1);
    }
    radio::gui::RadioLink& link = app.mainFrame()->activeView()->link();
    const QString verified = "Write completed and verified";
    Count count;
    for (int i = 0; i < writes; ++i) {
        if (i == writes / 2) {
            app.setAdjustmentUnlocked();
        }
        prompts.last.clear();
        app.mainFrame()->commands().write->trigger();
        QSignalSpy finished(&link, &radio::gui::RadioLink::transferFinished);
        link.dialog()->okButton()->click();
        finished.wait(120000);
        count.add(prompts.last.startsWith(verified), prompts.last);
    }
    return count;
}

Count writeWithTheCommandLine(const SimulatorProcess& sim, int writes) {
    QTemporaryDir folder;
    const std::string document = folder.filePath("plan.dat").toStdString();
    radio::saveDatFile(document, radio::newDocumentImage());
    Count count;
    for (int i = 0; i < writes; ++i) {
        QStringList arguments{"write", "--port", QString::fromStdString(sim.device),
                              QString::fromStdString(document)};
        if (i >= writes / 2) {
            arguments << "--access-code" << kAccessCode;
        }
        QProcess cli;
        cli.start(QCoreApplication::applicationDirPath() + "/radioprog-cli", arguments);
        cli.waitForFinished(120000);
        const QString out = QString::fromUtf8(cli.readAllStandardOutput()).trimmed();
        const QString err = QString::fromUtf8(cli.readAllStandardError()).trimmed();
        count.add(cli.exitCode() == 0 && out.endsWith("verified"), err.section('\n', -1));
    }
    return count;
}

void report(const char* who, const Count& count) {
    std::printf("  %-13s %2d of %2d checks verified\n", who, count.verified, count.all);
    if (!count.firstFailure.isEmpty()) {
        std::printf("    first failure: %s\n", qPrintable(count.firstFailure));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's remarks on every dialog would bury the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    const int writes = argc >= 2 ? std::max(2, std::atoi(argv[1])) : 20;
    const unsigned busy = argc >= 3 ? static_cast<unsigned>(std::max(0, std::atoi(argv[2])))
                                    : std::max(1u, std::thread::hardware_concurrency());
    SimulatorProcess sim;
    const MachineLoad load(busy);
    std::printf("paced radioprog-sim, %u busy processes beside it\n", busy);
    report("radioprog", writeWithTheProgram(sim, writes));
    report("radioprog-cli", writeWithTheCommandLine(sim, writes));
    return 0;
}
