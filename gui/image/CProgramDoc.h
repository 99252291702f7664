#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>

#include "core/image/MemoryImage.h"
#include "core/util/FileError.h"
#include "core/util/Result.h"
#include "gui/image/DocumentState.h"

namespace radio {
namespace gui {

// One open memory image: a new document or a .dat file. Every change is a step of its
// history, which undo and redo walk; the document is modified exactly when it stands at
// another step than the one last loaded or saved, so leaving the program never throws edits
// away unasked, and undoing back to the saved state asks nothing.
class CProgramDoc : public QObject {
    Q_OBJECT
  public:
    CProgramDoc();
    ~CProgramDoc() override;

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

    bool isModified() const { return !history_.isClean(); }
    // Marks the current step as the saved one, or leaves it.
    void setModified(bool modified);

    QUndoStack& history() { return history_; }
    // Runs a change and, when the document's state differs afterwards, keeps it as one step
    // of the history under the given name. True when it did.
    bool change(const QString& name, const std::function<void()>& change);
    DocumentState state() const;
    // Puts a state of the history back: the image here, the channels in the view.
    void restore(const DocumentState& state);

    // The view's side of the document's state.
    struct ViewHooks {
        std::function<void()> store;  // the grid into the image, before every save
        std::function<ChannelTable()> channels;
        std::function<void(const DocumentState&)> show;
    };
    void setViewHooks(ViewHooks hooks) { hooks_ = std::move(hooks); }
    void store() const {
        if (hooks_.store) {
            hooks_.store();
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
    QUndoStack history_;
    ViewHooks hooks_;
};

}  // namespace gui
}  // namespace radio
