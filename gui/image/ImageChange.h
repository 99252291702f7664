#pragma once

#include <utility>

#include "core/image/MemoryImage.h"
#include "gui/image/CProgramDoc.h"

namespace radio {
namespace gui {

// Runs a change on a document's image and marks the document modified when any byte changed;
// true when one did.
template <typename Change>
bool changeImage(CProgramDoc& document, Change&& change) {
    const MemoryImage before = document.image();
    std::forward<Change>(change)(document.image());
    if (document.image() == before) {
        return false;
    }
    document.setModified(true);
    return true;
}

}  // namespace gui
}  // namespace radio
