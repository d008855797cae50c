// The application: the start-up sequence and everything that lives for the whole run — the one
// document, the process-wide values, the settings file, the version table and the main window.
#pragma once

#include <QString>
#include <memory>

#include "app/app_state.h"
#include "files/version_table.h"
#include "platform/locale_facts.h"
#include "platform/program_folders.h"

namespace kv {

class DocumentStore;
class FileChooser;
class MainWindow;
class PlacementStore;
class SettingsFile;
class WindowRegistry;
struct Document;
struct ShellContext;

struct StartupOptions {
    ProgramFolders Folders = ProgramFolders::OfApplication();
    LocaleFacts Locale = SystemLocaleFacts();
    // Null: the user's own store and the desktop's file windows.
    std::shared_ptr<PlacementStore> Placement;
    std::shared_ptr<FileChooser> Chooser;
    // Null: the installation's data files. Tests give their own.
    std::shared_ptr<DocumentStore> Store;
    // Registers extra editor windows after the program's own; for tests.
    void (*ExtraEditors)(WindowRegistry&) = nullptr;
    // The program opens the channel window once the main window has been painted, so that the
    // main window appears sooner; tests that look at it at once leave this off.
    bool ChannelWindowAfterFirstPaint = false;
};

class Application {
public:
    // Runs the start-up sequence and builds the main window (not yet shown).
    explicit Application(StartupOptions options);
    ~Application();

    // Opens the data file named on the command line (relative to the current folder) as File →
    // Open does. When it cannot be opened, the start-up document stays and is shown again.
    void OpenCommandLineFile(const QString& path);

    MainWindow& mainWindow() { return *main_; }
    Document& document() { return *doc_; }
    AppState& state() { return state_; }
    SettingsFile& settings() { return *settings_; }
    const VersionTable& versions() const { return versions_; }
    ShellContext& context() { return *context_; }

private:
    std::unique_ptr<Document> doc_;
    AppState state_;
    VersionTable versions_;
    std::unique_ptr<SettingsFile> settings_;
    std::shared_ptr<PlacementStore> placement_;
    std::shared_ptr<FileChooser> chooser_;
    std::shared_ptr<DocumentStore> store_;
    std::unique_ptr<WindowRegistry> editors_;
    std::unique_ptr<ShellContext> context_;
    std::unique_ptr<MainWindow> main_;
};

}  // namespace kv
