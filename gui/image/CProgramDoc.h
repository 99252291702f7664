#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "core/image/MemoryImage.h"
#include "core/util/FileError.h"
#include "core/util/Result.h"

namespace radio {
namespace gui {

// One open memory image: a new document or a .dat file. Tracks whether it holds changes that
// are not saved yet, so that leaving the program never throws edits away unasked.
class CProgramDoc : public QObject {
    Q_OBJECT
  public:
    CProgramDoc() = default;

    // A new document: the defaults, the given title, and the file name its first Save proposes.
    void initNew(const QString& title, const QString& appName);
    // Loads a .dat file; on failure the document is unchanged.
    Status<FileError> load(const QString& path);
    // Runs the store hook (the grid writes itself into the image), then writes the file.
    Status<FileError> saveTo(const QString& path);

    MemoryImage& image() { return image_; }
    const MemoryImage& image() const { return image_; }

    QString title() const { return title_; }
    QString path() const { return path_; }
    bool hasFile() const { return hasFile_; }
    QString proposedFileName() const;

    bool isModified() const { return modified_; }
    void setModified(bool modified);

    // Called before every save, so the image holds what the user sees.
    void setStoreHook(std::function<void()> hook) { storeHook_ = std::move(hook); }
    void store() const {
        if (storeHook_) {
            storeHook_();
        }
    }

  signals:
    void modifiedChanged(bool modified);
    void titleChanged(const QString& title);

  private:
    // The document now is this file, as it stands on disk.
    void attachFile(const QString& path);

    MemoryImage image_;
    QString title_;
    QString path_;
    bool hasFile_ = false;
    bool modified_ = false;
    std::function<void()> storeHook_;
};

}  // namespace gui
}  // namespace radio
