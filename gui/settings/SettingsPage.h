#pragma once

#include <QDialog>

#include "gui/app/UserPrompts.h"
#include "gui/image/CProgramDoc.h"
#include "gui/image/ImageChange.h"

namespace radio {
namespace gui {

// Shows a settings page on a copy of the document's image; OK puts the copy in place and
// marks the document modified when that changed a byte. True when the page was accepted.
template <typename Page>
bool runSettingsPage(UserPrompts& prompts, Page& page, CProgramDoc& document) {
    page.load(document.image());
    if (prompts.runDialog(page) != QDialog::Accepted) {
        return false;
    }
    changeImage(document, [&page](MemoryImage& image) { image = page.image(); });
    return true;
}

// Shows a loaded service page that stores itself whatever closed it, and puts its image
// copy in place the same way.
template <typename Page>
void runStoringPage(UserPrompts& prompts, Page& page, CProgramDoc& document) {
    prompts.runDialog(page);
    changeImage(document, [&page](MemoryImage& image) { image = page.image(); });
}

}  // namespace gui
}  // namespace radio
