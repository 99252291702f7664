#include "gui/image/CProgramDoc.h"

#include <QFileInfo>

#include "core/channels/ChannelCodec.h"
#include "core/image/DatFile.h"
#include "core/image/NewImage.h"
#include "gui/image/EditStep.h"

namespace radio {
namespace gui {

namespace {

// A step keeps only the bytes it changed; this many are plenty for a long day of edits.
constexpr int kHistorySteps = 1000;

}  // namespace

CProgramDoc::CProgramDoc() {
    history_.setUndoLimit(kHistorySteps);
    connect(&history_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

// The history clears itself as it goes; no window may hear of that from a document that is gone.
CProgramDoc::~CProgramDoc() {
    history_.blockSignals(true);
}

void CProgramDoc::initNew(const QString& title, const QString& appName) {
    image_ = newDocumentImage();
    title_ = title;
    path_ = appName;
    hasFile_ = false;
    history_.clear();
    emit titleChanged(title_);
    emit imageChanged();
}

QString CProgramDoc::proposedFileName() const {
    if (hasFile_) {
        return path_;
    }
    const QString base = path_.isEmpty() ? title_.section(' ', 0, 0) : path_;
    return base + ".dat";
}

Status<FileError> CProgramDoc::load(const QString& path) {
    auto loaded = loadDatFile(path.toStdString());
    if (!loaded) {
        return Status<FileError>::failure(loaded.error());
    }
    image_ = loaded.value();
    history_.clear();  // the steps led to another image
    attachFile(path);
    emit imageChanged();
    return {};
}

void CProgramDoc::attachFile(const QString& path) {
    path_ = path;
    hasFile_ = true;
    title_ = QFileInfo(path).fileName();
    setModified(false);
    emit titleChanged(title_);
}

MemoryImage CProgramDoc::storedImage() const {
    // Channels go out as the grid has always written them (every channel low power, the scan
    // bits of empty channels cleared), whichever way their bytes came in.
    MemoryImage stored = image_;
    encodeChannels(stored, decodeChannels(stored, Language::English));
    return stored;
}

Status<FileError> CProgramDoc::saveTo(const QString& path) {
    auto saved = saveDatFile(path.toStdString(), storedImage());
    if (!saved) {
        return saved;
    }
    attachFile(path);
    return {};
}

void CProgramDoc::setModified(bool modified) {
    if (modified) {
        history_.resetClean();
    } else {
        history_.setClean();
    }
}

bool CProgramDoc::change(const QString& name, const std::function<void()>& change) {
    const MemoryImage before = image_;
    change();
    auto step = std::make_unique<EditStep>(*this, name, before, image_);
    if (step->changesNothing()) {
        return false;
    }
    history_.push(step.release());
    emit imageChanged();
    return true;
}

void CProgramDoc::replaceImage(const MemoryImage& image) {
    image_ = image;
    emit imageChanged();
}

}  // namespace gui
}  // namespace radio
