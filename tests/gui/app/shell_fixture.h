// A started application in a scratch installation, with its real data files there, and the file
// windows and the message boxes scripted so that a test drives every answer.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/shared_messages.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "files/templates.h"
#include "gui/file_chooser.h"
#include "gui/message_box.h"
#include "platform/placement_store.h"

namespace kv::test {

// Chooses the files the test queued; an empty queue or nullopt is Cancel.
class ScriptedChooser : public FileChooser {
public:
    struct Call {
        bool Save;
        QString Filter;
        QString Start;
        QString Title;
    };
    std::deque<std::optional<QString>> Answers;
    std::vector<Call> Calls;

    std::optional<QString> chooseOpen(QWidget*, const QString& filter,
                                      const QString& start) override {
        return next({false, filter, start});
    }
    std::optional<QString> chooseSave(QWidget*, const QString& filter, const QString& start,
                                      const QString& title) override {
        return next({true, filter, start, title});
    }

private:
    std::optional<QString> next(Call call) {
        Calls.push_back(call);
        if (Answers.empty()) return std::nullopt;
        std::optional<QString> answer = std::move(Answers.front());
        Answers.pop_front();
        return answer;
    }
};

// Registers a plain window under every editor name, so that opening and closing can be seen.
void RegisterStandInEditors(WindowRegistry& registry);

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the application for a system with this locale name, with the program's own editor
    // windows or plain stand-ins under their names.
    void Start(const std::string& localeName = "en_US", bool standInEditors = true);

    // Answers the next message boxes in order; each one asked is recorded in Asked.
    void Answer(std::initializer_list<MessageAnswer> answers);

    MainWindow& main() { return app_->mainWindow(); }
    Document& doc() { return app_->document(); }
    AppState& state() { return app_->state(); }
    QAction* action(const char* name);
    void trigger(const char* name) { action(name)->trigger(); }
    // Object names of the open editor windows, in the order they were opened.
    std::vector<std::string> openEditors();
    QString programFolder() const { return dir_.filePath(QStringLiteral("KV7700")); }
    QString settingsPath() const { return dir_.filePath(QStringLiteral("language/mysetup.ini")); }
    QString placementPath() const { return dir_.filePath(QStringLiteral("placement.ini")); }
    // The title as shown: Qt's modified marker "[*]" becomes "*" while the document is modified.
    QString title() {
        return main().windowTitle().replace(
            QStringLiteral("[*]"), main().isWindowModified() ? QStringLiteral("*") : QString());
    }
    // Deletes the windows closed so far.
    static void FlushDeletes();

    // The installation's version table, listing each "software-other" pair.
    void WriteVersionFile(std::initializer_list<const char*> pairs = {"V100-V100"});
    // Copies the shipped templates into the installation's Init folder.
    void CopyTemplates();
    // Names HF group 1 `newName` in the installed New templates and `initialName` in the Initial
    // Setting ones, so that the document shows which template was laid over it.
    void MarkTemplates(const char* newName, const char* initialName);
    // Installs beside this one a program of `version` that, once started, writes the file whose
    // path is returned.
    QString InstallOtherVersion(const char* version);
    // The document the data file pair at `path` holds; null when it cannot be read.
    static std::unique_ptr<Document> ReadPair(const QString& path);
    // True when the data file pair at `path` is there and reads back as the working data.
    ::testing::AssertionResult PairHoldsTheDocument(const QString& path);
    // HF group 1's name in the working data, without its padding.
    std::string hfGroupName();

    QTemporaryDir dir_;
    // As the program starts: the channel window opens once the main window has been painted.
    bool channelWindowAfterFirstPaint_ = false;
    std::shared_ptr<ScriptedChooser> chooser_ = std::make_shared<ScriptedChooser>();
    std::unique_ptr<Application> app_;
    std::deque<MessageAnswer> answers_;
    std::vector<MessageRequest> Asked;
};

}  // namespace kv::test
