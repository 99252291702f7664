#include "core/link/Verify.h"

#include <cstdio>

#include "core/image/ImageRegions.h"
#include "core/text/Texts.h"

namespace radio {
namespace {

std::string hexAddress(std::size_t address) {
    char text[8];
    std::snprintf(text, sizeof text, "%04zX", address);
    return text;
}

// "0x0128, 8 bytes: optional features", naming only what the differing bytes hold.
std::string blockLine(const clone::Block& block, const VerifyResult& result,
                      const MemoryImage& image, Language language) {
    std::vector<std::size_t> offsets;
    for (std::size_t offset = block.address; offset < block.address + block.length; ++offset) {
        if (result.readBack[offset] != image[offset]) {
            offsets.push_back(offset);
        }
    }
    return fillText(
        text(TextId::VerifyBlock, language),
        {hexAddress(block.address), std::to_string(block.length), regionNames(offsets, language)});
}

std::string differsMessage(const VerifyResult& result, const MemoryImage& image,
                           Language language) {
    std::string message =
        fillText(text(TextId::VerifyDiffers, language), {std::to_string(result.differing.size())});
    for (const clone::Block& block : result.differing) {
        message.append("\n").append(blockLine(block, result, image, language));
    }
    return message;
}

}  // namespace

std::string verifyMessage(const VerifyResult& result, const MemoryImage& image, Language language) {
    switch (result.outcome) {
        case VerifyOutcome::Verified:
            return std::string(text(TextId::WriteVerified, language));
        case VerifyOutcome::Differs:
            return differsMessage(result, image, language);
        case VerifyOutcome::Interrupted:
            return fillText(text(TextId::VerifyFailed, language),
                            {text(TextId::ProgramInterrupt, language)});
        case VerifyOutcome::NoAnswer:
            return fillText(text(TextId::VerifyFailed, language),
                            {text(TextId::NoAnswerAfterWrite, language)});
        case VerifyOutcome::Cancelled:
            return std::string(text(TextId::VerifyCancelled, language));
    }
    return {};
}

}  // namespace radio
