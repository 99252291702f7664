#include <QCommandLineParser>
#include <cstdio>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/ConsoleObserver.h"
#include "cli/FleetTransfer.h"
#include "cli/ProgramConfig.h"
#include "cli/TransferMessages.h"
#include "core/image/DatFile.h"
#include "core/image/NewImage.h"
#include "core/link/Transfer.h"
#include "core/settings/AccessCode.h"
#include "core/text/Texts.h"
#include "serial/SerialLineOpener.h"

namespace radio::cli {

namespace {

const QCommandLineOption kAccessCodeOption(QStringList{"access-code"}, "Service access code.",
                                           "CODE");
const QCommandLineOption kNoVerify(QStringList{"no-verify"},
                                   "Do not read the radio back to check the write.");

std::string english(TextId id) {
    return std::string(text(id, Language::English));
}

void failUnlessCompleted(TransferOutcome outcome, const SerialLineOpener& opener,
                         const ConsoleObserver& observer, const WriteProgress* written = nullptr) {
    const std::string failure =
        transferFailure(outcome, opener, observer.declinedAtPrompt(), written);
    if (!failure.empty()) {
        throw CommandFailure(failure);
    }
}

// A write and its check; a check that did not find every byte in place fails the command,
// with a message that says the write itself completed.
void verifiedWrite(const TransferRequest& request, const MemoryImage& image,
                   std::optional<int> retries) {
    SerialLineOpener opener(portsLookup());
    ConsoleObserver observer("Writing", retries);
    WriteProgress written(observer);
    const VerifiedWrite result = runVerifiedWrite(opener, request, image, written);
    failUnlessCompleted(result.write, opener, observer, &written);
    const std::string message = verifyMessage(*result.verify, image, Language::English);
    if (result.verify->outcome != VerifyOutcome::Verified) {
        throw CommandFailure(message);
    }
    observer.finish();
    std::printf("%s\n", message.c_str());
}

// Every --port given, in order.
std::vector<std::string> portValues(const QCommandLineParser& parser) {
    std::vector<std::string> ports;
    for (const QString& port : parser.values(kPortOption)) {
        if (port.isEmpty()) {
            throw UsageError("--port takes a port name");
        }
        ports.push_back(port.toStdString());
    }
    return ports;
}

}  // namespace

void transfer(const TransferRequest& request, MemoryImage& image, std::optional<int> retries) {
    SerialLineOpener opener(portsLookup());
    ConsoleObserver observer(request.direction == clone::Direction::Read ? "Reading" : "Writing",
                             retries);
    WriteProgress written(observer);
    const bool writing = request.direction == clone::Direction::Write;
    failUnlessCompleted(runTransfer(opener, request, image, written), opener, observer,
                        writing ? &written : nullptr);
}

std::optional<int> retriesOption(const QCommandLineParser& parser) {
    if (!parser.isSet(kRetriesOption)) {
        return std::nullopt;
    }
    return integerOption(parser, "retries", 0, 0, 1000000);
}

std::string requiredValue(const QCommandLineParser& parser, const QCommandLineOption& option) {
    if (!parser.isSet(option) || parser.value(option).isEmpty()) {
        throw UsageError("--" + option.names().last().toStdString() + " is required");
    }
    return parser.value(option).toStdString();
}

int runRead(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions({kPortOption, kOutputOption, kRetriesOption});
    parseCommand(parser, arguments, 0);
    const QString output = QString::fromStdString(requiredValue(parser, kOutputOption));
    if (const std::vector<std::string> ports = portValues(parser); ports.size() > 1) {
        return readFleet(ports, output, retriesOption(parser));
    }
    TransferRequest request{requiredValue(parser, kPortOption), clone::Direction::Read, false};
    // Bytes the radio never sends keep the values of a new document.
    MemoryImage image = newDocumentImage();
    transfer(request, image, retriesOption(parser));
    saveImageOrFail(output, image);
    return 0;
}

int runWrite(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions({kPortOption, kAccessCodeOption, kRetriesOption, kNoVerify});
    parseCommand(parser, arguments, 1);
    const std::string port = requiredValue(parser, kPortOption);
    bool unlocked = false;
    if (parser.isSet(kAccessCodeOption)) {
        if (!accessCodeAccepted(parser.value(kAccessCodeOption).toStdString())) {
            throw CommandFailure(english(TextId::PasswordError));
        }
        unlocked = true;
    }
    MemoryImage image = loadImageOrFail(parser.positionalArguments().first());
    if (const std::vector<std::string> ports = portValues(parser); ports.size() > 1) {
        return writeFleet(ports, image, unlocked, !parser.isSet(kNoVerify), retriesOption(parser));
    }
    TransferRequest request{port, clone::Direction::Write, unlocked};
    if (parser.isSet(kNoVerify)) {
        transfer(request, image, retriesOption(parser));
    } else {
        verifiedWrite(request, image, retriesOption(parser));
    }
    return 0;
}

int runPorts(const QStringList& arguments) {
    QCommandLineParser parser;
    parseCommand(parser, arguments, 0);
    const PortsLookup ports = portsLookup();
    for (const SerialDeviceInfo& device : availableSerialDevices()) {
        std::printf("%s\n",
                    describeSerialDevice(device, comNumberForDevice(device.path, ports)).c_str());
    }
    return 0;
}

}  // namespace radio::cli
