#include "gui/channels/ChannelEditing.h"

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMimeData>
#include <algorithm>

#include "core/channels/CellEdit.h"
#include "core/channels/ChannelClipboard.h"
#include "core/channels/ChannelCodec.h"
#include "core/channels/ChannelOrder.h"
#include "core/channels/ChannelRecords.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/StringTable.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelDelegate.h"
#include "gui/channels/ChannelTableModel.h"
#include "gui/channels/ChannelTableView.h"
#include "gui/image/CProgramDoc.h"

namespace radio {
namespace gui {

namespace {

const QString kRecordsType = ChannelTableModel::kRecordsMimeType;
constexpr int kLastColumn = ChannelTableModel::kColumnCount - 1;

bool isRun(const QList<int>& channels) {
    return channels.back() - channels.front() + 1 == channels.size();
}

}  // namespace

ChannelEditing::ChannelEditing(CProgramApp& app, CProgramView& view) : app_(app), view_(view) {}

ChannelEditing::Block ChannelEditing::selectedBlock() const {
    const ChannelTableView& table = view_.table();
    QModelIndexList cells = table.selectionModel()->selectedIndexes();
    if (cells.isEmpty() && table.currentIndex().isValid()) {
        cells << table.currentIndex();
    }
    Block block{17, 0, kLastColumn + 1, -1};
    for (const QModelIndex& cell : cells) {
        block.firstChannel = std::min(block.firstChannel, cell.row() + 1);
        block.lastChannel = std::max(block.lastChannel, cell.row() + 1);
        block.firstColumn = std::min(block.firstColumn, cell.column());
        block.lastColumn = std::max(block.lastColumn, cell.column());
    }
    return block;
}

bool ChannelEditing::wholeChannels(const Block& block) const {
    return block.firstColumn == 0 && block.lastColumn == kLastColumn;
}

std::pair<int, int> ChannelEditing::channelRun() const {
    const QList<int> channels = view_.table().selectedChannels();
    if (channels.isEmpty()) {
        return {0, 0};
    }
    return {channels.front(), isRun(channels) ? int(channels.size()) : 1};
}

bool ChannelEditing::change(const QString& name, const std::function<bool(MemoryImage&)>& edit) {
    bool done = false;
    view_.document().change(name, [&] { done = edit(view_.document().image()); });
    return done;
}

void ChannelEditing::refuse(const QString& text) {
    app_.prompts().message(&view_, QMessageBox::Warning, StringTable::text(StringTable::Caution),
                           text, QMessageBox::Ok);
}

void ChannelEditing::selectChannels(int first, int count) {
    ChannelTableView& table = view_.table();
    ChannelTableModel& model = view_.model();
    const int column = std::max(table.currentIndex().column(), 0);
    table.selectionModel()->setCurrentIndex(model.index(first - 1, column),
                                            QItemSelectionModel::NoUpdate);
    const QItemSelection rows(model.index(first - 1, 0),
                              model.index(first + count - 2, kLastColumn));
    table.selectionModel()->select(rows,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ChannelEditing::reopenEditor() {
    // One cell selected: the user goes on typing there, as before the command.
    if (view_.table().selectionModel()->selectedIndexes().size() <= 1) {
        view_.table().ShowCellEditor();
    }
}

void ChannelEditing::copy() {
    if (!view_.CommitCellEdit()) {
        return;
    }
    const Block block = selectedBlock();
    if (block.lastChannel == 0) {
        return;
    }
    const std::string text = channelCellsText(
        view_.channelTexts(), block.firstChannel, block.lastChannel,
        static_cast<std::size_t>(block.firstColumn), static_cast<std::size_t>(block.lastColumn));
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromStdString(text));
    if (wholeChannels(block)) {
        const auto records =
            copyChannelRecords(view_.document().image(), block.firstChannel, block.lastChannel);
        data->setData(kRecordsType, QByteArray::fromStdString(serializeChannelRecords(records)));
    }
    QApplication::clipboard()->setMimeData(data.release());
}

void ChannelEditing::cut() {
    copy();
    clear();
}

void ChannelEditing::paste() {
    if (!view_.CommitCellEdit()) {
        return;
    }
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const Block block = selectedBlock();
    if (!data || block.lastChannel == 0) {
        return;
    }
    if (const auto records = parseChannelRecords(data->data(kRecordsType).toStdString())) {
        change(tr("Paste"), [&](MemoryImage& image) {
            pasteChannelRecords(image, block.firstChannel, *records);
            return true;
        });
        return;
    }
    QString text = data->text();
    while (text.endsWith('\n') || text.endsWith('\r')) {
        text.chop(1);
    }
    const bool oneValue = !text.contains('\t') && !text.contains('\n');
    const bool manyCells = view_.table().selectionModel()->selectedIndexes().size() > 1;
    if (oneValue && manyCells) {
        fillCells(text);
    } else if (!text.isEmpty()) {
        pasteText(data->text());
    }
}

bool ChannelEditing::pasteText(const QString& text) {
    const Block block = selectedBlock();
    const ChannelTable before = view_.channelTexts();
    const auto pasted = pasteChannelText(text.toStdString(), before, block.firstChannel,
                                         static_cast<std::size_t>(block.firstColumn),
                                         view_.bandLimits(), app_.language());
    if (!pasted) {
        refuse(QString::fromStdString(describePasteProblems(pasted.error(), app_.language())));
        return false;
    }
    return storePasted(before, pasted.value());
}

bool ChannelEditing::storePasted(const ChannelTable& before, const ChannelTable& after) {
    return change(tr("Paste"), [&](MemoryImage& image) {
        for (int channel = 1; channel <= map::kChannelCount; ++channel) {
            const auto at = static_cast<std::size_t>(channel - 1);
            encodeChangedFields(image, channel, before[at], after[at]);
        }
        return true;
    });
}

void ChannelEditing::fillCells(const QString& value) {
    // Row by row and left to right, so a receive frequency makes a channel before its other
    // cells are filled, as typing does.
    QModelIndexList cells = view_.table().selectionModel()->selectedIndexes();
    std::sort(cells.begin(), cells.end());
    const ChannelTable before = view_.channelTexts();
    ChannelTable after = before;
    CsvProblems problems;
    for (const QModelIndex& cell : cells) {
        auto filled = pasteChannelText(value.toStdString(), after, cell.row() + 1,
                                       static_cast<std::size_t>(cell.column()), view_.bandLimits(),
                                       app_.language());
        if (filled) {
            after = filled.value();
        } else {
            problems.insert(problems.end(), filled.error().begin(), filled.error().end());
        }
    }
    if (!problems.empty()) {
        refuse(QString::fromStdString(describePasteProblems(problems, app_.language())));
        return;
    }
    storePasted(before, after);
}

void ChannelEditing::clear() {
    if (!view_.CommitCellEdit()) {
        return;
    }
    QModelIndexList cells = view_.table().selectionModel()->selectedIndexes();
    if (cells.isEmpty()) {
        cells << view_.table().currentIndex();
    }
    std::sort(cells.begin(), cells.end());
    const Language language = app_.language();
    const ChannelRow defaults = newChannelDefaults(std::string(), language);
    change(tr("Clear"), [&](MemoryImage& image) {
        for (const QModelIndex& cell : cells) {
            const int channel = cell.row() + 1;
            const auto field = ChannelTableModel::field(cell);
            if (field == ChannelField::RxFrequency) {
                clearChannels(image, channel, 1);  // every byte of it, not just the shown ones
                continue;
            }
            // A list cell goes back to a new channel's value; an empty transmit cell takes the
            // receive frequency, as typing does.
            const ChannelRow before = decodeChannel(image, channel, language);
            const std::string empty = ChannelTableModel::isList(cell.column())
                                          ? defaults[fieldIndex(field)]
                                          : std::string();
            const CellEdit edit = commitCellText(before, field, empty, {}, language);
            encodeChangedFields(image, channel, before, edit.row);
        }
        return true;
    });
}

void ChannelEditing::insertChannels() {
    if (!view_.CommitCellEdit()) {
        return;
    }
    const std::pair<int, int> run = channelRun();
    const int first = run.first;
    const int count = run.second;
    if (count == 0 || first + count - 1 > map::kChannelCount) {
        return;
    }
    if (!change(tr("Insert Channel"),
                [&](MemoryImage& image) { return radio::insertChannels(image, first, count); })) {
        refuse(
            tr("There is no room to insert a channel: channel 16 is in use. Delete a channel "
               "first."));
        return;
    }
    selectChannels(first, count);
}

void ChannelEditing::deleteChannels() {
    if (!view_.CommitCellEdit()) {
        return;
    }
    QList<int> channels = view_.table().selectedChannels();
    if (channels.isEmpty()) {
        return;
    }
    change(tr("Delete Channel"), [&](MemoryImage& image) {
        // From the bottom up, so the channels still to go keep their numbers.
        for (auto channel = channels.crbegin(); channel != channels.crend(); ++channel) {
            radio::deleteChannels(image, *channel, 1);
        }
        return true;
    });
    selectChannels(channels.front(), 1);
}

void ChannelEditing::moveChannels(int by) {
    if (!view_.CommitCellEdit()) {
        return;
    }
    const QList<int> channels = view_.table().selectedChannels();
    if (channels.isEmpty()) {
        return;
    }
    const int first = channels.front();
    const int count = channels.back() - first + 1;
    if (change(by < 0 ? tr("Move Up") : tr("Move Down"),
               [&](MemoryImage& image) { return radio::moveChannels(image, first, count, by); })) {
        selectChannels(first + by, count);
    }
}

}  // namespace gui
}  // namespace radio
