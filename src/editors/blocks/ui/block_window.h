// The emergency, dual-watch and memory-key windows: one window class built from a block
// description. The window shows a copy of its block, stores picks into the copy and writes the
// copy back on Save; a close that would discard a changed copy asks first.
#pragma once

#include <QWidget>
#include <utility>
#include <vector>

#include "editors/blocks/block_edit.h"
#include "gui/editor_window.h"

class QComboBox;
class QLabel;

namespace kv {

class EditorHost;
struct ShellContext;
struct DocumentEdit;

class BlockWindow : public QWidget, public EditorWindow {
    Q_OBJECT
public:
    BlockWindow(const BlockWindowDescription& description, ShellContext& context, EditorHost& main,
                QWidget* parent = nullptr);

    // Settles a copy that differs from the document before something replaces or closes the
    // window: asks whether to save it (Yes stores it, No drops it). False when the user cancels,
    // which stops what was about to happen.
    bool ResolveCopy() override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void showValues();
    void onPicked(int list, int position);
    void save();
    void storeCopy();
    void onDocumentEdited(const DocumentEdit& edit);

    ShellContext& context_;
    EditorHost& main_;
    BlockEdit edit_;
    bool ownChanges_ = false;  // the copy holds picks not yet saved
    std::vector<QComboBox*> lists_;
    std::vector<std::pair<BlockFrame, QLabel*>> emptyHints_;  // why a frame's lists are empty
};

QWidget* CreateEmergencyWindow(ShellContext& context, EditorHost& main);
QWidget* CreateDualWatchWindow(ShellContext& context, EditorHost& main);
QWidget* CreateMemoryKeyWindow(ShellContext& context, EditorHost& main);

}  // namespace kv
