#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "core/util/NumberText.h"

namespace radio {
namespace {

TEST(NumberText, AWholeBoxIsANumberOrNot) {
    struct Case {
        std::string text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"0.57", 0.57},
        {" 5 ", 5.0},
        {"+1.5", 1.5},
        {"-2", -2.0},
        {".5", 0.5},
        {"1e1", 10.0},
        {"1e999", std::nullopt},  // infinity is kept as atof gives it, below
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"abc", std::nullopt},
        {"1.5s", std::nullopt},
        {"0x10", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"1 2", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto value = parseNumberText(c.text);
        if (c.text == "1e999") {
            ASSERT_TRUE(value.has_value());
            EXPECT_GT(*value, 1e300);
            continue;
        }
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }
}

TEST(NumberText, AWholeBoxIsAnIntegerOrNot) {
    struct Case {
        std::string text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"300", 300},
        {" 7 ", 7},
        {"007", 7},
        {"-5", -5},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"", std::nullopt},
        {"1.5", std::nullopt},
        {"12a", std::nullopt},
        {"+", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseIntegerText(c.text), c.value) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace radio
