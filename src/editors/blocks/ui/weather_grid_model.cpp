// The weather grid model.
#include "editors/blocks/ui/weather_grid_model.h"

#include "editors/blocks/weather_rules.h"
#include "editors/blocks/weather_texts.h"
#include "model/document.h"

namespace kv {

WeatherGridModel::WeatherGridModel(const Document& doc, int language, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc), language_(language) {}

int WeatherGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kWeatherCount;
}

int WeatherGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(WeatherColumns().size());
}

QVariant WeatherGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole) return {};
    return QString::fromStdString(
        WeatherCellText(doc_.settings(), ChannelOf(index), index.column(), language_));
}

QVariant WeatherGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole) return {};
    const WeatherColumn* column = WeatherColumnAt(section);
    return column ? QString::fromStdString(column->Header.in(language_)) : QString();
}

void WeatherGridModel::Refresh() {
    emit dataChanged(index(0, 0), index(kWeatherCount - 1, columnCount() - 1));
}

}  // namespace kv
