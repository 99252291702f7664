#include "core/util/CRuntimeText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace radio {

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipSpace(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i])) {
        ++i;
    }
    return i;
}

std::optional<int> parseInt(std::string_view text) {
    std::size_t i = skipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !isDigit(text[i])) {
        return std::nullopt;
    }
    long long value = 0;
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            value = limit;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<int>::max()) {
        value = std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);
}

bool startsWithWord(std::string_view text, std::string_view word) {
    return text.size() >= word.size() && equalsNoCase(text.substr(0, word.size()), word);
}

}  // namespace

bool isCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int leadingInt(std::string_view text) {
    return parseInt(text).value_or(0);
}

std::optional<int> scanInt(std::string_view text) {
    return parseInt(text);
}

double leadingDouble(std::string_view text) {
    std::size_t i = skipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string_view rest = text.substr(i);
    double value = 0.0;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        return 0.0;  // a second sign: no number, where from_chars would take one
    }
    if (startsWithWord(rest, "inf")) {
        value = std::numeric_limits<double>::infinity();
    } else if (startsWithWord(rest, "nan")) {
        value = std::numeric_limits<double>::quiet_NaN();
    } else if (rest.size() > 2 && rest[0] == '0' && lowerAscii(rest[1]) == 'x') {
        std::string_view hex = rest.substr(2);
        auto result =
            std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
        if (result.ec == std::errc::invalid_argument) {
            value = 0.0;  // "0x" alone: atof reads the 0
        }
    } else {
        auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value,
                                      std::chars_format::general);
        if (result.ec == std::errc::result_out_of_range) {
            // Keep atof's answer: huge values overflow to infinity, tiny ones to zero.
            std::string_view parsed =
                rest.substr(0, static_cast<std::size_t>(result.ptr - rest.data()));
            std::size_t e = parsed.find_first_of("eE");
            bool tiny =
                e != std::string_view::npos && e + 1 < parsed.size() && parsed[e + 1] == '-';
            value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        } else if (result.ec != std::errc()) {
            value = 0.0;
        }
    }
    return negative ? -value : value;
}

std::string formatFixed(double value, int decimals) {
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) {
        return "0";
    }
    return std::string(buffer, result.ptr);
}

std::string formatInt(long long value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
    }
    return digits;
}

std::string formatGeneral15(double value) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (result.ec != std::errc()) {
        return "0";
    }
    return std::string(buffer, result.ptr);
}

std::string trim(std::string_view text) {
    std::size_t begin = skipSpace(text);
    std::size_t end = text.size();
    while (end > begin && isCSpace(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace radio
