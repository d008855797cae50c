// The channel window's ordering commands: Sort Group by Frequency, Move Up and Move Down. The
// rules are the core's; the window runs them on the group it shows, keeps the moved rows
// selected and announces one edit per command, which is one undo step.
#include <QItemSelectionModel>
#include <QScopedValueRollback>
#include <QTableView>

#include "editors/channels/channel_order.h"
#include "editors/channels/ui/channel_grid_model.h"
#include "editors/channels/ui/channel_window.h"
#include "gui/shell_context.h"

namespace kv {
void ChannelWindow::ListSortByFrequency() {
    // The whole group shown is sorted, wherever the focus is; a frequency being typed is stored
    // first so that it takes part.
    SaveShowGridData();
    showListOutcome(AsRowsOutcome(SortGroupByFrequency(context_.Doc, band_, DisplayedGroup())));
}

void ChannelWindow::ListMoveUp() {
    moveRows(-1);
}

void ChannelWindow::ListMoveDown() {
    moveRows(1);
}

void ChannelWindow::moveRows(int direction) {
    std::vector<int> moved;
    runListCommand([&] {
        const OrderOutcome outcome =
            MoveChannelRows(context_.Doc, band_, DisplayedGroup(), selectedRows(), direction);
        moved = outcome.Rows;
        return AsRowsOutcome(outcome);
    });
    if (moved.empty()) return;
    // The selection goes with the channels, so that pressing the key again moves them on.
    const QScopedValueRollback selecting(selecting_, true);
    QItemSelectionModel* selection = grid_->selectionModel();
    const int column = std::max(1, grid_->currentIndex().column());
    const int current = currentRow() + direction;
    selection->clearSelection();
    for (int row : moved)
        selection->select(model_->index(row - 1, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (current >= 1 && current <= model_->rowCount())
        selection->setCurrentIndex(model_->index(current - 1, column),
                                   QItemSelectionModel::NoUpdate);
    grid_->scrollTo(model_->index(current - 1, column));
}

}  // namespace kv
