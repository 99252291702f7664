// Start-up time to the main window shown, and peak memory, of the program beside a bare Qt
// main window with an MDI area, measured in the same run on the offscreen platform.
// Usage: startup_bench [RUNS]   (the program folder is the folder of this executable)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QStatusBar>
#include <QTimer>
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
        bare->setCentralWidget(new QMdiArea);
        // The program's own first size, so that both paint and hold the same number of pixels
        // where the platform cannot maximize (offscreen keeps the size it is given).
        bare->resize(1000, 600);
        if (mode == "text") {
            // Any window that shows text pays for loading the font database once.
            bare->statusBar()->showMessage("Ready");
        }
        bare->showMaximized();
    }
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}

struct Sample {
    double milliseconds;
    long peakKilobytes;
};

Sample measure(const char* self, const char* mode) {
    const auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        execl(self, self, "--child", mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

template <class T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        return runChild(argc, argv, argv[2]);
    }
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<double> programTime, bareTime, textTime;
    std::vector<long> programMemory, bareMemory, textMemory;
    for (int i = 0; i < runs; ++i) {  // interleaved, so machine noise hits both alike
        Sample p = measure(argv[0], "program");
        Sample b = measure(argv[0], "bare");
        Sample t = measure(argv[0], "text");
        textTime.push_back(t.milliseconds);
        textMemory.push_back(t.peakKilobytes);
        programTime.push_back(p.milliseconds);
        programMemory.push_back(p.peakKilobytes);
        bareTime.push_back(b.milliseconds);
        bareMemory.push_back(b.peakKilobytes);
    }
    const double pt = median(programTime), bt = median(bareTime);
    const long pm = median(programMemory), bm = median(bareMemory);
    std::printf("start-up to window shown, median of %d runs (offscreen)\n", runs);
    std::printf("  radioprog : %8.1f ms  peak %7ld KiB\n", pt, pm);
    std::printf("  bare Qt   : %8.1f ms  peak %7ld KiB\n", bt, bm);
    std::printf("  ratio     : %8.2f      %12.2f\n", pt / bt, double(pm) / double(bm));
    const double tt = median(textTime);
    const long tm = median(textMemory);
    std::printf("  bare Qt with one line of text: %.1f ms  peak %ld KiB  (ratio %.2f, %.2f)\n", tt,
                tm, pt / tt, double(pm) / double(tm));
    return 0;
}
