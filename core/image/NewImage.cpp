#include "core/image/NewImage.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "core/image/ImageMap.h"

namespace radio {

namespace {

using Assignment = std::pair<std::size_t, std::uint8_t>;

void apply(MemoryImage& image, std::initializer_list<Assignment> values) {
    for (const auto& [offset, value] : values) {
        image.set(offset, value);
    }
}

void applyRun(MemoryImage& image, std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t value : bytes) {
        image.set(offset++, value);
    }
}

}  // namespace

MemoryImage newDocumentImage() {
    MemoryImage image;  // 1. all 0xFF

    // 2. Row 0 reads 00 00 00 FF FF FF FF FF 00 03 01 00 02 00 24 11.
    apply(image, {{0, 0x00},
                  {1, 0x00},
                  {2, 0x00},
                  {8, 0x00},
                  {9, 0x03},
                  {10, 0x01},
                  {11, 0x00},
                  {12, 0x02},
                  {13, 0x00},
                  {14, 0x24},
                  {15, 0x11}});

    // 3. Optional Features; the Call Key Define byte stays 0xFF.
    apply(image, {{map::kVoiceAnnunciation, 0x01},
                  {map::kTimeOutTimer, 0x04},
                  {map::kTotPreAlert, 0x09},
                  {map::kSquelchLevel, 0x04},
                  {map::kBatterySaver, 0x01},
                  {map::kBeep, 0x01},
                  {map::kVoxGainLevel, 0x05},
                  {map::kVoxDelayTime, 0x02},
                  {map::kCallTone, 0x00}});

    // 4. Identification: "K58146", 0xF0, 0x01.
    applyRun(image, map::kIdentification, {0x4B, 0x35, 0x38, 0x31, 0x34, 0x36, 0xF0, 0x01});

    // 5. Scan Information; the revert channel byte stays 0xFF.
    apply(image, {{map::kPriorityMode, 0x00},
                  {map::kPriorityChannel, 0x11},
                  {map::kLookBackA, 0x09},
                  {map::kLookBackB, 0x15},
                  {357, 0x30},
                  {358, 0x00},
                  {359, 0x30},
                  {360, 0x00}});

    // 6. No channel in the scan list.
    apply(image, {{map::kScanAddLow, 0x00}, {map::kScanAddHigh, 0x00}});

    // 7. Power Adjustment table.
    applyRun(image, map::kPowerTable,
             {0x2F, 0xA0, 0x29, 0xA0, 0x26, 0xB4, 0x26, 0xBE, 0x28, 0xB4, 0x2D, 0xAA, 0x2D, 0xA0,
              0x27, 0xFA});
    return image;
}

}  // namespace radio
