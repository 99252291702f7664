#include <QCommandLineParser>
#include <cstdio>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/ConsoleObserver.h"
#include "cli/ProgramConfig.h"
#include "core/image/DatFile.h"
#include "core/image/NewImage.h"
#include "core/link/Transfer.h"
#include "core/settings/AccessCode.h"
#include "core/text/Texts.h"
#include "serial/SerialLineOpener.h"

namespace radio::cli {

namespace {

const QCommandLineOption kPort(QStringList{"port"}, "Serial port: com1..com4 or a device path.",
                               "PORT");
const QCommandLineOption kRetries(QStringList{"retries"},
                                  "Retry N times at the communication prompt.", "N");
const QCommandLineOption kAccessCodeOption(QStringList{"access-code"}, "Service access code.",
                                           "CODE");

std::string english(TextId id) {
    return std::string(text(id, Language::English));
}

std::optional<int> retriesOption(const QCommandLineParser& parser) {
    if (!parser.isSet(kRetries)) {
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

// Runs one transfer; throws CommandFailure with the program's own message unless it completed.
void transfer(const TransferRequest& request, MemoryImage& image, std::optional<int> retries) {
    SerialLineOpener opener(portsLookup());
    ConsoleObserver observer(request.direction == clone::Direction::Read ? "Reading" : "Writing",
                             retries);
    switch (runTransfer(opener, request, image, observer)) {
        case TransferOutcome::Completed:
            return;
        case TransferOutcome::PortNotOpened: {
            std::string message = english(TextId::PortNotOpened);
            if (opener.lastFailure()) {
                const std::string reason = opener.lastFailure()->message(Language::English);
                message += reason.empty() ? "" : "\n" + reason;
            }
            throw CommandFailure(message);
        }
        case TransferOutcome::Interrupted:
            throw CommandFailure(english(TextId::ProgramInterrupt));
        case TransferOutcome::Cancelled:
            throw CommandFailure(english(observer.declinedAtPrompt() ? TextId::CommunicationError
                                                                     : TextId::TransferCancelled));
    }
}

}  // namespace

int runRead(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions({kPort, kOutputOption, kRetries});
    parseCommand(parser, arguments, 0);
    const QString output = QString::fromStdString(requiredValue(parser, kOutputOption));
    TransferRequest request{requiredValue(parser, kPort), clone::Direction::Read, false};
    // Bytes the radio never sends keep the values of a new document.
    MemoryImage image = newDocumentImage();
    transfer(request, image, retriesOption(parser));
    saveImageOrFail(output, image);
    return 0;
}

int runWrite(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions({kPort, kAccessCodeOption, kRetries});
    parseCommand(parser, arguments, 1);
    const std::string port = requiredValue(parser, kPort);
    bool unlocked = false;
    if (parser.isSet(kAccessCodeOption)) {
        if (!accessCodeAccepted(parser.value(kAccessCodeOption).toStdString())) {
            throw CommandFailure(english(TextId::PasswordError));
        }
        unlocked = true;
    }
    MemoryImage image = loadImageOrFail(parser.positionalArguments().first());
    TransferRequest request{port, clone::Direction::Write, unlocked};
    transfer(request, image, retriesOption(parser));
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
