// The channel window (frmCommChInfo): band and group selectors, the group's work group, group
// valid and current work channel boxes, the channel grid with its floating frequency box, the
// details panel and the list commands.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "editors/channels/channel_list_edit.h"
#include "editors/channels/channel_rows_edit.h"
#include "editors/channels/channel_window_refresh.h"
#include "gui/editor_window.h"
#include "model/document_edit.h"

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kv {

class ChannelGridModel;
class DetailsPanel;
class EditorHost;
struct ShellContext;

class ChannelWindow : public QWidget, public EditorWindow, public ListCommandWindow {
    Q_OBJECT
public:
    ChannelWindow(ShellContext& context, EditorHost& main, QWidget* parent = nullptr);
    ~ChannelWindow() override;

    // Rebuild the roger-beep and DTMF lists and the group names from the document; they run on
    // the edit signal, never called by other windows.
    void ShowRB();
    void ShowDTMF();
    void ReShow_Group_Name();
    void InitValidComboList();
    void ShowValidComboText();
    // Redisplays every row of the group shown.
    void reShowGrid();
    void ReShowChInfoByLanguage();
    // Commits a frequency being typed.
    void FinishEdit() override;
    // Shows row `row` of the band's group (below 1: the row remembered), storing nothing; the
    // band shown is navigation and leaves the stored band as it is.
    void ShowChannel(int band, int group, int row) override;

    // The list commands; they act only while the grid has the focus or its context menu runs.
    void ListCopy() override;
    void ListCut() override;
    void ListPaste() override;
    void ListDelete() override;
    void ListInsertPaste() override;
    // Tools → Sort Group by Frequency, Move Up and Move Down on the group shown.
    void ListSortByFrequency() override;
    void ListMoveUp() override;
    void ListMoveDown() override;

    // Redisplays one row after its channel changed.
    void reShowGrid(int row);
    // The band and group shown (the group selector's position + 1).
    int DisplayedBandMode() const { return band_; }
    int DisplayedGroup() const;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void showDocument();
    // "Change shown by language": every caption in the current language (the name is kept).
    void ChangShowByLanguage();
    void alignLabels();
    void showBand(int index);
    void bandChosen(int index);
    void applyBand(int band);
    void FillGroupLists(int band);
    void InitComboWorkGroup();
    void groupChosen(int index);
    void applyGroup();
    void SetGridData();
    void ShowGroupControls(int group);
    void groupValidChosen(int index);
    void workGroupChosen(int index);
    void workChannelChosen(int index);
    void ShowChIfoDataOther();
    void detailChosen(int box, int value);
    // "Set edit not visible": hides the details panel (the misspelled name is kept).
    void SetEditNoVisable();
    void EnterGridEdit();
    // A digit or "." typed on the grid in HF or HAM.
    bool startsFrequencyEntry(const QKeyEvent& key) const;
    void SaveShowGridData();
    void GridNextLine();
    void selectRow(int row);
    int currentRow() const;
    // The row the details panel shows and a single pick changes: the current row when it is
    // selected (or nothing is), otherwise the first selected row.
    int actedRow() const;
    void contextMenuAt(const QPoint& pos);
    void runListCommand(const std::function<RowsEditOutcome()>& command);
    // Shows what a list command did: rows redrawn, the edit announced, messages.
    void showListOutcome(const RowsEditOutcome& outcome);
    void moveRows(int direction);
    // The selected rows, ascending; the current row when none is selected.
    std::vector<int> selectedRows() const;
    RowsEditOutcome deleteRows(const std::vector<int>& rows);
    RowsEditOutcome pasteRows(bool inserting);
    bool listCommandsApply() const;
    void setListCommandsEnabled(bool enabled);
    void announce(EditSection section, int firstRow = -1, int lastRow = -1);
    void onDocumentEdited(const DocumentEdit& edit);
    void reportNotNumeric();
    ChannelWindowRefresh refresher();
    // Runs an operation; a failure shows its name and leaves the window open.
    void guarded(const char* operation, const std::function<void()>& body);
    int language() const;

    ShellContext& context_;
    EditorHost& main_;
    int band_ = 0;
    int EditRow = 0;
    int EditCol = 0;
    bool contextMenuRunning_ = false;
    bool announcing_ = false;
    bool selecting_ = false;  // the window moves the grid's current row, not the user

    QLabel* bandLabel_ = nullptr;
    QComboBox* bandBox_ = nullptr;   // Combo2
    QComboBox* bandCopy_ = nullptr;  // Combo7
    QGroupBox* groupFrame_ = nullptr;
    QLabel* groupLabel_ = nullptr;         // Label1
    QComboBox* groupBox_ = nullptr;        // Combo6
    QComboBox* groupCopy_ = nullptr;       // Combo4
    QLabel* workGroupLabel_ = nullptr;     // Label6
    QComboBox* workGroupBox_ = nullptr;    // Combo3
    QLabel* validLabel_ = nullptr;         // Label2_6
    QComboBox* validBox_ = nullptr;        // Combo1_6
    QLabel* workChannelLabel_ = nullptr;   // Label2_4
    QComboBox* workChannelBox_ = nullptr;  // Combo1_4
    QTableView* grid_ = nullptr;           // MSFlexGrid1
    ChannelGridModel* model_ = nullptr;
    QLineEdit* editBox_ = nullptr;  // Text1
    DetailsPanel* details_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

// The factory the main window's registry holds.
QWidget* CreateChannelWindow(ShellContext& context, EditorHost& main);

}  // namespace kv
