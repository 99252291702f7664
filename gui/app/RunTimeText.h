#pragma once

#include <QString>

#include "core/text/Texts.h"

namespace radio {
namespace gui {

// A text of core's bilingual table, for the interface.
inline QString uiText(TextId id, Language language) {
    const std::string_view t = text(id, language);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

}  // namespace gui
}  // namespace radio
