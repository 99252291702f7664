#pragma once

#include <string>
#include <vector>

#include "core/image/MemoryImage.h"
#include "core/link/CloneProtocol.h"
#include "core/text/Language.h"

namespace radio {

// How the check after a write ended. The write itself completed in every case.
enum class VerifyOutcome {
    Verified,     // every byte read back equals the image
    Differs,      // all blocks were read back, some hold other bytes
    Interrupted,  // the radio stopped answering or sent short data while being read back
    NoAnswer,     // the radio did not answer the read-back's handshake
    Cancelled,    // the user cancelled the read-back
};

struct VerifyResult {
    VerifyOutcome outcome = VerifyOutcome::Verified;
    // Differs: the blocks that differ, in the order they were read.
    std::vector<clone::Block> differing;
    // What the radio sent back; bytes of blocks never read are the image's.
    MemoryImage readBack;
};

// The user's message for a write that completed and was then checked: "Write completed and
// verified", or that the write completed and the check failed, naming each differing block by
// address and what it holds.
std::string verifyMessage(const VerifyResult& result, const MemoryImage& image, Language language);

}  // namespace radio
