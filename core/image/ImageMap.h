#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

// Where each field lives in the memory image (offsets are radio addresses).
namespace radio::map {

// Row 0: not shown by any page.
constexpr std::size_t kRow0 = 0x000;

// Channel n (1..16) is the 16-byte record at n * 16.
constexpr int kChannelCount = 16;
constexpr std::size_t kChannelRecordSize = 16;
constexpr std::size_t kChannelArea = 0x010;
constexpr std::size_t kChannelAreaEnd = 0x110;  // one past channel 16
constexpr std::size_t channelOffset(int channel) {
    return static_cast<std::size_t>(channel) * kChannelRecordSize;
}
// The same for a number from outside: one not in 1..16 throws std::out_of_range.
constexpr std::size_t checkedChannelOffset(int channel) {
    if (channel < 1 || channel > kChannelCount) {
        throw std::out_of_range("channel number outside 1..16");
    }
    return channelOffset(channel);
}

// Optional Features
constexpr std::size_t kVoiceAnnunciation = 303;  // 0x12F, whole byte
constexpr std::size_t kTimeOutTimer = 304;       // 0x130, bits 0-6
constexpr std::size_t kTotPreAlert = 305;        // 0x131, bits 0-3
constexpr std::size_t kSquelchLevel = 308;       // 0x134, bits 0-3
constexpr std::size_t kBatterySaver = 309;       // 0x135, bit 0
constexpr std::size_t kBeep = 310;               // 0x136, bit 0
constexpr std::size_t kVoxGainLevel = 314;       // 0x13A, bits 0-4
constexpr std::size_t kVoxDelayTime = 315;       // 0x13B, bits 0-2
constexpr std::size_t kCallKeyDefine = 319;      // 0x13F, whole byte
constexpr std::size_t kCallTone = 1008;          // 0x3F0, whole byte

// Scan Information
constexpr std::size_t kPriorityMode = 352;     // 0x160
constexpr std::size_t kPriorityChannel = 353;  // 0x161
constexpr std::size_t kLookBackA = 354;        // 0x162
constexpr std::size_t kLookBackB = 355;        // 0x163
constexpr std::size_t kRevertChannel = 356;    // 0x164
constexpr std::size_t kDropoutDelay = 357;     // 0x165-0x166, low byte first
constexpr std::size_t kTxDwellTime = 359;      // 0x167-0x168, low byte first

// Scan-add bits: channels 1-8 in 0x17E (bit n-1), channels 9-16 in 0x17F (bit n-9).
constexpr std::size_t kScanAddLow = 0x17E;
constexpr std::size_t kScanAddHigh = 0x17F;
constexpr std::size_t scanAddOffset(int channel) {
    return channel <= 8 ? kScanAddLow : kScanAddHigh;
}
constexpr std::uint8_t scanAddBit(int channel) {
    return static_cast<std::uint8_t>(1u << ((channel - 1) % 8));
}

// Identification bytes, stored and transferred only.
constexpr std::size_t kIdentification = 440;  // 0x1B8..0x1BF
constexpr std::size_t kIdentificationSize = 8;

// Written to the radio only after the access code was accepted.
constexpr std::size_t kWriteProtected = 816;  // 0x330..0x33F
constexpr std::size_t kWriteProtectedEnd = 832;

// Function switches, shown only in the printed report: bit 0 VOX, bit 1 scan.
constexpr std::size_t kFunctionSwitches = 967;  // 0x3C7

// Param Adjust: 976..985 five rows of (compander off, compander on), 986 the emphasis bits.
constexpr std::size_t kParamAdjust = 976;  // 0x3D0
constexpr std::size_t kParamAdjustEnd = 987;
constexpr std::size_t kEmphasis = 986;  // bit 0 de-emphasis, bit 1 pre-emphasis

// Product Information
constexpr std::size_t kRadioType = 990;  // 0x3DE, type list index
constexpr std::size_t kBand = 991;       // 0x3DF, band list index

// Power Adjustment: 8 rows of (low, high) at 992..1007.
constexpr std::size_t kPowerTable = 992;  // 0x3E0
constexpr std::size_t kPowerTableEnd = 1008;
constexpr int kPowerTableRows = 8;

// Bytes 0..1008 travel to and from the radio; 1009..1023 never do.
constexpr std::size_t kTransferEnd = 1009;

}  // namespace radio::map
