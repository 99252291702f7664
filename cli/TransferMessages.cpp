#include "cli/TransferMessages.h"

#include "core/text/Texts.h"

namespace radio::cli {

std::string transferFailure(TransferOutcome outcome, const SerialLineOpener& opener,
                            bool declinedAtPrompt, const WriteProgress* written) {
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
        case TransferOutcome::Interrupted: {
            std::string message = english(TextId::ProgramInterrupt);
            const std::string note =
                written ? interruptedWriteNote(written->blocksWritten(), written->blockCount(),
                                               Language::English)
                        : std::string();
            return note.empty() ? message : message + "\n" + note;
        }
        case TransferOutcome::Cancelled:
            return english(declinedAtPrompt ? TextId::CommunicationError
                                            : TextId::TransferCancelled);
    }
    return {};
}

}  // namespace radio::cli
