// A started application in a scratch installation, with the document store, the file windows
// and the message boxes replaced by scripted stand-ins so that a test drives every answer.
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
#include "app/ui/document_store.h"
#include "app/ui/main_window.h"
#include "files/templates.h"
#include "gui/file_chooser.h"
#include "gui/message_box.h"
#include "platform/placement_store.h"

namespace kv::test {

// Records what the main window asks of the data files and answers as the test says.
class FakeStore : public DocumentStore {
public:
    bool Changed = false;
    bool SaveFails = false;
    OpenOutcome NextOpen{OpenOutcome::Kind::Opened, {}, {}};
    bool OtherVersionStarts = true;
    std::vector<std::string> Saved;
    std::vector<std::string> Opened;
    std::vector<TemplateKind> Templates;
    std::vector<std::string> HandOvers;

    void BuildStartupDocument(Document&) override {}
    void LoadTemplate(Document&, TemplateKind kind) override { Templates.push_back(kind); }
    bool IsChanged(const Document&) const override { return Changed; }
    StoreResult Save(Document&, const std::string& path) override {
        Saved.push_back(path);
        if (SaveFails) return {false, SharedMessages().FileError};
        Changed = false;
        return {};
    }
    OpenOutcome Open(Document&, const std::string& path) override {
        Opened.push_back(path);
        if (NextOpen.Result == OpenOutcome::Kind::Opened) Changed = false;
        return NextOpen;
    }
    bool HasOtherVersion(const std::string&) const override { return OtherVersionStarts; }
    StoreResult StartOtherVersion(const std::string& version) override {
        HandOvers.push_back(version);
        if (OtherVersionStarts) return {};
        return {false, VersionMissingText()};
    }
};

// Chooses the files the test queued; an empty queue or nullopt is Cancel.
class ScriptedChooser : public FileChooser {
public:
    struct Call {
        bool Save;
        QString Filter;
        QString Start;
    };
    std::deque<std::optional<QString>> Answers;
    std::vector<Call> Calls;

    std::optional<QString> chooseOpen(QWidget*, const QString& filter,
                                      const QString& start) override {
        return next({false, filter, start});
    }
    std::optional<QString> chooseSave(QWidget*, const QString& filter,
                                      const QString& start) override {
        return next({true, filter, start});
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

    // Starts the application for a system with this locale name.
    void Start(const std::string& localeName = "en_US");

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

    QTemporaryDir dir_;
    std::shared_ptr<FakeStore> store_ = std::make_shared<FakeStore>();
    std::shared_ptr<ScriptedChooser> chooser_ = std::make_shared<ScriptedChooser>();
    std::unique_ptr<Application> app_;
    std::deque<MessageAnswer> answers_;
    std::vector<MessageRequest> Asked;
};

}  // namespace kv::test
