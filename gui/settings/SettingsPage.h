#pragma once

#include <QCoreApplication>
#include <QDialog>

#include "gui/app/UserPrompts.h"
#include "gui/image/CProgramDoc.h"

namespace radio {
namespace gui {

// The name of the step a page's OK makes: "Edit Optional Features".
inline QString pageStepName(const QDialog& page) {
    return QCoreApplication::translate("SettingsPage", "Edit %1").arg(page.windowTitle());
}

// Shows a settings page loaded from the document's image; OK stores the page's own fields
// into the image as it is then (a radio read may have finished meanwhile), one step of the
// document's history when a byte changed. True when the page was accepted.
template <typename Page>
bool runSettingsPage(UserPrompts& prompts, Page& page, CProgramDoc& document) {
    page.load(document.image());
    if (prompts.runDialog(page) != QDialog::Accepted) {
        return false;
    }
    document.change(pageStepName(page), [&] { page.store(document.image()); });
    return true;
}

// Shows a loaded service page that stores itself whatever closed it, the same way.
template <typename Page>
void runStoringPage(UserPrompts& prompts, Page& page, CProgramDoc& document) {
    prompts.runDialog(page);
    document.change(pageStepName(page), [&] { page.store(document.image()); });
}

}  // namespace gui
}  // namespace radio
