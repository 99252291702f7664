// radioprog-cli: reads, writes and inspects radio memory images from the command line.
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>

#include "cli/Arguments.h"
#include "cli/Commands.h"

namespace {

// Printing lays out text, which needs Qt's fonts; drawing into a file needs no screen.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "print") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    using namespace radio::cli;
    const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {"new", runNew},       {"show", runShow},     {"read", runRead},
        {"write", runWrite},   {"ports", runPorts},   {"print", runPrint},
        {"export", runExport}, {"import", runImport}, {"diff", runDiff},
    };
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty() && arguments.first() == "--version") {
        std::fputs("radioprog-cli " RADIOPROG_VERSION "\n", stdout);
        return 0;
    }
    if (arguments.isEmpty() || arguments.first() == "--help" || arguments.first() == "-h") {
        std::fputs(usageText().c_str(), arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? 2 : 0;
    }
    const auto command = commands.find(arguments.takeFirst());
    try {
        if (command == commands.end()) {
            throw UsageError("unknown command");
        }
        return command->second(arguments);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "radioprog-cli: %s\n\n%s", error.what(), usageText().c_str());
        return 2;
    } catch (const CommandFailure& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
