// What the editor windows need of the window that holds them: the edit entry, opening and
// finding the other windows, the menu's actions, the status bar and the file chooser. Windows
// depend on this, never on the main window itself, so the folders of the windows point down to
// the GUI kit and only the main window's folder includes the windows. What a radio session needs
// besides is SessionHost.
#pragma once

#include <QString>

#include "model/document_edit.h"
#include "model/text_pair.h"

class QAction;
class QWidget;

namespace kv {

class DocumentEditor;
class FileChooser;

class EditorHost {
public:
    virtual ~EditorHost() = default;

    // The host's own widget: parent of message boxes and dialogs, owner of run-wide helpers.
    virtual QWidget* Widget() = 0;

    // The edit entry every change of the document passes; its `edited` signal is the one
    // notification windows refresh on.
    virtual DocumentEditor& Editor() const = 0;
    // A window changed the document through a core function: record and announce it.
    virtual void DocumentEdited(const DocumentEdit& edit) = 0;
    // Tells the user in the status bar what an edit did besides itself.
    virtual void ShowStatusMessage(const TextPair& text) = 0;
    virtual void UpdateTitle() = 0;

    // The editor windows, by object name.
    virtual QWidget* OpenEditor(const QString& name) = 0;
    virtual QWidget* FindEditor(const QString& name) const = 0;
    virtual bool CloseAllEditors() = 0;
    virtual void CascadeEditors() = 0;
    // Lets every open editor store what is still being typed.
    virtual void FinishEdits() = 0;
    virtual QAction* menuAction(const QString& name) const = 0;
    virtual FileChooser& fileChooser() const = 0;
};

}  // namespace kv
