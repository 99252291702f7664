#include "core/channels/ChoiceText.h"

#include <vector>

#include "core/util/CRuntimeText.h"
#include "core/util/NumberText.h"

namespace radio {
namespace {

std::optional<std::size_t> choiceIndex(ChannelField field, std::string_view text) {
    for (const Language language : {Language::English, Language::Chinese}) {
        const std::vector<std::string> choices = fieldChoices(field, language);
        for (std::size_t i = 0; i < choices.size(); ++i) {
            if (equalsNoCase(choices[i], text)) {
                return i;
            }
        }
    }
    return std::nullopt;
}

// The list writes every CTCSS tone with one decimal; a spreadsheet drops a ".0" and may write
// the point as a comma.
std::string asToneText(std::string_view text) {
    const std::string pointed = withDecimalPoint(text);
    const std::optional<int> whole = parseIntegerText(pointed);
    return whole ? formatFixed(*whole, 1) : pointed;
}

}  // namespace

std::optional<std::string> choiceNamed(ChannelField field, std::string_view text,
                                       Language language) {
    const bool tone = field == ChannelField::DecodeTone || field == ChannelField::EncodeTone;
    const std::string named = tone ? asToneText(text) : std::string(text);
    const std::optional<std::size_t> index = choiceIndex(field, named);
    if (!index) {
        return std::nullopt;
    }
    return fieldChoices(field, language)[*index];
}

}  // namespace radio
