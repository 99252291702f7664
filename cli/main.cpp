// radioprog-cli: reads, writes and inspects radio memory images from the command line.
#include <QCoreApplication>
#include <cstdio>
#include <functional>
#include <map>

#include "cli/Arguments.h"
#include "cli/Commands.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    using namespace radio::cli;
    const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {"new", runNew},     {"show", runShow},   {"read", runRead},
        {"write", runWrite}, {"ports", runPorts},
    };
    QStringList arguments = app.arguments().mid(1);
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
