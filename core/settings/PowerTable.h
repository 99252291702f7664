#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/channels/Frequency.h"
#include "core/image/MemoryImage.h"

namespace radio {

// One row of the power table: low-power and high-power cell texts.
using PowerRow = std::array<std::string, 2>;

enum class PowerColumn { Low, High };

// The band's frequency points in whole MHz: the lower limit, then every multiple of 10 up
// to the upper limit, without a final multiple of 10. The image holds 8 rows, so only the
// first 8 points are returned.
std::vector<int> powerPoints(BandLimits limits);

// The cell texts of the first rowCount rows (at most 8).
std::vector<PowerRow> decodePowerTable(const MemoryImage& image, int rowCount);
// Stores the low 8 bits of each cell's leading integer, row-major; rows past 8 are ignored.
void encodePowerTable(MemoryImage& image, const std::vector<PowerRow>& rows);

// A value outside the range, below it as well as above, becomes the maximum.
int clampLowPower(int value);
int clampHighPower(int value);
// The text a cell receives when its editor closes.
std::string commitPowerText(PowerColumn column, std::string_view typed);

}  // namespace radio
