#pragma once

#include <QDialog>

#include "gui/app/UserPrompts.h"
#include "gui/image/CProgramDoc.h"
#include "gui/image/ImageChange.h"

namespace radio {
namespace gui {

// Shows a settings page loaded from the document's image; OK stores the page's own fields
// into the image as it is then (a radio read may have finished meanwhile) and marks the
// document modified when a byte changed. True when the page was accepted.
template <typename Page>
bool runSettingsPage(UserPrompts& prompts, Page& page, CProgramDoc& document) {
    page.load(document.image());
    if (prompts.runDialog(page) != QDialog::Accepted) {
        return false;
    }
    changeImage(document, [&page](MemoryImage& image) { page.store(image); });
    return true;
}

// Shows a loaded service page that stores itself whatever closed it, the same way.
template <typename Page>
void runStoringPage(UserPrompts& prompts, Page& page, CProgramDoc& document) {
    prompts.runDialog(page);
    changeImage(document, [&page](MemoryImage& image) { page.store(image); });
}

}  // namespace gui
}  // namespace radio
