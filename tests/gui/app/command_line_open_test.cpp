// A data file named on the command line: opened through the real data files as File → Open
// opens it, or refused with a message while the start-up document stays on the screen.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/main_window_tables.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "files/data_file.h"
#include "files/templates.h"
#include "gui/message_box.h"
#include "model/document.h"
#include "platform/placement_store.h"
#include "shell_fixture.h"

namespace kv::test {
namespace {

class CommandLineOpenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("KV7700")));
        QFile versions(dir_.filePath(QStringLiteral("Version.ini")));
        ASSERT_TRUE(versions.open(QIODevice::WriteOnly));
        versions.write(
            "[Version]\nCurrentVersion=V100\nSoftVersionCount=1\nFirmVersionCount=1\n"
            "[Soft]\nVersion0=V100\n[Firm]\nFirm0=V100-V100\n");
        previousFolder_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        SetMessageAnswerer([this](const MessageRequest& request) {
            shown_.push_back(request.Shown);
            return MessageAnswer::Ok;
        });
    }
    void TearDown() override {
        app_.reset();
        QDir::setCurrent(previousFolder_);
        SetMessageAnswerer({});
    }

    void Start() {
        StartupOptions options;
        options.Folders = ProgramFolders::ForProgramFolder(dir_.filePath(QStringLiteral("KV7700")));
        options.Locale = LocaleFactsFor("en_US");
        options.Placement =
            std::make_shared<PlacementStore>(dir_.filePath(QStringLiteral("placement.ini")));
        options.Chooser = std::make_shared<ScriptedChooser>();
        options.ExtraEditors = &RegisterStandInEditors;
        app_ = std::make_unique<Application>(options);
    }

    bool ChannelWindowShown() {
        return app_->mainWindow().FindEditor(QString::fromLatin1(kChannelWindow)) != nullptr;
    }

    QTemporaryDir dir_;
    QString previousFolder_;
    std::unique_ptr<Application> app_;
    std::vector<std::string> shown_;
};

TEST_F(CommandLineOpenTest, AFileNamedRelativeToTheCurrentFolderIsOpenedAndShown) {
    Document saved;
    BuildNewDocument(saved, dir_.filePath(QStringLiteral("KV7700")).toStdString(), "20261210");
    saved.settings().DtmfCodes[0].assign("2468");
    ASSERT_TRUE(SaveDataFile(saved, dir_.filePath(QStringLiteral("mine.dat")).toStdString()).ok());

    Start();
    ASSERT_NE(app_->document().settings().DtmfCodes[0], saved.settings().DtmfCodes[0]);
    app_->OpenCommandLineFile(QStringLiteral("mine.dat"));

    EXPECT_TRUE(shown_.empty()) << shown_.front();
    const Document& doc = app_->document();
    EXPECT_EQ(doc.settings().DtmfCodes[0], saved.settings().DtmfCodes[0]);
    // The name is absolute, so a later Save goes to the file opened wherever the process runs.
    EXPECT_EQ(doc.DocumentName, dir_.filePath(QStringLiteral("mine.dat")).toStdString());
    EXPECT_FALSE(doc.DocumentUntitled);
    EXPECT_TRUE(app_->mainWindow().windowTitle().contains(QStringLiteral("mine.dat")));
    EXPECT_TRUE(ChannelWindowShown());
}

TEST_F(CommandLineOpenTest, AFileThatCannotBeOpenedLeavesTheStartupDocumentShown) {
    struct Case {
        const char* name;
        std::function<void(const QString& path)> make;
        const char* reason;  // the second line's reason after the path; null: any message
    };
    const Case cases[] = {
        {"missing file", [](const QString&) {}, "the file or its folder does not exist"},
        {"a folder", [](const QString& path) { QDir().mkpath(path); },
         "this is not a regular file"},
        {"short file",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("not a data file");
         },
         nullptr},
    };
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir_.filePath(QStringLiteral("bad%1.dat").arg(index++));
        c.make(path);
        shown_.clear();
        Start();
        const RadioSettings startup = app_->document().settings();

        app_->OpenCommandLineFile(path);

        ASSERT_EQ(shown_.size(), 1u);
        if (c.reason)
            EXPECT_EQ(shown_[0], "file error.\n" + path.toStdString() + ": " + c.reason);
        else
            EXPECT_FALSE(shown_[0].empty());
        const Document& doc = app_->document();
        EXPECT_EQ(doc.DocumentName, kUntitledName);
        EXPECT_TRUE(doc.DocumentUntitled);
        EXPECT_TRUE(doc.settings().DtmfCodes == startup.DtmfCodes);
        EXPECT_TRUE(ChannelWindowShown());
        app_.reset();
    }
}

}  // namespace
}  // namespace kv::test
