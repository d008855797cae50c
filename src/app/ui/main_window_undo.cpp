// The main window's side of the edit entry: the Edit menu's Undo and Redo, the title's modified
// marker after every edit, and bringing the window of a restored edit to the front.
#include <QAction>

#include "app/edit_names.h"
#include "app/ui/main_window.h"
#include "gui/document_editor.h"
#include "gui/editor_window.h"
#include "gui/window_registry.h"

namespace kv {

void MainWindow::connectUndo() {
    QAction* undo = menuAction(QStringLiteral("mnuUndo"));
    QAction* redo = menuAction(QStringLiteral("mnuRedo"));
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    connect(undo, &QAction::triggered, this, &MainWindow::UndoEdit);
    connect(redo, &QAction::triggered, this, &MainWindow::RedoEdit);
    connect(editor_, &DocumentEditor::edited, this, [this](const DocumentEdit& edit) {
        emit documentEdited(edit);
        UpdateTitle();
    });
    connect(editor_, &DocumentEditor::historyChanged, this, &MainWindow::updateUndoActions);
    connect(editor_, &DocumentEditor::restored, this, &MainWindow::showRestored);
    updateUndoActions();
}

void MainWindow::updateUndoActions() {
    QAction* undo = menuAction(QStringLiteral("mnuUndo"));
    QAction* redo = menuAction(QStringLiteral("mnuRedo"));
    const int lang = language();
    undo->setText(QString::fromStdString(UndoCaption(editor_->UndoName()).in(lang)));
    redo->setText(QString::fromStdString(RedoCaption(editor_->RedoName()).in(lang)));
    undo->setEnabled(editor_->CanUndo());
    redo->setEnabled(editor_->CanRedo());
}

void MainWindow::UndoEdit() {
    FinishEdits();
    editor_->Undo();
}

void MainWindow::RedoEdit() {
    FinishEdits();
    editor_->Redo();
}

void MainWindow::showRestored(const DocumentEdit& edit, const QString& window) {
    if (window.isEmpty()) return;
    auto* editor = WindowRegistry::InterfaceOf<EditorWindow>(OpenEditor(window));
    if (editor == nullptr || edit.Band < 0) return;
    editor->ShowChannel(edit.Band, edit.Group, edit.FirstRow);
}

}  // namespace kv
