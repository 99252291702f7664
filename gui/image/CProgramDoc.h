#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>

#include "core/image/MemoryImage.h"
#include "core/util/FileError.h"
#include "core/util/Result.h"

namespace radio {
namespace gui {

// One open memory image: a new document or a .dat file. The image is the one copy of the
// document's data; every view shows it and every change goes through change(), which keeps it
// as a step of the history that undo and redo walk. The document is modified exactly when it
// stands at another step than the one last loaded or saved, so leaving the program never throws
// edits away unasked, and undoing back to the saved state asks nothing.
class CProgramDoc : public QObject {
    Q_OBJECT
  public:
    CProgramDoc();
    ~CProgramDoc() override;

    // A new document: the defaults, the given title, and the file name its first Save proposes.
    void initNew(const QString& title, const QString& appName);
    // Loads a .dat file; on failure the document is unchanged.
    Status<FileError> load(const QString& path);
    // Writes storedImage() to the file.
    Status<FileError> saveTo(const QString& path);

    const MemoryImage& image() const { return image_; }
    // Only for the function given to change(): edits elsewhere would bypass the history.
    MemoryImage& image() { return image_; }
    // The image as a file or a radio gets it: every channel written the way the grid writes one.
    MemoryImage storedImage() const;

    QString title() const { return title_; }
    QString path() const { return path_; }
    bool hasFile() const { return hasFile_; }
    QString proposedFileName() const;

    bool isModified() const { return !history_.isClean(); }
    // Marks the current step as the saved one, or leaves it.
    void setModified(bool modified);

    QUndoStack& history() { return history_; }
    // Runs a change of the image and, when a byte differs afterwards, keeps it as one step of
    // the history under the given name. True when it did.
    bool change(const QString& name, const std::function<void()>& change);
    // Puts an image of the history back (undo and redo).
    void replaceImage(const MemoryImage& image);

  signals:
    // After every change of the image, by an edit, undo, redo, a load or a radio read.
    void imageChanged();
    void modifiedChanged(bool modified);
    void titleChanged(const QString& title);

  private:
    // The document now is this file, as it stands on disk.
    void attachFile(const QString& path);

    MemoryImage image_;
    QString title_;
    QString path_;
    bool hasFile_ = false;
    QUndoStack history_;
};

}  // namespace gui
}  // namespace radio
