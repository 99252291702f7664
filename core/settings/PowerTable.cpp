#include "core/settings/PowerTable.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/image/ImageMap.h"
#include "core/util/CRuntimeText.h"

namespace radio {
namespace {

constexpr int kLowPowerMin = 5;
constexpr int kLowPowerMax = 155;
constexpr int kHighPowerMin = 100;
constexpr int kHighPowerMax = 250;
constexpr int kPointRaster = 10;  // MHz

std::size_t cellOffset(std::size_t row, std::size_t column) {
    return map::kPowerTable + row * 2 + column;
}

std::size_t shownRows(std::size_t rowCount) {
    return std::min(rowCount, static_cast<std::size_t>(map::kPowerTableRows));
}

}  // namespace

std::vector<int> powerPoints(BandLimits limits) {
    const int lower = std::max(0, limits.lower / kFrequencyPerMHz);
    const int upper = std::max(0, limits.upper / kFrequencyPerMHz);
    std::vector<int> points{lower};
    for (int a = lower; a < upper;) {
        a = std::min(a + (kPointRaster - a % kPointRaster), upper);
        points.push_back(a);
    }
    if (points.back() % kPointRaster == 0) {
        points.pop_back();
    }
    points.resize(shownRows(points.size()));
    return points;
}

std::vector<PowerRow> decodePowerTable(const MemoryImage& image, int rowCount) {
    std::vector<PowerRow> rows(shownRows(static_cast<std::size_t>(std::max(rowCount, 0))));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < 2; ++c) {
            rows[r][c] = formatInt(image[cellOffset(r, c)]);
        }
    }
    return rows;
}

void encodePowerTable(MemoryImage& image, const std::vector<PowerRow>& rows) {
    for (std::size_t r = 0; r < shownRows(rows.size()); ++r) {
        for (std::size_t c = 0; c < 2; ++c) {
            image.set(cellOffset(r, c), static_cast<std::uint8_t>(leadingInt(rows[r][c])));
        }
    }
}

int clampLowPower(int value) {
    return value > kLowPowerMax || value < kLowPowerMin ? kLowPowerMax : value;
}

int clampHighPower(int value) {
    return value > kHighPowerMax || value < kHighPowerMin ? kHighPowerMax : value;
}

std::string commitPowerText(PowerColumn column, std::string_view typed) {
    const int value = leadingInt(typed);
    return formatInt(column == PowerColumn::Low ? clampLowPower(value) : clampHighPower(value));
}

}  // namespace radio
