#include "gui/channels/ChannelTableModel.h"

#include "core/channels/CellEdit.h"
#include "core/channels/ChannelCodec.h"
#include "core/image/ImageMap.h"
#include "core/util/CRuntimeText.h"
#include "gui/image/CProgramDoc.h"

namespace radio {
namespace gui {

namespace {

QString header(ChannelField field, Language language) {
    const std::string_view text = fieldHeader(field, language);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ChannelTableModel::ChannelTableModel(CProgramDoc& document, Language language,
                                     std::function<BandLimits()> bandLimits, QObject* parent)
    : QAbstractTableModel(parent),
      document_(document),
      language_(language),
      bandLimits_(std::move(bandLimits)) {
    connect(&document_, &CProgramDoc::imageChanged, this, &ChannelTableModel::imageChanged);
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : map::kChannelCount;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

bool ChannelTableModel::isList(int column) {
    return field(column) != ChannelField::RxFrequency && field(column) != ChannelField::TxFrequency;
}

ChannelRow ChannelTableModel::channelRow(int channel) const {
    return decodeChannel(document_.image(), channel, language_);
}

ChannelTable ChannelTableModel::channels() const {
    return decodeChannels(document_.image(), language_);
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return QString::fromStdString(channelRow(channel(index))[fieldIndex(field(index))]);
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        default:
            return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return QString::fromStdString(formatInt(section + 1, 2));
    }
    if (section < 0 || section >= kColumnCount) {
        return {};
    }
    return header(field(section), language_);
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    return commitText({channel(index)}, field(index), value.toString());
}

bool ChannelTableModel::commitText(const QList<int>& channels, ChannelField field,
                                   const QString& text) {
    lastCheck_ = FrequencyCheck::Accepted;
    const QString name =
        channels.size() == 1
            ? editStepName(channels.front(), field)
            : tr("Edit %1 Channels %2").arg(channels.size()).arg(header(field, language_));
    const std::string typed = text.toStdString();
    document_.change(name, [&] {
        for (const int channel : channels) {
            const ChannelRow before = channelRow(channel);
            const CellEdit edit = commitCellText(before, field, typed, bandLimits_(), language_);
            encodeChangedFields(document_.image(), channel, before, edit.row);
            if (edit.check != FrequencyCheck::Accepted) {
                lastCheck_ = edit.check;
            }
        }
    });
    return lastCheck_ == FrequencyCheck::Accepted;
}

QString ChannelTableModel::editStepName(int channel, ChannelField field) const {
    return tr("Edit Channel %1 %2").arg(channel).arg(header(field, language_));
}

void ChannelTableModel::imageChanged() {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

}  // namespace gui
}  // namespace radio
