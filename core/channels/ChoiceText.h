#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/channels/ChannelFields.h"
#include "core/text/Language.h"

namespace radio {

// The item of a field's drop-down list that a user's text names, as the list shows it in the
// given language. Texts of either language match with case ignored; a tone may also be written
// as spreadsheets write numbers, whole ("67" is 67.0) or with a decimal comma ("67,0").
// nullopt when the text names no item, and for the typed frequency fields.
std::optional<std::string> choiceNamed(ChannelField field, std::string_view text,
                                       Language language);

}  // namespace radio
