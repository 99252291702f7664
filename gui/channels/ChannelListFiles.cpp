#include "gui/channels/ChannelListFiles.h"

#include <QFileInfo>
#include <algorithm>

#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelCsv.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/CProgramView.h"
#include "gui/image/CProgramDoc.h"
#include "qtshared/TextFiles.h"

namespace radio {
namespace gui {

void ChannelListFiles::exportTo(CProgramApp& app, CProgramView& view) {
    const QString path = app.prompts().saveFileNameWithSuffix(
        app.mainFrame(), tr("Export Channels"), view.document().proposedFileName(),
        tr("Channel Lists (*.csv)"), "csv");
    if (path.isEmpty()) {
        return;
    }
    // Through a copy of the image, so the file has English texts whatever the grid shows.
    const std::string csv = exportChannelsCsv(view.document().storedImage());
    if (auto written = writeTextFile(path, csv); !written) {
        app.message(QString::fromStdString(written.error().message(app.language())));
    }
}

void ChannelListFiles::importFrom(CProgramApp& app, CProgramView& view) {
    const QString path = app.prompts().openFileName(app.mainFrame(), tr("Import Channels"),
                                                    tr("Channel Lists (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    const auto read = readTextFile(path);
    if (!read) {
        app.message(QString::fromStdString(read.error().message(app.language())));
        return;
    }
    const std::string& text = read.value();
    const auto imported = importChannelsCsv(text, view.channelTexts(), view.bandLimits(),
                                            ImportMode::Replace, app.language());
    if (!imported) {
        // A stray file could have hundreds of thousands of problems; the box lists the first.
        const QString text =
            tr("%1 was not imported:").arg(QFileInfo(path).fileName()) + "\n\n" +
            QString::fromStdString(describeProblems(imported.error(), app.language())).trimmed();
        app.message(text);
        return;
    }
    view.document().change(tr("Import Channels"),
                           [&] { encodeChannels(view.document().image(), imported.value()); });
}

}  // namespace gui
}  // namespace radio
