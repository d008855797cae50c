// New, Open, Save, Save As, Exit and the hand-over, with every answer to their questions.
#include <QFileInfo>
#include <QSignalSpy>

#include "app/main_window_tables.h"
#include "files/templates.h"
#include "shell_fixture.h"

namespace kv::test {
namespace {

constexpr MessageAnswer kOk = MessageAnswer::Ok;
constexpr MessageAnswer kCancel = MessageAnswer::Cancel;
constexpr MessageAnswer kYes = MessageAnswer::Yes;
constexpr MessageAnswer kNo = MessageAnswer::No;

class DocumentCommandsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
    }
    // Saves the new document as `name` in the scratch folder through Save As.
    std::string SaveAs(const char* name) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        chooser_->Answers.push_back(path);
        trigger("mnuFileSaveAs");
        return path.toStdString();
    }
    std::string Shown(size_t i) { return i < Asked.size() ? Asked[i].Shown : std::string(); }
};

TEST_F(DocumentCommandsTest, SaveRightAfterStartGoesToSaveAs) {
    const QString path = dir_.filePath(QStringLiteral("a.dat"));
    chooser_->Answers.push_back(path);
    trigger("mnuFileSave");

    ASSERT_EQ(chooser_->Calls.size(), 1u);
    EXPECT_TRUE(chooser_->Calls[0].Save);
    EXPECT_EQ(chooser_->Calls[0].Filter, QStringLiteral("Data File (*.dat)"));
    // The window starts in a real folder, not in whatever folder the process runs in.
    EXPECT_TRUE(QFileInfo(chooser_->Calls[0].Start).isAbsolute());
    EXPECT_EQ(store_->Saved, std::vector<std::string>{path.toStdString()});
    EXPECT_TRUE(Asked.empty());
    EXPECT_EQ(doc().DocumentName, path.toStdString());
    EXPECT_FALSE(doc().DocumentUntitled);
    EXPECT_EQ(title(), QStringLiteral("KV-7700[28.0000 - 29.6990 MHz][File Name:a.dat]"));
}

TEST_F(DocumentCommandsTest, SaveOfANamedDocumentAsksToOverwriteTheQuotedFileName) {
    const std::string path = SaveAs("a.dat");

    Answer({kCancel});
    trigger("mnuFileSave");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, "\"a.dat\"file will be Overwrite,Continue?");
    EXPECT_EQ(Asked[0].Buttons, MessageButtons::OkCancel);
    EXPECT_EQ(Asked[0].Icon, MessageIcon::Question);
    EXPECT_EQ(store_->Saved.size(), 1u);

    Answer({kOk});
    trigger("tbrSave");
    EXPECT_EQ(store_->Saved, (std::vector<std::string>{path, path}));
}

TEST_F(DocumentCommandsTest, FailedSaveAsKeepsTheNameTitleAndUntitledState) {
    store_->SaveFails = true;
    Answer({kOk});
    SaveAs("b.dat");

    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, "file error.");
    EXPECT_EQ(doc().DocumentName, "new.dat");
    EXPECT_TRUE(doc().DocumentUntitled);
    EXPECT_EQ(title(), QStringLiteral("KV-7700[28.0000 - 29.6990 MHz][File Name:new.dat]"));
}

TEST_F(DocumentCommandsTest, CancelInTheFileWindowChangesNothing) {
    const std::string path = SaveAs("a.dat");
    trigger("mnuFileSaveAs");  // the chooser has no answer queued: Cancel
    trigger("mnuFileOpen");
    EXPECT_EQ(doc().DocumentName, path);
    EXPECT_EQ(store_->Saved.size(), 1u);
    EXPECT_TRUE(store_->Opened.empty());
    EXPECT_EQ(openEditors(), std::vector<std::string>{kChannelWindow});
}

