#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/image/MemoryImage.h"
#include "core/text/Language.h"

namespace radio {

constexpr int kParamRows = 5;

// Cell texts per row (0-based: row 0 is "Audio inpput"): compander off, compander on.
using ParamCells = std::array<std::array<std::string, 2>, kParamRows>;

struct ParamAdjustValues {
    ParamCells cells;
    bool deEmphasis = false;
    bool preEmphasis = false;
    friend bool operator==(const ParamAdjustValues&, const ParamAdjustValues&) = default;
};

// The editor kind of a row: a 0..7 list, a 1..7 list, or the 0..255 edit box.
enum class ParamEditor { ZeroToSeven, OneToSeven, Limit };
ParamEditor paramEditor(int row);

// The entries of a list editor; empty for the edit box.
std::vector<std::string> paramEditorList(ParamEditor editor);
std::vector<std::string> paramRowLabels(Language language);

// The value a stored byte is shown as: out-of-range levels show 0 (0..7 rows) or 1 (1..7).
int paramDisplayValue(int row, int stored);
// The text a cell receives when its editor closes: a replacement when out of range,
// otherwise exactly the text typed.
std::string commitParamText(ParamEditor editor, std::string_view typed);

ParamAdjustValues decodeParamAdjust(const MemoryImage& image);
// Stores the low 8 bits of each cell's leading integer; byte 986 keeps its other bits.
void encodeParamAdjust(MemoryImage& image, const ParamAdjustValues& values);

}  // namespace radio
