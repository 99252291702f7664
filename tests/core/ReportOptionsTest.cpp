#include <gtest/gtest.h>

#include <algorithm>

#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "core/print/ReportOptions.h"

namespace radio {
namespace {

TEST(ReportOptions, ValueRules) {
    const struct {
        std::size_t offset;
        std::uint8_t byte;
        int row;
        std::string value;
    } cases[] = {{map::kTotPreAlert, 0x01, 6, "Off"},
                 {map::kTotPreAlert, 0xFB, 6, "10"},
                 {map::kTimeOutTimer, 0xC1, 5, "15s"},
                 {map::kVoxDelayTime, 0x00, 10, "0.3"},
                 {map::kVoiceAnnunciation, 0x03, 13, "English"},
                 {map::kVoiceAnnunciation, 0x04, 13, "Off"},
                 {map::kCallTone, 0x10, 11, "16"},
                 {map::kFunctionSwitches, 0x02, 14, "Off"},
                 {map::kFunctionSwitches, 0x02, 15, "On"},
                 {map::kVoxGainLevel, 0xE0, 9, "Off"}};
    for (const auto& c : cases) {
        MemoryImage image = newDocumentImage();
        image.set(c.offset, c.byte);
        const auto rows = reportOptionRows(image, Language::English);
        const auto row = std::ranges::find(rows, c.row, [](const auto& r) { return r.row; });
        ASSERT_NE(row, rows.end()) << c.row;
        EXPECT_EQ(row->value, c.value) << c.offset << " " << int(c.byte);
    }
}

}  // namespace
}  // namespace radio
