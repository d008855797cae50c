// The channel grid's model: a view over the document for one band and group. It holds no copy of
// the channels, only the texts of the rows as last drawn, rebuilt for the whole group on a group
// change and for one row after an edit.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "editors/channels/grid_rows.h"
#include "model/document.h"
#include "model/text_pair.h"

namespace kv {

class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ChannelGridModel(const Document& doc, QObject* parent = nullptr);

    // Shows the band's group; a model reset.
    void ShowGroup(int band, int group);
    // Re-reads every row (same rows), or one row.
    void RefreshAll();
    void RefreshRow(int row);
    void SetHeaders(const QString& channel, const QString& frequency);

    int band() const { return band_; }
    int group() const { return group_; }
    const GridShape& shape() const { return shape_; }
    // Whether a stored frequency that is not a number was met while reading the rows; the window
    // reports it once and clears it.
    bool TakeNotNumeric();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString readFrequency(int row);

    const Document& doc_;
    int band_ = 0;
    int group_ = 1;
    GridShape shape_;
    QStringList labels_;
    QStringList frequencies_;
    QString headers_[2];
    bool notNumeric_ = false;
};

}  // namespace kv
