#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/channels/BandText.h"
#include "core/util/CsvText.h"

namespace radio {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvText, ByteOrderMarkLineEndsQuotedAndEmptyFieldsReadAndWritten) {
    const auto parsed = parseCsv(
        "\xEF\xBB\xBF"
        "a,\"b,c\",\"say \"\"hi\"\"\"\r\n\r\n\"two\nlines\",\"\"\n,,\nlast");
    ASSERT_TRUE(parsed);
    const std::vector<CsvRecord>& records = parsed.value();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].fields, (Fields{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(records[1].fields, (Fields{"two\nlines", ""}));
    EXPECT_EQ(records[1].line, 3);
    EXPECT_EQ(records[2].fields, (Fields{"", "", ""}));
    EXPECT_EQ(records[3].line, 6);

    const auto oldMac = parseCsv("a\rb,c\r");  // a carriage return alone ends a line too
    ASSERT_TRUE(oldMac);
    ASSERT_EQ(oldMac.value().size(), 2u);
    EXPECT_EQ(oldMac.value()[1].fields, (Fields{"b", "c"}));
    EXPECT_EQ(oldMac.value()[1].line, 2);

    const auto unclosed = parseCsv("a\nb,\"open\nstill open\n");
    ASSERT_FALSE(unclosed);
    EXPECT_EQ(unclosed.error().line, 2);  // where the quote opens
    // Written with quotes only where needed.
    EXPECT_EQ(csvLine({"plain", "with,comma", "quote\"d", ""}),
              "plain,\"with,comma\",\"quote\"\"d\",\r\n");
    const Fields fields = {"x,y", "\"", "a\r\nb", " s "};
    EXPECT_EQ(parseCsv(csvLine(fields)).value().at(0).fields, fields);
}

// Items split on every bar and an item beyond the end is the last; the limits are the numbers
// around the first dash.
TEST(BandText, ItemsAndTheirLimits) {
    EXPECT_EQ(splitBandList("400-420||440|"), (Fields{"400-420", "", "440", ""}));
    const std::pair<int, std::string> items[] = {
        {0, "400-470"}, {1, "136-174"}, {255, "136-174"}, {-1, "400-470"}};
    for (const auto& [index, item] : items) {
        EXPECT_EQ(bandItem("400-470|136-174", index), item) << index;
    }
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    // clang-format off
    const std::pair<std::string, BandLimits> cases[] = {
        {"136-174MHz", {13600000, 17400000}}, {" 400 - 470", {40000000, 47000000}},
        {"450", {45000000, 45000000}}, {"UHF-470", {0, 47000000}},
        {"99999999999-5", {kMax, 500000}},
        {"-30000", {kMin, kMax}}};
    // clang-format on
    for (const auto& [text, limits] : cases) {
        EXPECT_EQ(bandLimits(text), limits) << text;
    }
}

}  // namespace
}  // namespace radio
