#include "gui/channels/ChannelListFiles.h"

#include <QFile>
#include <QFileInfo>

#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelCsv.h"
#include "core/util/FileIo.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/CProgramView.h"
#include "gui/image/CProgramDoc.h"

namespace radio {
namespace gui {

namespace {

constexpr std::size_t kLargestList = 1 << 20;  // a channel list is a few kilobytes

std::string nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString proposedName(const CProgramDoc& document) {
    QString name = document.proposedFileName();
    name.chop(QFileInfo(name).suffix().size());
    return name + (name.endsWith('.') ? "csv" : ".csv");
}

}  // namespace

void ChannelListFiles::exportTo(CProgramApp& app, CProgramView& view) {
    QString path =
        app.prompts().saveFileName(app.mainFrame(), tr("Export Channels"),
                                   proposedName(view.document()), tr("Channel Lists (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += ".csv";
    }
    // Through a copy of the image, so the file has English texts whatever the grid shows.
    MemoryImage shown = view.document().image();
    encodeChannels(shown, view.gridTexts());
    const std::string csv = exportChannelsCsv(shown);
    if (auto written = writeFileAtomically(nativePath(path), Bytes(csv.begin(), csv.end()));
        !written) {
        app.message(QString::fromStdString(written.error().message(app.language())));
    }
}

void ChannelListFiles::importFrom(CProgramApp& app, CProgramView& view) {
    const QString path = app.prompts().openFileName(app.mainFrame(), tr("Import Channels"),
                                                    tr("Channel Lists (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    const auto read = readFileBytes(nativePath(path), kLargestList);
    if (!read) {
        app.message(QString::fromStdString(read.error().message(app.language())));
        return;
    }
    const std::string text(read.value().begin(), read.value().end());
    const auto imported = importChannelsCsv(text, view.gridTexts(), view.bandLimits(),
                                            ImportMode::Replace, app.language());
    if (!imported) {
        app.message(tr("%1 was not imported:").arg(QFileInfo(path).fileName()) + "\n\n" +
                    QString::fromStdString(describeProblems(imported.error())).trimmed());
        return;
    }
    view.showChannels(imported.value());
}

}  // namespace gui
}  // namespace radio
