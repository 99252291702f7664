#include "cli/Arguments.h"

namespace radio::cli {

void parseCommand(QCommandLineParser& parser, const QStringList& arguments, int positionals) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList withProgram = arguments;
    withProgram.prepend(QStringLiteral("radioprog-cli"));
    if (!parser.parse(withProgram)) {
        throw UsageError(parser.errorText().toStdString());
    }
    if (parser.positionalArguments().size() != positionals) {
        throw UsageError("wrong number of arguments");
    }
}

int integerOption(const QCommandLineParser& parser, const QString& name, int fallback, int low,
                  int high) {
    if (!parser.isSet(name)) {
        return fallback;
    }
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < low || value > high) {
        throw UsageError("--" + name.toStdString() + " takes a number from " + std::to_string(low) +
                         " to " + std::to_string(high));
    }
    return value;
}

std::string usageText() {
    return "Usage:\n"
           "  radioprog-cli new -o FILE [--type N] [--band N]\n"
           "  radioprog-cli read --port PORT -o FILE [--retries N]\n"
           "  radioprog-cli read --port PORT --port PORT ... -o DIR/ [--retries N]\n"
           "  radioprog-cli write --port PORT FILE [--access-code CODE] [--retries N]\n"
           "                      [--no-verify]\n"
           "  radioprog-cli write --port PORT --port PORT ... FILE [same options]\n"
           "  radioprog-cli show FILE [--lang en|zh]\n"
           "  radioprog-cli print FILE -o REPORT.pdf [--lang en|zh]\n"
           "  radioprog-cli export FILE -o CHANNELS.csv\n"
           "  radioprog-cli import CHANNELS.csv FILE [--merge]\n"
           "  radioprog-cli diff FILE1 FILE2 [--lang en|zh]\n"
           "  radioprog-cli diff FILE --port PORT [--retries N] [--lang en|zh]\n"
           "  radioprog-cli ports\n"
           "  radioprog-cli --help | --version\n"
           "\n"
#ifdef _WIN32
           "PORT is com1..com4 or a port name (COM7). com1..com4 name the ports set in\n"
           "[Ports] of Program.ini, else COM1..COM4. ports lists every serial port with\n"
           "its description, maker, USB ids and the comN that stands for it.\n"
#else
           "PORT is com1..com4 or a device path. com1..com4 name the devices set in\n"
           "[Ports] of Program.ini, else /dev/ttyUSB0../dev/ttyUSB3. ports lists every serial\n"
           "device with its description, maker, USB ids and the comN that stands for it.\n"
#endif
           "--retries N answers the communication-error prompt with Retry N times; without\n"
           "it the prompt is asked on a terminal and declined otherwise.\n"
           "print writes the printed report as a PDF file; its owner line is\n"
           "Copyrights Owner of [English] or [Chinese] in Program.ini.\n"
           "export writes the channel table as CSV (English texts); import checks every\n"
           "line against the band of the file's radio type and rewrites FILE, or changes\n"
           "nothing and lists every bad line; without --merge, channels missing from the\n"
           "CSV become empty. diff lists every difference and exits with 1 when there is one;\n"
           "with --port it reads the radio (bytes 0..1008) and compares it with FILE,\n"
           "writing to neither. write reads the radio back after writing and fails when a\n"
           "block differs, naming each; --no-verify skips that check.\n"
           "With several --port, every radio is read or written at once; a table gives each\n"
           "port's outcome and time; the prompt is never asked (--retries N applies to each);\n"
           "read saves DIR/<port name>.dat. import finds columns by their header names.\n"
           "Exit status: 0 success, 1 transfer or file failure, 2 usage error; diff: 0 equal,\n"
           "1 different, 2 usage error, a file or a radio that cannot be read.\n";
}

}  // namespace radio::cli
