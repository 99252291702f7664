#include "cli/TransferMessages.h"

#include "core/text/Texts.h"

namespace radio::cli {

std::string transferFailure(TransferOutcome outcome, const SerialLineOpener& opener,
                            bool declinedAtPrompt) {
    const auto english = [](TextId id) { return std::string(text(id, Language::English)); };
    switch (outcome) {
        case TransferOutcome::Completed:
            return {};
        case TransferOutcome::PortNotOpened: {
            std::string message = english(TextId::PortNotOpened);
            if (opener.lastFailure()) {
                const std::string reason = opener.lastFailure()->message(Language::English);
                message += reason.empty() ? "" : "\n" + reason;
            }
            return message;
        }
        case TransferOutcome::Interrupted:
            return english(TextId::ProgramInterrupt);
        case TransferOutcome::Cancelled:
            return english(declinedAtPrompt ? TextId::CommunicationError
                                            : TextId::TransferCancelled);
    }
    return {};
}

}  // namespace radio::cli
