// A main window with the radio commands plugged in, built from parts the tests control: a
// scratch installation, a version table listing V100-V100, a stand-in channel window, the
// application's document store (recording hand-overs instead of starting other programs), and
// message boxes answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/ui/data_file_store.h"
#include "e2e/link/sim_process.h"
#include "files/staging.h"
#include "files/version_table.h"
#include "gui/editor_window.h"
#include "gui/file_chooser.h"
#include "gui/message_box.h"
#include "gui/window_registry.h"
#include "model/document.h"
#include "platform/placement_store.h"
#include "platform/program_folders.h"
#include "platform/settings_file.h"

namespace kv {
class MainWindow;
class RadioCommands;
struct ShellContext;
}  // namespace kv

namespace kv::linktest {

// Stands in for the channel window: holds one edit that reaches the document only when the
// window is told to finish it, and a text box that stores its value when it loses the focus.
class StandInEditor : public QWidget, public EditorWindow {
    Q_OBJECT
public:
    explicit StandInEditor(Document& doc);

    void FinishEdit() override;

    // An edit typed but not yet stored: BeepLevel gets this value on FinishEdit.
    std::optional<int> pendingBeepLevel;
    QLineEdit* micGainBox;

private:
    Document& doc_;
};

// The real data files and unsaved-changes test; every other version counts as installed, and
// starting one is only recorded.
class RecordingStore : public DataFileStore {
public:
    using DataFileStore::DataFileStore;
    // The document the test built, counting as unchanged.
    void BuildStartupDocument(Document& doc) override { StageDocument(doc); }
    bool HasOtherVersion(const std::string&) const override { return true; }
    StoreResult StartOtherVersion(const std::string& otherVersion) override;

    std::vector<std::string> started;
    std::function<bool()> portOpen;  // asked when another version is started
    std::vector<bool> startedWithPortOpen;
};

class ScriptedChooser : public FileChooser {
public:
    std::optional<QString> chooseOpen(QWidget*, const QString& filter, const QString&) override {
        openFilter = filter;
        return openPath;
    }
    std::optional<QString> chooseSave(QWidget*, const QString&, const QString&,
                                      const QString&) override {
        return savePath;
    }
    std::optional<QString> savePath;
    std::optional<QString> openPath;
    QString openFilter;  // the filter Open last offered
};

// The port number the simulated radio is mapped to.
inline constexpr int kSimPort = 42;

class LinkFixture : public ::testing::Test {
protected:
    LinkFixture();
    ~LinkFixture() override;

    // Starts the simulated radio with `image` and maps it to COM42, the chosen port.
    bool StartRadio(const MemoryImage& image, const QStringList& options = {});

    MainWindow& main() { return *main_; }
    RadioCommands& commands() { return *commands_; }
    StandInEditor* channelWindow() const;
    void Trigger(const char* menuItem);

    // The boxes shown so far, and how many of them showed `text`.
    const std::vector<MessageRequest>& shown() const { return shown_; }
    int CountShown(const TextPair& text) const;
    // The answers the test gives to the boxes showing `text`, in turn; the last one repeats.
    // Other boxes get OK, or No where there is no OK.
    void Answer(const TextPair& text, std::vector<MessageAnswer> answers) {
        answers_[text.en] = std::move(answers);
    }
    // Runs `hook` while the box showing `text` is open, before it is answered; an empty hook
    // removes it.
    void SetQuestionHook(const TextPair& text, std::function<void()> hook) {
        hooks_[text.en] = std::move(hook);
    }

    QTemporaryDir dir_;
    std::unique_ptr<Document> doc_ = std::make_unique<Document>();
    AppState state_;
    VersionTable versions_;
    std::unique_ptr<SettingsFile> settings_;
    std::unique_ptr<ShellContext> context_;
    WindowRegistry editors_;
    std::unique_ptr<RecordingStore> store_;
    ScriptedChooser chooser_;
    std::unique_ptr<PlacementStore> placement_;
    test::SimProcess sim_;

private:
    std::vector<MessageRequest> shown_;
    std::map<std::string, std::vector<MessageAnswer>> answers_;
    std::map<std::string, std::function<void()>> hooks_;
    std::unique_ptr<MainWindow> main_;
    RadioCommands* commands_ = nullptr;
};

// Image bytes of every block the transfer map covers; other bytes are 0.
std::unique_ptr<MemoryImage> TransferredPart(const MemoryImage& image);

}  // namespace kv::linktest
