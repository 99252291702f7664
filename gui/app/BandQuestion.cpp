#include "gui/app/BandQuestion.h"

#include <vector>

#include "core/channels/BandCheck.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/UserPrompts.h"

namespace radio {
namespace gui {

bool goOnWithChannelsOutsideBand(CProgramApp& app, QWidget* parent, const MemoryImage& image,
                                 BandLimits band, const QString& question) {
    const std::vector<int> outside = channelsOutsideBand(image, band);
    if (outside.empty()) {
        return true;
    }
    const QString text =
        QString::fromStdString(outsideBandMessage(outside, band, app.language())) + '\n' + question;
    return app.prompts().message(parent, QMessageBox::Question, app.settings().displayName, text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace gui
}  // namespace radio