TEST_F(DocumentCommandsTest, MenuNewWarnsAndTheToolbarNewDoesNot) {
    main().OpenEditor(QString::fromLatin1(kSettingsWindow));
    const size_t templatesAtStart = store_->Templates.size();

    Answer({kCancel});
    trigger("mnuFileNew");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, "All data will be cleared.");
    EXPECT_EQ(Asked[0].Buttons, MessageButtons::OkCancel);
    EXPECT_EQ(Asked[0].Icon, MessageIcon::Warning);
    EXPECT_EQ(store_->Templates.size(), templatesAtStart);
    EXPECT_EQ(openEditors().size(), 2u);

    Answer({kOk});
    trigger("mnuFileNew");
    EXPECT_EQ(store_->Templates.size(), templatesAtStart + 1);
    // The open windows stay and show the new document.
    EXPECT_EQ(openEditors(), (std::vector<std::string>{kChannelWindow, kSettingsWindow}));

    trigger("tbrNew");
    EXPECT_EQ(Asked.size(), 2u);
    EXPECT_EQ(store_->Templates.size(), templatesAtStart + 2);
    EXPECT_EQ(store_->Templates.back(), TemplateKind::New);
}

TEST_F(DocumentCommandsTest, NewKeepsTheNameOfTheLastFile) {
    SaveAs("a.dat");
    trigger("tbrNew");
    EXPECT_EQ(title(), QStringLiteral("KV-7700[28.0000 - 29.6990 MHz][File Name:a.dat]"));
    Answer({kCancel});
    trigger("mnuFileSave");
    EXPECT_EQ(Shown(0), "\"a.dat\"file will be Overwrite,Continue?");
}

