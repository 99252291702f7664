#include "core/channels/DecimalScaling.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "core/util/CRuntimeText.h"

namespace radio {

namespace {

constexpr int kSignificantDigits = 15;
// More integer digits than this cannot fit in an int32.
constexpr int kMaxIntegerDigits = 10;

std::int32_t saturated(bool negative) {
    return negative ? std::numeric_limits<std::int32_t>::min()
                    : std::numeric_limits<std::int32_t>::max();
}

// Decimal digits (most significant first) times a small factor, exactly.
std::string multiplyDigits(const std::string& digits, std::uint64_t factor) {
    std::string reversed;
    std::uint64_t carry = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        carry += static_cast<std::uint64_t>(*it - '0') * factor;
        reversed += static_cast<char>('0' + carry % 10);
        carry /= 10;
    }
    for (; carry > 0; carry /= 10) {
        reversed += static_cast<char>('0' + carry % 10);
    }
    const std::size_t top = reversed.find_last_not_of('0');
    if (top == std::string::npos) {
        return {};
    }
    return std::string(reversed.rend() - static_cast<std::ptrdiff_t>(top) - 1, reversed.rend());
}

}  // namespace

std::int32_t scaleDecimal(std::string_view text, int factor) {
    return scaleDecimal(leadingDouble(text), factor);
}

std::int32_t scaleDecimal(double value, int factor) {
    if (std::isnan(value) || factor == 0 || value == 0.0) {
        return 0;
    }
    const bool negative = std::signbit(value) != (factor < 0);
    if (std::isinf(value)) {
        return saturated(negative);
    }

    // |value| as d.dddddddddddddde±x: the nearest decimal of 15 significant digits.
    char buffer[48];
    const auto printed = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(printed.ptr - buffer));
    const std::size_t e = scientific.find('e');
    std::string digits(1, scientific[0]);
    digits += scientific.substr(2, e - 2);
    const int exponent = leadingInt(scientific.substr(e + 1));

    // value = digits x 10^(exponent - 14); the product keeps that scale.
    const std::string product = multiplyDigits(
        digits, static_cast<std::uint64_t>(std::llabs(static_cast<long long>(factor))));
    const long long integerDigits =
        static_cast<long long>(product.size()) + exponent - (kSignificantDigits - 1);
    if (product.empty() || integerDigits <= 0) {
        return 0;
    }
    if (integerDigits > kMaxIntegerDigits) {
        return saturated(negative);
    }
    long long magnitude = 0;
    for (long long i = 0; i < integerDigits; ++i) {
        const std::size_t index = static_cast<std::size_t>(i);
        magnitude = magnitude * 10 + (index < product.size() ? product[index] - '0' : 0);
    }
    if (negative) {
        return magnitude > -static_cast<long long>(std::numeric_limits<std::int32_t>::min())
                   ? saturated(true)
                   : static_cast<std::int32_t>(-magnitude);
    }
    return magnitude > std::numeric_limits<std::int32_t>::max()
               ? saturated(false)
               : static_cast<std::int32_t>(magnitude);
}

}  // namespace radio
