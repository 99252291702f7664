#include "gui/image/CProgramDoc.h"

#include <QFileInfo>

#include "core/image/DatFile.h"
#include "core/image/NewImage.h"

namespace radio {
namespace gui {

void CProgramDoc::initNew(const QString& title, const QString& appName) {
    image_ = newDocumentImage();
    title_ = title;
    path_ = appName;
    hasFile_ = false;
    setModified(false);
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
    if (modified_ != modified) {
        modified_ = modified;
        emit modifiedChanged(modified_);
    }
}

}  // namespace gui
}  // namespace radio
