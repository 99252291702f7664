#pragma once

#include <string>

#include "core/link/Transfer.h"
#include "core/link/WriteProgress.h"
#include "serial/SerialLineOpener.h"

namespace radio::cli {

// The program's own message for a transfer that did not complete (empty when it did): why the
// port did not open, the interrupt, or the prompt declined or the transfer cancelled. An
// interrupted write also says how far it got (written: its progress; null for a read).
std::string transferFailure(TransferOutcome outcome, const SerialLineOpener& opener,
                            bool declinedAtPrompt, const WriteProgress* written = nullptr);

}  // namespace radio::cli
