#include <gtest/gtest.h>

#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "core/print/ReportOptions.h"

namespace radio {
namespace {

std::string valueOfRow(const MemoryImage& image, int row, Language language = Language::English) {
    for (const auto& option : reportOptionRows(image, language)) {
        if (option.row == row) {
            return option.value;
        }
    }
    return "<missing>";
}

TEST(ReportOptions, NewImagePrintsItsDefaults) {
    const auto rows = reportOptionRows(newDocumentImage(), Language::English);
    ASSERT_EQ(rows.size(), 11u);
    // clang-format off
    const std::pair<std::string, std::string> expected[] = {
        {"Time Out Timer:", "60s"}, {"TOT Pre-Alert:", "8"}, {"Sequelch Level:", "4"},
        {"Beep:", "On"}, {"Vox Gain Level:", "5"}, {"Vox Delay Time:", "1.0"},
        {"Call Tone:", "Off"}, {"Battery Saver:", "On"}, {"Voice Annunciation:", "Chinese"},
        {"VOX Function:", "On"}, {"Scan Function:", "On"}};
    // clang-format on
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].row, static_cast<int>(i) + 5);
        EXPECT_EQ(rows[i].label, expected[i].first);
        EXPECT_EQ(rows[i].value, expected[i].second) << rows[i].label;
    }
}

TEST(ReportOptions, ValueRules) {
    struct Case {
        std::size_t offset;
        std::uint8_t byte;
        int row;
        std::string value;
    };
    // clang-format off
    const Case cases[] = {
        {map::kTotPreAlert, 0x01, 6, "Off"}, {map::kTotPreAlert, 0xFB, 6, "10"},
        {map::kTimeOutTimer, 0xC1, 5, "15s"}, {map::kVoxDelayTime, 0x07, 10, "3.0"},
        {map::kVoxDelayTime, 0x00, 10, "0.3"}, {map::kVoiceAnnunciation, 0x03, 13, "English"},
        {map::kVoiceAnnunciation, 0x04, 13, "Off"}, {map::kCallTone, 0x10, 11, "16"},
        {map::kFunctionSwitches, 0x02, 14, "Off"}, {map::kFunctionSwitches, 0x02, 15, "On"},
        {map::kBeep, 0xFE, 8, "Off"}, {map::kVoxGainLevel, 0xE0, 9, "Off"}};
    // clang-format on
    for (const Case& c : cases) {
        MemoryImage image = newDocumentImage();
        image.set(c.offset, c.byte);
        EXPECT_EQ(valueOfRow(image, c.row), c.value) << c.offset << " " << int(c.byte);
    }
}

}  // namespace
}  // namespace radio
