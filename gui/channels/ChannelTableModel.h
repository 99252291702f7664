#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "core/channels/ChannelClipboard.h"
#include "core/channels/ChannelFields.h"
#include "core/channels/Frequency.h"
#include "core/text/Language.h"

namespace radio {
namespace gui {

class CProgramDoc;

// The 16 channels of a document's image as a table: row n - 1 is channel n, the columns are
// the fields without the power, which the grid neither shows nor stores (so neither a screen
// reader nor the keys ever meet it). Every text is decoded from the
// document's image when asked for, and every edit goes into the image as one step of the
// document's history, so the table never holds a copy of its own that could drift.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kColumnCount = static_cast<int>(kVisibleColumnCount);
    // Whole channels on the clipboard, byte for byte, beside their text.
    static constexpr char kRecordsMimeType[] = "application/x-radioprog-channels";

    ChannelTableModel(CProgramDoc& document, Language language,
                      std::function<BandLimits()> bandLimits, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A typed text, by the grid's typing rules; false when a frequency was refused (the refusal
    // is then in lastCheck() and what it cleared is a step of the history).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    static ChannelField field(int column) {
        return kChannelListFields.at(static_cast<std::size_t>(column));
    }
    static ChannelField field(const QModelIndex& index) { return field(index.column()); }
    static int channel(const QModelIndex& index) { return index.row() + 1; }
    static bool isList(int column);

    Language language() const { return language_; }
    ChannelRow channelRow(int channel) const;
    ChannelTable channels() const;

    // One text into the same field of several channels, one step of the history: a list value
    // chosen for many channels at once. False when a typed frequency was refused.
    bool commitText(const QList<int>& channels, ChannelField field, const QString& text);
    FrequencyCheck lastCheck() const { return lastCheck_; }

    // The name of the step a typed text makes: "Edit Channel 3 Rx Frequency".
    QString editStepName(int channel, ChannelField field) const;

  private:
    void imageChanged();

    CProgramDoc& document_;
    Language language_;
    std::function<BandLimits()> bandLimits_;
    FrequencyCheck lastCheck_ = FrequencyCheck::Accepted;
};

}  // namespace gui
}  // namespace radio
