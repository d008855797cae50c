// The group names window (Frm_GroupName): the names of the regular groups of the band the channel
// editor shows, renamed in place through a two-half box, one character each.
#pragma once

#include <QWidget>

#include "codec/code_page.h"
#include "gui/editor_window.h"
#include "model/document_edit.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kv {

class EditorHost;
struct ShellContext;

class GroupNameWindow : public QWidget, public EditorWindow {
    Q_OBJECT
public:
    GroupNameWindow(ShellContext& context, EditorHost& main, QWidget* parent = nullptr);

    // Commits a rename in progress.
    void SaveOldData();
    void FinishEdit() override { SaveOldData(); }

    int band() const { return band_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FillGroupNameRows();
    void ShowGroupNameRow(int group);
    void beginRename();
    bool filterKey(QLineEdit* half, QKeyEvent* key);
    void onDocumentEdited(const DocumentEdit& edit);
    int language() const;
    // The system's code page, in which names are stored.
    const CodePage& page() const;

    ShellContext& context_;
    EditorHost& main_;
    int band_ = 0;
    int RenameRow = 0;
    int renameBand_ = 0;  // the band a rename writes to, fixed when it begins
    bool announcing_ = false;
    QTableWidget* grid_ = nullptr;
    QLineEdit* halves_[2] = {};
    QPushButton* closeButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

QWidget* CreateGroupNameWindow(ShellContext& context, EditorHost& main);

}  // namespace kv
