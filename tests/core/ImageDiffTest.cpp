#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "core/channels/ChannelCodec.h"
#include "core/image/ImageDiff.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "core/settings/ParamTable.h"

namespace radio {
namespace {

TEST(ImageDiff, EachChangeIsNamedOnceAndUnexplainedBitsStayRaw) {
    const auto xorBits = [](std::size_t offset, std::uint8_t bits) {
        return [offset, bits](MemoryImage& i) {
            i.set(offset, static_cast<std::uint8_t>(i[offset] ^ bits));
        };
    };
    const std::size_t ch3 = map::channelOffset(3);  // every scan bit is clear to begin with
    // clang-format off
    const std::tuple<const char*, std::function<void(MemoryImage&)>, std::vector<std::string>> cases[] = {
        {"time-out value and bit 7", xorBits(map::kTimeOutTimer, 0x81), {"Time-Out Timer", "bytes 0x130"}},
        {"scan bit of empty channel 5", xorBits(map::kScanAddLow, 0x10), {"bytes 0x17E"}},
        {"scan bit of empty channel 12", xorBits(map::kScanAddHigh, 0x08), {"channel 12 Scan Add"}},
        {"channel 3 tone and byte 15", [&](MemoryImage& i) { i.set(ch3 + 8, 0x9E); i.set(ch3 + 9, 0x02); i.set(ch3 + 15, 0x00); },
         {"channel 3 QT/DQT Dec", "bytes 0x03F"}},
        {"channel 3 compander and scrambler", xorBits(ch3 + 14, 0x13), {"channel 3 Compand", "channel 3 Scrambler"}},
        {"channel 3 unused bit of byte 14", xorBits(ch3 + 14, 0x40), {"bytes 0x03E"}},
        {"channel 3 power", xorBits(ch3 + 13, 0x20), {"channel 3 Power"}},
        {"channel 3 encode tone and a free bit after it", [&](MemoryImage& i) { i.set(ch3 + 10, 0x85); i.set(ch3 + 11, 0x08); xorBits(ch3 + 12, 0x01)(i); },
         {"channel 3 QT/DQT Enc", "bytes 0x03C"}},
        {"channel 3 width", xorBits(ch3 + 13, 0x10), {"channel 3 W/N"}},
        {"channel 8 scan", xorBits(map::kScanAddLow, 0x80), {"channel 8 Scan Add"}},
        {"channel 9 scan", xorBits(map::kScanAddHigh, 0x01), {"channel 9 Scan Add"}},
        {"channel 3 transmit frequency gone", [&](MemoryImage& i) { i.set(ch3 + 7, 0xFF); },
         {"channel 3 Tx Frequency", "channel 3 QT/DQT Dec", "channel 3 QT/DQT Enc", "channel 3 Power", "channel 3 Scan Add",
          "channel 3 Busy Lock", "channel 3 W/N", "channel 3 Compand", "channel 3 Scrambler"}},
        {"band and a param value", [](MemoryImage& i) { i.set(map::kBand, 2); i.set(map::kParamAdjust + 1, 7); },
         {"Band (list index)", "Param Adjust " + paramRowLabels(Language::English)[0] + " Compand On"}},
        {"row 0 and identification", [](MemoryImage& i) { i.set(0x005, 0x12); i.set(0x006, 0x34); i.set(map::kIdentification + 7, 0x02); },
         {"bytes 0x005-0x006", "bytes 0x1BF"}},
    };
    // clang-format on
    // Channels 3 and 8 in use, everything else as a new document has it.
    MemoryImage first = newDocumentImage();
    ChannelTable table = decodeChannels(first, Language::English);
    table[2] = table[7] = newChannelDefaults("440.00000", Language::English);
    encodeChannels(first, table);
    EXPECT_TRUE(diffImages(first, first).empty());
    for (const auto& [change, apply, expected] : cases) {
        MemoryImage second = first;
        apply(second);
        std::vector<std::string> found;
        for (const ImageDifference& d : diffImages(first, second)) {
            found.push_back(d.what);
        }
        EXPECT_EQ(found, expected) << change;
    }
}

TEST(ImageDiff, RawBytesShowBothImagesInHex) {
    const MemoryImage first = newDocumentImage();
    MemoryImage second = first;
    second.set(map::kWriteProtected, 0x0A);
    second.set(map::kWriteProtected + 1, 0xB0);
    second.set(map::kPriorityMode, 1);
    EXPECT_EQ(describeDifferences(diffImages(first, second)),
              "Priority: None | Fixed\nbytes 0x330-0x331: FF FF | 0A B0\n");
}

}  // namespace
}  // namespace radio
