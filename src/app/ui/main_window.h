// The main window (frmMain): the frame holding every editor window, its menus, toolbar, tree
// panel and status bar, and the document commands New, Open, Save, Save As, Initial Setting and
// Exit.
#pragma once

#include <QBrush>
#include <QMainWindow>
#include <map>
#include <string>

#include "gui/session_host.h"
#include "model/document_edit.h"
#include "model/text_pair.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSplitter;
class QTimer;
class QToolBar;

namespace kv {

class DocumentEditor;
class DocumentStore;
class FileChooser;
class LinkCommands;
class MemoryImage;
class PlacementStore;
class RecentFilesMenu;
class RecoveryKeeper;
class TreePanel;
class WindowRegistry;
struct RecoveryContent;
struct ShellContext;

// When the start-up opens the channel window: at once, or once the main window has been painted
// (the program's own start-up, so that the main window appears sooner).
enum class ChannelWindowAtStart { Now, AfterFirstPaint };

class MainWindow : public QMainWindow, public SessionHost {
    Q_OBJECT
public:
    // Builds the window, restores its placement, applies the language and opens a new document.
    // The channel window opened after the first paint is skipped when an editor window is open by
    // then (a data file named on the command line opened it, or the user another one).
    MainWindow(ShellContext& context, const WindowRegistry& editors, DocumentStore& store,
               FileChooser& chooser, PlacementStore& placement,
               ChannelWindowAtStart channelWindow = ChannelWindowAtStart::Now,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* Widget() override { return this; }

    // The radio link's commands; null leaves the radio items doing nothing.
    void SetLinkCommands(LinkCommands* commands) { link_ = commands; }

    // Refreshes every text of the window in the current language and rebuilds the tree.
    void Change_Language() override;
    // Closes every editor, lays the new-document template over the data, opens the channel window.
    void LoadNewDoc();
    // Rebuilds the tiled background from the current language's picture (plain when missing).
    void LoadBKPic();
    void UpdateTitle() override;

    // Asks to save unsaved changes (Yes / No / Cancel). True when the caller may go on: nothing
    // was changed, the user said No, or Yes saved the document (through Save As when untitled).
    bool ConfirmDiscardOrSave() override;
    // Hands over to the program version fitting `otherVersion`: PrepareHandOver, then
    // StartHandOver. Returns false when the user cancelled or no such version is installed.
    bool HandOverTo(const std::string& otherVersion);
    // The steps before a hand-over: says so and returns false when no version fitting
    // `otherVersion` is installed, then asks the unsaved-changes question; true when the caller
    // may go on (a radio session then closes its port before StartHandOver).
    bool PrepareHandOver(const std::string& otherVersion) override;
    // Starts the fitting version and asks the process to end, without asking anything about
    // unsaved changes; says why and returns false when it cannot be started.
    bool StartHandOver(const std::string& otherVersion) override;

    // Makes a radio image the untitled document, as a read from the radio does: every editor
    // closes, the image is decoded onto the working data, the document is named "new.dat" and
    // the channel window opens.
    void ShowRadioData(const MemoryImage& image) override;

    // Makes a recovery copy the document, unsaved and under the name it had, as it was when the
    // copy was taken; `content` is left moved from.
    void RestoreDocument(RecoveryContent& content);
    // Keeps the recovery copy of the document while it has unsaved edits.
    RecoveryKeeper& recovery() const { return *recovery_; }
    // The interface language now.
    int Language() const { return language(); }

    // The file windows, for the commands that choose files beside the document commands.
    FileChooser& fileChooser() const override { return chooser_; }

    // The editor windows, by object name: bring to front or create; find; close.
    QWidget* OpenEditor(const QString& name) override;
    QWidget* FindEditor(const QString& name) const override;
    // Closes the editors in turn; stops and returns false at the first that stays open (its
    // user cancelled).
    bool CloseAllEditors() override;
    void CascadeEditors() override;

    // Every change an editor window makes to the document is announced here, once, after the
    // core function that made it. Open windows showing the same data refresh on the signal.
    void DocumentEdited(const DocumentEdit& edit) override;

    // The edit entry every change of the document passes, with the undo history.
    DocumentEditor& Editor() const override { return *editor_; }
    // Edit → Undo and Redo: store what is being typed, then restore the step and bring the
    // window that shows it to the front.
    void UndoEdit();
    void RedoEdit();

    // Tells the user, in the status bar and the current language, what an edit did besides
    // itself (references it cleared); the next message replaces it.
    void ShowStatusMessage(const TextPair& text) override;

    // Lets every open editor store what is still being typed: takes the focus away from the
    // editors and calls EditorWindow::FinishEdit of each one.
    // Runs before Save, Save As, the unsaved-changes test and Write.
    void FinishEdits() override;

    // Lets every open editor holding a copy of its own settle it before the document is replaced
    // or the program ends: calls EditorWindow::ResolveCopy of each one. False as soon as one of
    // them answers false (the user cancelled).
    bool ResolveEditorCopies();

    QAction* menuAction(const QString& name) const override;
    // The toolbar button of `key` (such as "打印"); null when there is none.
    QAction* toolAction(const QString& key) const;
    const RecentFilesMenu& recentFiles() const { return *recent_; }
    QMdiArea* mdiArea() const { return mdi_; }

    // The document commands. New with `warn` (the menu) warns that all data will be cleared;
    // without (the toolbar) it asks the unsaved-changes question, as Initial Setting does.
    void FileNew(bool warn);
    void FileOpen();
    // Opens the data file `file` as Open does once a file is chosen, without the unsaved-changes
    // question. True when it is the working document now.
    bool OpenDataFile(const QString& file);
    // Opens a data file or a radio image as Open does once a file is chosen (asking about unsaved
    // changes first): what a recent file and a dropped file do. True when it is the document now.
    bool OpenFileAsking(const QString& file);
    // A file of the recent files list: one that is no longer there is removed with a message.
    void OpenRecentFile(const QString& file);
    bool FileSave();
    bool FileSaveAs();
    void InitialSetting();
    void ShowLanguageWindow();
    void ShowAbout();
    // Help → User Guide (F1): the guide's page of the editor window in front, or its start page.
    void ShowUserGuide();

signals:
    // The process should end with this exit code, without the usual end steps (a hand-over).
    void quitRequested(int exitCode);
    // See DocumentEdited().
    void documentEdited(const kv::DocumentEdit& edit);

protected:
    bool event(QEvent* event) override;
    // F1 in any other window of the program (a dialog, modal or not) opens that window's page.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Announces a replaced document to the open windows and brings up the channel window.
    void documentReplaced();
    // The new-document template laid over the data, in the current language; no window opens.
    void startNewDocument();
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void connectCommands();
    void restorePlacement();
    void savePlacement();
    void applyLanguageIfChanged();
    void updateClock();
    void fillWindowMenu();
    QString fileFilter() const;
    // Open offers data files and radio images.
    QString openFilter() const;
    // Restores a radio image chosen in Open; a file that is not one is refused and changes nothing.
    bool openRadioImage(const std::string& path);
    // Opens a chosen data file or radio image, by its name's ending.
    bool openChosenFile(const QString& file);
    // Writes the document to `path`; on failure shows the message and returns false.
    bool writeDocument(const std::string& path);
    int language() const;
    QMdiSubWindow* subWindowFor(const QString& name) const;
    void connectUndo();
    void updateUndoActions();
    void showRestored(const DocumentEdit& edit, const QString& window);

    ShellContext& context_;
    const WindowRegistry& editors_;
    DocumentStore& store_;
    FileChooser& chooser_;
    PlacementStore& placement_;
    LinkCommands* link_ = nullptr;
    RecentFilesMenu* recent_ = nullptr;
    DocumentEditor* editor_ = nullptr;
    RecoveryKeeper* recovery_ = nullptr;

    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    std::map<QString, QAction*> toolButtons_;
    QList<QAction*> windowListActions_;
    QToolBar* toolbar_ = nullptr;
    TreePanel* tree_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QMdiArea* mdi_ = nullptr;
    QLabel* panels_[5] = {};
    QTimer* clock_ = nullptr;
    QBrush plainBackground_;
    bool handingOver_ = false;
};

}  // namespace kv
