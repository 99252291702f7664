#include "core/util/NumberText.h"

#include <charconv>
#include <limits>
#include <string>

#include "core/util/CRuntimeText.h"

namespace radio {
namespace {

// The text without blanks around it and without a leading '+', which from_chars refuses.
std::string_view numberBody(std::string_view text, bool& negative) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isCSpace(text[first])) {
        ++first;
    }
    while (last > first && isCSpace(text[last - 1])) {
        --last;
    }
    text = text.substr(first, last - first);
    negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    return text;
}

bool decimalOnly(std::string_view body) {
    for (const char c : body) {
        const bool allowed =
            (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
        if (!allowed) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<double> parseNumberText(std::string_view text) {
    bool negative = false;
    const std::string_view body = numberBody(text, negative);
    // One sign only: from_chars would take a second one ("--5" as 5), where atof finds no number.
    if (body.empty() || body.front() == '+' || body.front() == '-' || !decimalOnly(body)) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (end != body.data() + body.size() || error == std::errc::invalid_argument) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        value = leadingDouble(body);  // as atof: huge values become infinity, tiny ones 0
    }
    return negative ? -value : value;
}

std::optional<int> parseIntegerText(std::string_view text) {
    bool negative = false;
    const std::string_view body = numberBody(text, negative);
    if (body.empty() || body.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : body) {
        value = std::min<long long>(value * 10 + (c - '0'),
                                    static_cast<long long>(std::numeric_limits<int>::max()) + 1);
    }
    value = negative ? -value : value;
    const long long low = std::numeric_limits<int>::min();
    const long long high = std::numeric_limits<int>::max();
    return static_cast<int>(std::max(low, std::min(high, value)));
}

std::string withDecimalPoint(std::string_view text) {
    std::string result(text);
    const std::size_t comma = result.find(',');
    const bool oneComma =
        comma != std::string::npos && result.find(',', comma + 1) == std::string::npos;
    if (oneComma && result.find('.') == std::string::npos) {
        result[comma] = '.';
    }
    return result;
}

}  // namespace radio
