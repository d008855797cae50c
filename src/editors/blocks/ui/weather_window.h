// The weather channel window (FrmTVCH): the receiver's seven settings and the grid of its 41
// channels. It edits the document directly; a cell being edited is committed on Enter, a click
// in the grid, the focus reaching the current-channel list, a pick in a cell's list, and every
// way the window closes or the main window asks for pending edits.
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "gui/editor_window.h"

class QComboBox;
class QGridLayout;
class QKeyEvent;
class QLineEdit;
class QModelIndex;
class QTableView;

namespace kv {

class EditorHost;
class WeatherGridModel;
struct DocumentEdit;
struct ShellContext;

class WeatherWindow : public QWidget, public EditorWindow {
    Q_OBJECT
public:
    WeatherWindow(ShellContext& context, EditorHost& main, QWidget* parent = nullptr);

    // Commits the cell being edited, if any.
    void Save_TVChannel();
    void FinishEdit() override { Save_TVChannel(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildSettings(QGridLayout* layout);
    void buildGrid();
    void showSettings();
    void showCurrentChannels();
    void startEdit(const QModelIndex& index);
    void placeEditor();
    QWidget* editorOf(int column) const;
    void hideEditors();
    bool filterFrequencyKey(QKeyEvent* key);
    void announce(int channel);
    void onDocumentEdited(const DocumentEdit& edit);

    ShellContext& context_;
    EditorHost& main_;
    int language_;
    WeatherGridModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLineEdit* text1_ = nullptr;
    std::array<QComboBox*, 5> columnLists_{};  // the list over each grid column that has one
    std::vector<QComboBox*> settingLists_;     // in the order of WeatherSettingRows()
    QComboBox* currentList_ = nullptr;
    int editChannel_ = 0;  // the cell being edited: channel 1 to 41 and column 1 to 4
    int editColumn_ = 0;
    bool committing_ = false;
};

QWidget* CreateWeatherWindow(ShellContext& context, EditorHost& main);

}  // namespace kv