TEST_F(DocumentCommandsTest, OpenAsksAboutUnsavedChangesFirst) {
    const QString file = dir_.filePath(QStringLiteral("c.dat"));
    const std::string named = SaveAs("a.dat");
    struct Case {
        MessageAnswer Reply;
        size_t Saves;       // saves done by the answer
        bool ChooserAsked;  // the open window was shown
    };
    const Case cases[] = {{kCancel, 0, false}, {kNo, 0, true}, {kYes, 1, true}};
    for (const auto& c : cases) {
        store_->Changed = true;
        const size_t saves = store_->Saved.size();
        const size_t calls = chooser_->Calls.size();
        Asked.clear();
        Answer({c.Reply});
        chooser_->Answers.push_back(file);
        trigger("mnuFileOpen");
        ASSERT_EQ(Asked.size(), 1u);
        EXPECT_EQ(Asked[0].Shown, "File has been modify,save it now?");
        EXPECT_EQ(Asked[0].Buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(Asked[0].Icon, MessageIcon::Warning);
        EXPECT_EQ(store_->Saved.size() - saves, c.Saves);
        if (c.Saves) {
            EXPECT_EQ(store_->Saved.back(), named);
        }
        EXPECT_EQ(chooser_->Calls.size() - calls, c.ChooserAsked ? 1u : 0u);
        if (!c.ChooserAsked) {
            chooser_->Answers.clear();
            EXPECT_EQ(doc().DocumentName, named);
        } else {
            EXPECT_EQ(doc().DocumentName, file.toStdString());
            EXPECT_EQ(title(), QStringLiteral("KV-7700[28.0000 - 29.6990 MHz][File Name:c.dat]"));
        }
        // Back to a.dat for the next case.
        doc().DocumentName = named;
    }
}

TEST_F(DocumentCommandsTest, YesToTheSaveQuestionOnAnUntitledDocumentGoesToSaveAs) {
    store_->Changed = true;
    Answer({kYes});
    trigger("mnuFileOpen");  // Save As is cancelled: so is the Open
    ASSERT_EQ(chooser_->Calls.size(), 1u);
    EXPECT_TRUE(chooser_->Calls[0].Save);
    EXPECT_TRUE(store_->Saved.empty());
    EXPECT_TRUE(store_->Opened.empty());

    const QString path = dir_.filePath(QStringLiteral("d.dat"));
    Answer({kYes});
    chooser_->Answers = {path, std::nullopt};
    trigger("mnuFileOpen");
    EXPECT_EQ(store_->Saved, std::vector<std::string>{path.toStdString()});
    ASSERT_EQ(chooser_->Calls.size(), 3u);
    EXPECT_FALSE(chooser_->Calls[2].Save);
}

TEST_F(DocumentCommandsTest, ExitAsksAboutUnsavedChanges) {
    main().show();
    const std::string named = SaveAs("a.dat");
    store_->Changed = true;

    Answer({kCancel});
    EXPECT_FALSE(main().close());
    EXPECT_TRUE(main().isVisible());

    Answer({kYes});
    EXPECT_TRUE(main().close());
    EXPECT_EQ(store_->Saved.back(), named);
    EXPECT_EQ(store_->Saved.size(), 2u);

    main().show();
    store_->Changed = true;
    Answer({kNo});
    EXPECT_TRUE(main().close());
    EXPECT_EQ(store_->Saved.size(), 2u);

    main().show();
    store_->Changed = false;
    EXPECT_TRUE(main().close());  // unchanged: no question
    EXPECT_EQ(Asked.size(), 3u);
}

TEST_F(DocumentCommandsTest, ExitOfAnUntitledDocumentSavesThroughSaveAs) {
    main().show();
    store_->Changed = true;
    Answer({kYes});
    EXPECT_FALSE(main().close());  // Save As cancelled: the program keeps running
    ASSERT_EQ(chooser_->Calls.size(), 1u);
    EXPECT_TRUE(chooser_->Calls[0].Save);
    EXPECT_TRUE(store_->Saved.empty());

    const QString path = dir_.filePath(QStringLiteral("e.dat"));
    chooser_->Answers.push_back(path);
    Answer({kYes});
    EXPECT_TRUE(main().close());
    EXPECT_EQ(store_->Saved, std::vector<std::string>{path.toStdString()});
}

TEST_F(DocumentCommandsTest, ExitWithAFailedSaveKeepsTheProgramRunning) {
    main().show();
    SaveAs("a.dat");
    store_->Changed = true;
    store_->SaveFails = true;
    Answer({kYes, kOk});
    EXPECT_FALSE(main().close());
    EXPECT_EQ(Shown(1), "file error.");
}

TEST_F(DocumentCommandsTest, OpenFailureShowsTheMessageAndKeepsTheName) {
    store_->NextOpen = {OpenOutcome::Kind::Failed, UnknownDataVersionText(), {}};
    chooser_->Answers.push_back(dir_.filePath(QStringLiteral("bad.dat")));
    Answer({kOk});
    trigger("mnuFileOpen");
    EXPECT_EQ(Shown(0), "Unknown version Of DataFile!");
    EXPECT_EQ(doc().DocumentName, "new.dat");
    EXPECT_TRUE(doc().DocumentUntitled);
}

TEST_F(DocumentCommandsTest, HandOverAsksToSaveFirstAndCancelAbandonsIt) {
    QSignalSpy quit(&main(), &MainWindow::quitRequested);
    store_->NextOpen = {OpenOutcome::Kind::OtherVersion, VersionMismatchText("V100", "V101", 1),
                        "V101"};
    const QString other = dir_.filePath(QStringLiteral("v101.dat"));

    store_->Changed = true;
    Answer({kCancel});
    EXPECT_FALSE(main().HandOverTo("V101"));
    EXPECT_TRUE(store_->HandOvers.empty());
    EXPECT_EQ(quit.count(), 0);
    EXPECT_EQ(Shown(0), "File has been modify,save it now?");
    Asked.clear();

    // The version question: No stays; Yes hands over and ends the process with code 0.
    store_->Changed = false;
    chooser_->Answers.push_back(other);
    Answer({kNo});
    trigger("mnuFileOpen");
    EXPECT_EQ(Asked[0].Text, VersionMismatchText("V100", "V101", 1));
    EXPECT_EQ(Asked[0].Buttons, MessageButtons::YesNo);
    EXPECT_EQ(Asked[0].Icon, MessageIcon::None);
    EXPECT_TRUE(store_->HandOvers.empty());
    EXPECT_EQ(doc().DocumentName, "new.dat");

    chooser_->Answers.push_back(other);
    Answer({kYes});
    trigger("mnuFileOpen");
    EXPECT_EQ(store_->HandOvers, std::vector<std::string>{"V101"});
    ASSERT_EQ(quit.count(), 1);
    EXPECT_EQ(quit.at(0).at(0).toInt(), 0);
}

TEST_F(DocumentCommandsTest, HandOverToAMissingVersionSaysSoAndKeepsRunning) {
    QSignalSpy quit(&main(), &MainWindow::quitRequested);
    store_->OtherVersionStarts = false;
    Answer({kOk});
    EXPECT_FALSE(main().HandOverTo("V200"));
    EXPECT_EQ(Shown(0), "Fail to start the software. This version does not exist.");
    EXPECT_EQ(quit.count(), 0);
}

TEST_F(DocumentCommandsTest, InitialSettingReloadsTheTemplateWithoutAskingWhenUnchanged) {
    main().OpenEditor(QString::fromLatin1(kDtmfWindow));
    trigger("mnuInitialSetting");
    EXPECT_EQ(store_->Templates.back(), TemplateKind::InitialSetting);
    EXPECT_EQ(openEditors(), (std::vector<std::string>{kChannelWindow, kDtmfWindow}));
    EXPECT_TRUE(Asked.empty());
}

// Toolbar New and Initial Setting replace the document without the menu's warning, so unsaved
// changes are offered for saving first: Yes saves, No discards, Cancel keeps everything.
TEST_F(DocumentCommandsTest, ToolbarNewAndInitialSettingAskAboutUnsavedChanges) {
    SaveAs("a.dat");
    struct Case {
        const char* command;
        TemplateKind kind;
        MessageAnswer reply;
        bool saved;
        bool replaced;
    };
    const Case cases[] = {
        {"tbrNew", TemplateKind::New, kCancel, false, false},
        {"tbrNew", TemplateKind::New, kNo, false, true},
        {"tbrNew", TemplateKind::New, kYes, true, true},
        {"mnuInitialSetting", TemplateKind::InitialSetting, kCancel, false, false},
        {"mnuInitialSetting", TemplateKind::InitialSetting, kNo, false, true},
        {"mnuInitialSetting", TemplateKind::InitialSetting, kYes, true, true},
    };
    for (const auto& c : cases) {
        main().OpenEditor(QString::fromLatin1(kDtmfWindow));
        store_->Changed = true;
        const size_t saves = store_->Saved.size();
        const size_t templates = store_->Templates.size();
        Asked.clear();
        Answer({c.reply});
        trigger(c.command);
        ASSERT_FALSE(Asked.empty()) << c.command;
        EXPECT_EQ(Asked[0].Text, SharedMessages().UnsavedChanges) << c.command;
        EXPECT_EQ(store_->Saved.size() - saves, c.saved ? 1u : 0u) << c.command;
        EXPECT_EQ(store_->Templates.size() - templates, c.replaced ? 1u : 0u) << c.command;
        if (c.replaced) {
            EXPECT_EQ(store_->Templates.back(), c.kind) << c.command;
        }
        EXPECT_EQ(openEditors().size(), 2u) << c.command;
    }
}

// Opening a file of another version asks about unsaved changes once, before the file window.
TEST_F(DocumentCommandsTest, OpeningAFileOfAnotherVersionAsksAboutChangesOnce) {
    store_->Changed = true;
    store_->NextOpen = {OpenOutcome::Kind::OtherVersion, VersionMismatchText("V100", "V101", 1),
                        "V101"};
    chooser_->Answers.push_back(dir_.filePath(QStringLiteral("v101.dat")));
    Answer({kNo, kYes});  // keep no changes; start the other version
    trigger("mnuFileOpen");
    ASSERT_EQ(Asked.size(), 2u);
    EXPECT_EQ(Asked[0].Text, SharedMessages().UnsavedChanges);
    EXPECT_EQ(Asked[1].Text, VersionMismatchText("V100", "V101", 1));
    EXPECT_EQ(store_->HandOvers, std::vector<std::string>{"V101"});
}

}  // namespace
}  // namespace kv::test
