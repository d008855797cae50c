// The channel grid's model.
#include "editors/channels/ui/channel_grid_model.h"

#include "editors/channels/freq_text.h"

namespace kv {

ChannelGridModel::ChannelGridModel(const Document& doc, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc) {}

void ChannelGridModel::ShowGroup(int band, int group) {
    beginResetModel();
    band_ = band;
    group_ = group;
    shape_ = GridShapeFor(band, group);
    endResetModel();
    noteNotNumeric(1, shape_.rows);
}

void ChannelGridModel::RefreshAll() {
    noteNotNumeric(1, shape_.rows);
    if (shape_.rows > 0) emit dataChanged(index(0, 1), index(shape_.rows - 1, 1));
}

void ChannelGridModel::RefreshRow(int row) {
    if (row < 1 || row > shape_.rows) return;
    noteNotNumeric(row, row);
    emit dataChanged(index(row - 1, 1), index(row - 1, 1));
}

void ChannelGridModel::noteNotNumeric(int first, int last) {
    for (int row = first; row <= last; ++row) {
        bool notNumeric = false;
        frequencyText(row, &notNumeric);
        notNumeric_ = notNumeric_ || notNumeric;
    }
}

void ChannelGridModel::SetHeaders(const QString& channel, const QString& frequency) {
    headers_[0] = channel;
    headers_[1] = frequency;
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

bool ChannelGridModel::TakeNotNumeric() {
    const bool met = notNumeric_;
    notNumeric_ = false;
    return met;
}

QString ChannelGridModel::frequencyText(int row, bool* notNumeric) const {
    const RowRecord found = FindRowRecord(doc_.Working, band_, group_, row);
    const ChannelRecord* record = RecordOf(doc_.Working, band_, group_, found);
    if (record == nullptr) return {};
    const ChannelRecord* shown = record;
    if (found.kind == RowRecord::Kind::CbMemory) {
        shown = CbMemReferredChannel(doc_.Working, group_, *record);
        if (shown == nullptr) return {};
    } else if (record->InUse != 1) {
        return {};
    }
    const FreqTextResult text = FreqStoreToText(doc_, shown->RxFreqText.raw());
    if (text.message && notNumeric != nullptr) *notNumeric = true;
    return QString::fromStdString(text.text);
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shape_.rows;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shape_.rows) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    const int row = index.row() + 1;
    return index.column() == 0 ? QString::fromStdString(GridRowLabel(band_, group_, row))
                               : frequencyText(row, nullptr);
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section > 1) return {};
    if (role == Qt::DisplayRole) return headers_[section];
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

}  // namespace kv
