#include "core/channels/ToneCodec.h"

#include "core/channels/DecimalScaling.h"
#include "core/channels/ToneTable.h"
#include "core/text/Texts.h"
#include "core/util/CRuntimeText.h"

namespace radio {

namespace {

constexpr std::uint8_t kDcsNormal = 0x28;
constexpr std::uint8_t kDcsInverted = 0xA8;
constexpr int kTenthsPerHz = 10;
// Codes from here up need bit 8; in the table that is exactly the codes from 411 up.
constexpr int kFirstHighCode = 372;

bool isDcs(std::uint8_t high) {
    return (high & 0xFE) == kDcsNormal;
}
bool isInvertedDcs(std::uint8_t high) {
    return (high & 0xFE) == kDcsInverted;
}

}  // namespace

std::string decodeTone(ToneWord word, bool channelInUse, Language language) {
    if (isDcs(word.high) || isInvertedDcs(word.high)) {
        return dcsText(dcsCode(word.low, (word.high & 0x01) != 0), isInvertedDcs(word.high));
    }
    if (word.high == 0x00 || word.high == 0xFF) {
        return channelInUse ? std::string(text(TextId::None, language)) : std::string();
    }
    const int tenths = word.low + 256 * word.high;
    return formatFixed(tenths / static_cast<double>(kTenthsPerHz), 1);
}

ToneWord encodeTone(std::string_view text) {
    if (text.find('D') != std::string_view::npos) {
        const std::string_view rest = text.substr(1);
        const int code = leadingInt(rest);
        const bool inverted = rest.find('N') == std::string_view::npos;
        std::uint8_t high = inverted ? kDcsInverted : kDcsNormal;
        if (code >= kFirstHighCode) {
            ++high;
        }
        return {dcsLowByte(code), high};
    }
    const std::int32_t tenths = scaleDecimal(text, kTenthsPerHz);
    if (tenths == 0) {
        return {};
    }
    return {static_cast<std::uint8_t>(tenths % 256), static_cast<std::uint8_t>(tenths / 256)};
}

}  // namespace radio
