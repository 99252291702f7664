#pragma once

#include <QTableView>
#include <functional>

#include "core/channels/Frequency.h"

namespace radio {
namespace gui {

class ChannelDelegate;
class ChannelTableModel;

// The channel table as the user works it: the current cell always has its editor open (an
// edit box or a drop-down list), and a typed text reaches the document only when the user
// leaves the cell by Enter, Tab, an arrow or a click, or when a command needs the document as
// the user sees it (CommitCellEdit). A refused frequency keeps the cell current with its editor
// open. Channels are selected by their numbers, blocks of cells by Shift or Ctrl; with several
// channels selected no editor is open until Enter, F2 or typing opens the current cell's, and a
// list value chosen then goes to every selected channel. Scrolling closes the editor without
// committing it; Escape puts the cell's text back.
class ChannelTableView : public QTableView {
    Q_OBJECT
  public:
    using RefusalReport = std::function<void(FrequencyCheck)>;

    ChannelTableView(ChannelTableModel& model, ChannelDelegate& delegate, RefusalReport report,
                     QWidget* parent = nullptr);

    ChannelTableModel& channelModel() const { return model_; }
    ChannelDelegate& channelDelegate() const { return delegate_; }

    // Opens the current cell's editor with the cell's text.
    void ShowCellEditor();
    // Moves the open editor's text into its cell, with the frequency checks; an editor the user
    // did not change commits nothing. False when a check refused the text: its message was
    // shown and the cell is current again with its editor open.
    bool CommitCellEdit();
    // Closes the open editor without committing it.
    void HideCellEditors();

    // The channels (1..16) the selection touches; the current one when nothing is selected.
    QList<int> selectedChannels() const;
    // Makes a cell current and selects only it, after committing the open editor; false when
    // the commit was refused.
    bool moveTo(const QModelIndex& index);

    // The column widths from the default width w: 0.5 w for the numbers, 1.2 w for the
    // frequencies, 1.1 w for the tones, 0.9 w for the flags, w for the scrambler.
    void applyColumnWidths();
    // The whole table without scroll bars.
    QSize fullSize() const;

  signals:
    void helpRequested(QObject* focused);
    void accessCodeRequested();

  protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool editorKey(QWidget* editor, QKeyEvent& key);
    bool editorShortcut(const QKeyEvent& key) const;
    void moveAfterEnter();
    void extendChannelSelection(int step);
    bool commonKey(QObject* watched, const QKeyEvent& key);

    ChannelTableModel& model_;
    ChannelDelegate& delegate_;
    RefusalReport report_;
    QString cornerText_;
    int anchorRow_ = -1;  // where Shift+Up/Down started
};

}  // namespace gui
}  // namespace radio
