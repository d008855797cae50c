// The weather window's grid as a view over the document: 41 rows (channels 1 to 40 and the VFO)
// and the five columns of the weather grid, every cell centred.
#pragma once

#include <QAbstractTableModel>

namespace kv {

struct Document;

class WeatherGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    WeatherGridModel(const Document& doc, int language, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Model row r shows weather channel r + 1.
    static int ChannelOf(const QModelIndex& index) { return index.row() + 1; }
    QModelIndex IndexOf(int channel, int column) const { return index(channel - 1, column); }

    // Redraws every row after the document changed.
    void Refresh();

private:
    const Document& doc_;
    int language_;
};

}  // namespace kv
