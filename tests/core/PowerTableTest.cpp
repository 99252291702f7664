#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/image/ImageMap.h"
#include "core/image/MemoryImage.h"
#include "core/settings/PowerTable.h"

namespace radio {
namespace {

BandLimits band(int lowerMHz, int upperMHz) {
    return {lowerMHz * kFrequencyPerMHz, upperMHz * kFrequencyPerMHz};
}

TEST(PowerTable, Points) {
    struct Case {
        BandLimits limits;
        std::vector<int> points;
    };
    const Case cases[] = {
        {band(400, 480), {400, 410, 420, 430, 440, 450, 460, 470}},
        {band(136, 174), {136, 140, 150, 160, 170, 174}},
        {band(400, 400), {}},
        {band(403, 403), {403}},
        {band(400, 470), {400, 410, 420, 430, 440, 450, 460}},
        {band(405, 407), {405, 407}},
        {band(480, 400), {}},
        // More points than table rows: only the first 8.
        {band(100, 200), {100, 110, 120, 130, 140, 150, 160, 170}},
        {band(136, 520), {136, 140, 150, 160, 170, 180, 190, 200}},
        // Sub-MHz parts of the limits are dropped.
        {{40099999, 41150000}, {400, 410, 411}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(powerPoints(c.limits), c.points) << c.limits.lower << "-" << c.limits.upper;
    }
}

TEST(PowerTable, DecodeCells) {
    MemoryImage image;
    for (std::size_t i = 0; i < 16; ++i) {
        image.set(map::kPowerTable + i, static_cast<std::uint8_t>(i * 10));
    }
    const auto rows = decodePowerTable(image, 6);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (PowerRow{"0", "10"}));
    EXPECT_EQ(rows[5], (PowerRow{"100", "110"}));
    EXPECT_EQ(decodePowerTable(image, 12).size(), 8u);
    EXPECT_TRUE(decodePowerTable(image, 0).empty());
}

TEST(PowerTable, StoresOnlyShownRows) {
    MemoryImage image;
    std::vector<PowerRow> rows(6, PowerRow{"155", "250"});
    rows[1] = {"5", "100"};
    encodePowerTable(image, rows);
    EXPECT_EQ(image[992], 155);
    EXPECT_EQ(image[993], 250);
    EXPECT_EQ(image[994], 5);
    EXPECT_EQ(image[995], 100);
    EXPECT_EQ(image[1003], 250);
    EXPECT_EQ(image[1004], 0xFF);  // row 7 is not shown
}

TEST(PowerTable, NeverWritesPastTheTable) {
    MemoryImage image;
    const std::vector<PowerRow> rows(12, PowerRow{"7", "8"});
    encodePowerTable(image, rows);
    EXPECT_EQ(image[1006], 7);
    EXPECT_EQ(image[1007], 8);
    EXPECT_EQ(image[map::kCallTone], 0xFF);
}

TEST(PowerTable, StoreTakesLeadingIntegerLowByte) {
    MemoryImage image;
    encodePowerTable(image, {PowerRow{" 180x", "300"}, PowerRow{"", "-1"}});
    EXPECT_EQ(image[992], 180);
    EXPECT_EQ(image[993], 300 & 0xFF);
    EXPECT_EQ(image[994], 0);
    EXPECT_EQ(image[995], 0xFF);
}

TEST(PowerTable, CommitClamps) {
    struct Case {
        PowerColumn column;
        const char* typed;
        const char* committed;
    };
    const Case cases[] = {
        {PowerColumn::Low, "200", "155"},  {PowerColumn::Low, "4", "155"},
        {PowerColumn::Low, "5", "5"},      {PowerColumn::Low, "155", "155"},
        {PowerColumn::Low, "", "155"},     {PowerColumn::Low, "080", "80"},
        {PowerColumn::High, "99", "250"},  {PowerColumn::High, "180", "180"},
        {PowerColumn::High, "100", "100"}, {PowerColumn::High, "251", "250"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(commitPowerText(c.column, c.typed), c.committed) << c.typed;
    }
    EXPECT_EQ(clampLowPower(156), 155);
    EXPECT_EQ(clampHighPower(250), 250);
}

}  // namespace
}  // namespace radio
