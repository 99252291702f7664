#pragma once

#include <QCoreApplication>
#include <QList>
#include <functional>

#include "core/channels/ChannelFields.h"
#include "core/image/MemoryImage.h"

namespace radio {
namespace gui {

class CProgramApp;
class CProgramView;

// The spreadsheet commands of a channel table. Copy puts the selected cells on the clipboard as
// tab-separated text of the visible columns (what a spreadsheet pastes) and, for whole channels,
// their records byte for byte; paste takes either, checked as typing is, all or nothing. Clear
// empties the selected channels or cells; channels are inserted, deleted and moved with their
// scan membership. Each command commits the open editor first and is one step of the history.
class ChannelEditing {
    Q_DECLARE_TR_FUNCTIONS(ChannelEditing)
  public:
    ChannelEditing(CProgramApp& app, CProgramView& view);

    void copy();
    void cut();
    void paste();
    void clear();
    void insertChannels();
    void deleteChannels();
    void moveChannels(int by);
    // After a command: with one cell selected, its editor opens again for typing.
    void reopenEditor();

  private:
    struct Block {
        int firstChannel = 0, lastChannel = 0;
        int firstColumn = 0, lastColumn = 0;  // model columns
    };
    // The rectangle around the selected cells; the current cell when nothing is selected.
    Block selectedBlock() const;
    bool wholeChannels(const Block& block) const;
    // The selected channels as one run: the first and how many.
    std::pair<int, int> channelRun() const;
    bool change(const QString& name, const std::function<bool(MemoryImage&)>& edit);
    void selectChannels(int first, int count);
    void refuse(const QString& text);
    bool pasteText(const QString& text);
    void fillCells(const QString& value);
    // The fields that differ between the two tables, one Paste step.
    bool storePasted(const ChannelTable& before, const ChannelTable& after);

    CProgramApp& app_;
    CProgramView& view_;
};

}  // namespace gui
}  // namespace radio
