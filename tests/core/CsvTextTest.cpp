#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/util/CsvText.h"

namespace radio {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvText, ByteOrderMarkLineEndsAndQuotedFields) {
    const std::string text =
        "\xEF\xBB\xBF"
        "a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
        "\r\n"
        "\"two\nlines\",x\n"
        "last";
    const auto parsed = parseCsv(text);
    ASSERT_TRUE(parsed);
    const std::vector<CsvRecord>& records = parsed.value();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, (Fields{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(records[0].line, 1);
    EXPECT_EQ(records[1].fields, (Fields{"two\nlines", "x"}));
    EXPECT_EQ(records[1].line, 3);
    EXPECT_EQ(records[2].line, 5);
    EXPECT_EQ(records[2].fields, Fields{"last"});
}

TEST(CsvText, EmptyFieldsAndQuotedEmptyFieldsCount) {
    const auto parsed = parseCsv(",,\n\"\"\n");
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed.value().size(), 2u);
    EXPECT_EQ(parsed.value()[0].fields, (Fields{"", "", ""}));
    EXPECT_EQ(parsed.value()[1].fields, Fields{""});
}

TEST(CsvText, AnUnclosedQuoteIsAnErrorAtTheLineItOpens) {
    const auto unclosed = parseCsv("a\nb,\"open\nstill open\n");
    ASSERT_FALSE(unclosed);
    EXPECT_EQ(unclosed.error().line, 2);
    EXPECT_EQ(unclosed.error().reason, "a quoted field is not closed");
}

TEST(CsvText, LinesAreWrittenWithQuotesOnlyWhereNeeded) {
    EXPECT_EQ(csvLine({"plain", "with,comma", "quote\"d", ""}),
              "plain,\"with,comma\",\"quote\"\"d\",\r\n");
    EXPECT_EQ(csvLine({"two\nlines", " padded"}), "\"two\nlines\",\" padded\"\r\n");
    const Fields fields = {"x,y", "\"", "a\r\nb", " s "};
    const auto back = parseCsv(csvLine(fields));
    ASSERT_TRUE(back);
    ASSERT_EQ(back.value().size(), 1u);
    EXPECT_EQ(back.value()[0].fields, fields);
}

}  // namespace
}  // namespace radio
