#include "gui/image/CProgramDoc.h"

#include <QFileInfo>

#include "core/image/DatFile.h"
#include "core/image/NewImage.h"
#include "gui/image/EditStep.h"

namespace radio {
namespace gui {

namespace {

// A step keeps two whole states, some kilobytes: a long day of edits stays small.
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
    return {};
}

void CProgramDoc::attachFile(const QString& path) {
    path_ = path;
    hasFile_ = true;
    title_ = QFileInfo(path).fileName();
    setModified(false);
    emit titleChanged(title_);
}

Status<FileError> CProgramDoc::saveTo(const QString& path) {
    store();
    auto saved = saveDatFile(path.toStdString(), image_);
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

DocumentState CProgramDoc::state() const {
    return {image_, hooks_.channels ? hooks_.channels() : ChannelTable{}};
}

bool CProgramDoc::change(const QString& name, const std::function<void()>& change) {
    DocumentState before = state();
    change();
    DocumentState after = state();
    if (after == before) {
        return false;
    }
    history_.push(new EditStep(*this, name, std::move(before), std::move(after)));
    return true;
}

void CProgramDoc::restore(const DocumentState& state) {
    image_ = state.image;
    if (hooks_.show) {
        hooks_.show(state);
    }
}

}  // namespace gui
}  // namespace radio
