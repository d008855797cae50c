// The channel grid's model: a view over the document for one band and group. It holds no copy of
// the channels and no texts of its own: every cell is read from the document when it is drawn,
// so no edit path has to remember to refresh it; a refresh only tells the view to redraw.
#pragma once

#include <QAbstractTableModel>
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
    // The frequency cell of row `row` (1 = the first) as the document holds it; `notNumeric` is
    // set when the stored text is not a number.
    QString frequencyText(int row, bool* notNumeric) const;
    // Notes whether a row of `first` to `last` holds a frequency that is not a number.
    void noteNotNumeric(int first, int last);

    const Document& doc_;
    int band_ = 0;
    int group_ = 1;
    GridShape shape_;
    QString headers_[2];
    bool notNumeric_ = false;
};

}  // namespace kv
