// The DTMF window (FrmDTMF): the encoder's timing rows, the disabled decoder tab, and the sixteen
// autodial codes in a grid edited through a box laid over the current code cell.
#pragma once

#include <QWidget>
#include <vector>

#include "gui/editor_window.h"
#include "model/document_edit.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;
class QTabWidget;

namespace kv {

class EditorHost;
struct ShellContext;

class DtmfWindow : public QWidget, public EditorWindow {
    Q_OBJECT
public:
    DtmfWindow(ShellContext& context, EditorHost& main, QWidget* parent = nullptr);

    // Stores the code being typed (the main window calls this before Save, Write and the like).
    void FinishEdit() override;

    // The code row the box edits; 0 before any.
    int CurrentCode() const { return currentCode_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildEncodeTab(int language);
    QWidget* buildAutodialTab(int language);
    void showValues();
    void onDocumentEdited(const DocumentEdit& edit);
    void encodeChosen(int row, int index);
    void displayClicked(bool checked);
    void openBox(int row);
    // Stores the box's text as code CurrentCode, cleaned; repairs references when it changed.
    void commitBox();
    // Hides the box; the grid keeps the focus and its current cell.
    void hideBox();
    // Enter in the box: the box moves on to the next code row (and stays on the last).
    void nextCode();
    bool filterKey(QKeyEvent* key);
    void announce();

    ShellContext& context_;
    EditorHost& main_;
    int currentCode_ = 0;
    bool announcing_ = false;
    QTabWidget* tabs_ = nullptr;
    std::vector<QComboBox*> encodeLists_;
    QCheckBox* display_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLineEdit* box_ = nullptr;
};

QWidget* CreateDtmfWindow(ShellContext& context, EditorHost& main);

}  // namespace kv
