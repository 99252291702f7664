// Start-up time to the main window shown, and peak memory, of the program beside a bare Qt
// main window with an MDI area, measured in the same run on the offscreen platform. Two times:
// from fork to the first painted window (the child reports it through a pipe), and the whole
// process with its exit, since Qt leaves some start-up work (fontconfig) to the exit of a
// window that never drew text.
// Usage: startup_bench [RUNS]   (the program folder is the folder of this executable)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/UserPrompts.h"

namespace {

// The program's kinds and numbers of widgets and texts, with none of its own code: menus, a
// toolbar of nine pictures, a status line, a captioned tree bar and a 16-row grid in an MDI
// child. It tells how much of the start-up Qt's widgets and fonts cost by themselves.
void buildSameWidgets(QMainWindow& window) {
    const char* const menus[] = {"&File", "&Edit", "&Program", "&View", "&Setup", "&Help"};
    for (const char* title : menus) {
        QMenu* menu = window.menuBar()->addMenu(title);
        for (int i = 0; i < 5; ++i) {
            menu->addAction(QString("%1 command %2").arg(title).arg(i));
        }
    }
    QToolBar* tools = window.addToolBar("Standard");
    for (int i = 0; i < 9; ++i) {
        QPixmap picture(16, 16);
        picture.fill(QColor::fromHsv(i * 40, 160, 200));
        tools->addAction(QIcon(picture), QString("Tool %1").arg(i));
    }
    window.statusBar()->showMessage("Ready");

    auto* centre = new QWidget;
    auto* row = new QHBoxLayout(centre);
    row->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QWidget;
    bar->setFixedWidth(214);
    auto* barColumn = new QVBoxLayout(bar);
    auto* caption = new QHBoxLayout;
    caption->addWidget(new QLabel("RadioProg"));
    auto* close = new QToolButton;
    close->setText("x");
    caption->addWidget(close);
    barColumn->addLayout(caption);
    auto* tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    auto* root = new QTreeWidgetItem(tree, {"RadioProg"});
    for (const char* entry : {"Product Information", "Channel Information", "Optional Features"}) {
        new QTreeWidgetItem(root, {entry});
    }
    root->setExpanded(true);
    barColumn->addWidget(tree);
    row->addWidget(bar);

    auto* area = new QMdiArea;
    auto* grid = new QTableWidget(16, 10);
    grid->setHorizontalHeaderLabels({"Rx Frequency", "Tx Frequency", "QT/DQT Dec", "QT/DQT Enc",
                                     "Scan Add", "Busy Lock", "W/N", "Compand", "Scrambler",
                                     "Power"});
    grid->verticalHeader()->setDefaultSectionSize(22);
    QMdiSubWindow* child = area->addSubWindow(grid);
    child->setWindowTitle("Channel Information");
    child->setGeometry(0, 0, 794, 406);
    row->addWidget(area);
    window.setCentralWidget(centre);
}

// Tells the parent, through the pipe on stdout, when the window has been painted.
void reportShown() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf(
        "shown %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
}

// Sees the first paint event; a frame is painted in one pass, so a zero timer started then runs
// once the whole window has been drawn. That moment is reported and the child leaves.
class FirstFrameWatch : public QObject {
  public:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                reportShown();
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    bool seen_ = false;
};

// Child: start, show, and leave as soon as the window has been shown and painted once.
int runChild(int argc, char* argv[], const std::string& mode) {
    const bool program = mode == "program";
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    radio::gui::DialogPrompts prompts;
    std::unique_ptr<radio::gui::CProgramApp> app;
    std::unique_ptr<QMainWindow> bare;
    if (program) {
        app = std::make_unique<radio::gui::CProgramApp>(QCoreApplication::applicationFilePath(),
                                                        prompts);
        if (!app->initInstance({})) {
            return 1;
        }
    } else {
        bare = std::make_unique<QMainWindow>();
        // The program's own first size, so that both paint and hold the same number of pixels
        // where the platform cannot maximize (offscreen keeps the size it is given).
        bare->resize(1000, 600);
        if (mode == "widgets") {
            buildSameWidgets(*bare);
        } else {
            bare->setCentralWidget(new QMdiArea);
        }
        if (mode == "text") {
            // Any window that shows text pays for loading the font database once.
            bare->statusBar()->showMessage("Ready");
        }
        bare->showMaximized();
    }
    FirstFrameWatch watch;
    application.installEventFilter(&watch);
    QTimer::singleShot(20000, [] { QCoreApplication::exit(2); });  // never painted: fail, not hang
    return QApplication::exec();
}

struct Sample {
    double shownMilliseconds;
    double processMilliseconds;
    long peakKilobytes;
};

[[noreturn]] void fail(const char* mode, const char* what) {
    std::fprintf(stderr, "startup_bench: the %s child %s\n", mode, what);
    std::exit(1);
}

// Reads the child's report of its painted window: steady-clock nanoseconds, or -1 if none.
long long readShownStamp(int fd) {
    std::string text;
    char buffer[64];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, std::size_t(got));
    }
    close(fd);
    const std::size_t at = text.rfind("shown ");
    return at == std::string::npos ? -1 : std::atoll(text.c_str() + at + 6);
}

// Runs one child; its stderr (platform chatter) is dropped, a failed child ends the bench.
Sample measure(const char* self, const char* mode) {
    int report[2];
    if (pipe(report) != 0) {
        fail(mode, "has no pipe");
    }
    const auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        close(report[0]);
        if (dup2(report[1], STDOUT_FILENO) < 0 ||
            std::freopen("/dev/null", "w", stderr) == nullptr) {
            _exit(126);
        }
        execl(self, self, "--child", mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(report[1]);
    const long long shown = readShownStamp(report[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || shown < 0) {
        fail(mode, "failed");
    }
    const auto startNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    return {double(shown - startNs) / 1e6,
            std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

template <class T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Subject {
    const char* mode;
    const char* label;
    std::vector<double> shownTimes;
    std::vector<double> processTimes;
    std::vector<long> peaks;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        return runChild(argc, argv, argv[2]);
    }
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<Subject> subjects = {
        {"program", "radioprog", {}, {}, {}},
        {"bare", "bare Qt main window with an MDI area", {}, {}, {}},
        {"text", "the same with one line of status text", {}, {}, {}},
        {"widgets", "Qt's widgets of the program, no program code", {}, {}, {}},
    };
    for (int i = 0; i < runs; ++i) {  // interleaved, so machine noise hits all alike
        for (Subject& subject : subjects) {
            const Sample sample = measure(argv[0], subject.mode);
            subject.shownTimes.push_back(sample.shownMilliseconds);
            subject.processTimes.push_back(sample.processMilliseconds);
            subject.peaks.push_back(sample.peakKilobytes);
        }
    }
    const double programShown = median(subjects[0].shownTimes);
    const double programProcess = median(subjects[0].processTimes);
    const double programPeak = double(median(subjects[0].peaks));
    std::printf("start-up, median of %d runs (offscreen)\n", runs);
    std::printf("  %-46s %8s %10s %11s   radioprog's ratio\n", "", "shown", "process", "peak");
    for (const Subject& subject : subjects) {
        const double shown = median(subject.shownTimes);
        const double process = median(subject.processTimes);
        const long peak = median(subject.peaks);
        std::printf("  %-46s %6.1f ms %7.1f ms %7ld KiB   %.2f  %.2f  %.2f\n", subject.label, shown,
                    process, peak, programShown / shown, programProcess / process,
                    programPeak / double(peak));
    }
    return 0;
}
