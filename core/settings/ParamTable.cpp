#include "core/settings/ParamTable.h"

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/image/ImageMap.h"
#include "core/text/Texts.h"
#include "core/util/CRuntimeText.h"

namespace radio {
namespace {

constexpr int kLevelMax = 7;
constexpr int kLimitMax = 255;
constexpr std::uint8_t kDeEmphasisBit = 0x01;
constexpr std::uint8_t kPreEmphasisBit = 0x02;

std::size_t cellOffset(std::size_t row, std::size_t column) {
    return map::kParamAdjust + row * 2 + column;
}

struct Range {
    int min;
    int max;
    const char* replacement;
};

Range editorRange(ParamEditor editor) {
    switch (editor) {
        case ParamEditor::ZeroToSeven:
            return {0, kLevelMax, "0"};
        case ParamEditor::OneToSeven:
            return {1, kLevelMax, "1"};
        case ParamEditor::Limit:
            break;
    }
    return {0, kLimitMax, "0"};
}

}  // namespace

ParamEditor paramEditor(int row) {
    switch (row) {
        case 0:
        case 2:
            return ParamEditor::ZeroToSeven;
        case 1:
        case 3:
            return ParamEditor::OneToSeven;
        default:
            return ParamEditor::Limit;
    }
}

std::vector<std::string> paramEditorList(ParamEditor editor) {
    if (editor == ParamEditor::Limit) {
        return {};
    }
    std::vector<std::string> list;
    for (int i = editorRange(editor).min; i <= kLevelMax; ++i) {
        list.push_back(formatInt(i));
    }
    return list;
}

std::vector<std::string> paramRowLabels(Language language) {
    std::vector<std::string> labels;
    for (const TextId id : {TextId::ParamAudioInput, TextId::ParamAudioOutput,
                            TextId::ParamMicOutput, TextId::ParamModOutput, TextId::ParamLimit}) {
        labels.emplace_back(text(id, language));
    }
    return labels;
}

int paramDisplayValue(int row, int stored) {
    switch (paramEditor(row)) {
        case ParamEditor::ZeroToSeven:
            return stored > kLevelMax ? 0 : stored;
        case ParamEditor::OneToSeven:
            return stored > kLevelMax || stored < 1 ? 1 : stored;
        case ParamEditor::Limit:
            break;
    }
    return stored;
}

std::string commitParamText(ParamEditor editor, std::string_view typed) {
    const Range range = editorRange(editor);
    const std::optional<int> value = scanInt(typed);
    if (!value || *value < range.min || *value > range.max) {
        return range.replacement;
    }
    return std::string(typed);
}

ParamAdjustValues decodeParamAdjust(const MemoryImage& image) {
    ParamAdjustValues v;
    for (std::size_t r = 0; r < v.cells.size(); ++r) {
        for (std::size_t c = 0; c < 2; ++c) {
            const int shown = paramDisplayValue(static_cast<int>(r), image[cellOffset(r, c)]);
            v.cells[r][c] = formatInt(shown);
        }
    }
    v.deEmphasis = (image[map::kEmphasis] & kDeEmphasisBit) != 0;
    v.preEmphasis = (image[map::kEmphasis] & kPreEmphasisBit) != 0;
    return v;
}

void encodeParamAdjust(MemoryImage& image, const ParamAdjustValues& v) {
    for (std::size_t r = 0; r < v.cells.size(); ++r) {
        for (std::size_t c = 0; c < 2; ++c) {
            image.set(cellOffset(r, c), static_cast<std::uint8_t>(leadingInt(v.cells[r][c])));
        }
    }
    image.setBits(map::kEmphasis, kDeEmphasisBit, v.deEmphasis ? kDeEmphasisBit : 0);
    image.setBits(map::kEmphasis, kPreEmphasisBit, v.preEmphasis ? kPreEmphasisBit : 0);
}

}  // namespace radio
