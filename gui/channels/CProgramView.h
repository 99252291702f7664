#pragma once

#include <QWidget>

namespace radio {
namespace gui {

class CProgramApp;
class CProgramDoc;

// The view of a document window: the channel grid of its memory image.
class CProgramView : public QWidget {
    Q_OBJECT
public:
    CProgramView(CProgramApp& app, CProgramDoc& document, QWidget* parent = nullptr);

    CProgramDoc& document() { return document_; }

    // First showing of the document: one-time setup, then LoadChannels.
    void initialUpdate();
    void LoadChannels();
    void StoreChannels();
    // Moves a pending in-cell edit into the grid.
    void CommitCellEdit();
    // Asked before the window is destroyed or the program ends; false keeps it.
    bool prepareToClose();

    // Commands the view handles; false when the command is not its own.
    bool onCommand(int id);

private:
    CProgramApp& app_;
    CProgramDoc& document_;
};

}  // namespace gui
}  // namespace radio
