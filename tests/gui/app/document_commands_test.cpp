// New, Open, Save, Save As, Exit and the hand-over, with every answer to their questions, on the
// installation's real data files, templates and version table.
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include "app/main_window_tables.h"
#include "shell_fixture.h"

namespace kv::test {
namespace {

constexpr MessageAnswer kOk = MessageAnswer::Ok;
constexpr MessageAnswer kCancel = MessageAnswer::Cancel;
constexpr MessageAnswer kYes = MessageAnswer::Yes;
constexpr MessageAnswer kNo = MessageAnswer::No;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DocumentCommandsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        // V101 is installed beside this version only where a test puts it; V200 is listed but
        // never installed.
        WriteVersionFile({"V100-V100", "V101-V101", "V200-V200"});
        CopyTemplates();
        MarkTemplates("NW", "IS");
        // A fresh installation: without the HF option the channel window shows CB, and the
        // title names the band shown.
        Start("en_US", false);
    }
    // Saves the document as `name` in the scratch folder through Save As.
    std::string SaveAs(const char* name) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        chooser_->Answers.push_back(path);
        trigger("mnuFileSaveAs");
        return path.toStdString();
    }
    std::string Shown(size_t i) { return i < Asked.size() ? Asked[i].Shown : std::string(); }
    // An edit of the working data that a save stores.
    void Rename(const char* name) { doc().settings().GroupName(kBandHf, 1).assign(name); }
    // HF group 1's name as the pair at `path` holds it; empty when the pair cannot be read.
    static std::string NameIn(const std::string& path) {
        const std::unique_ptr<Document> saved = ReadPair(QString::fromStdString(path));
        return saved ? saved->settings().GroupName(kBandHf, 1).trimmed() : std::string();
    }
    // A pair saved by program version V101: the shipped template with that version mark.
    QString OtherVersionFile() {
        const QString path = dir_.filePath(QStringLiteral("v101.dat"));
        for (const char* extension : {".dat", ".fre"})
            EXPECT_TRUE(QFile::copy(
                QStringLiteral(KV_PROGRAM_DIR "/Init/1_KV7700_New") + QLatin1String(extension),
                dir_.filePath(QStringLiteral("v101") + extension)));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        file.write("V101");
        return path;
    }
    QStringList filesInScratch() {
        return QDir(dir_.path())
            .entryList({QStringLiteral("*.dat"), QStringLiteral("*.fre")}, QDir::Files);
    }
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
    EXPECT_TRUE(PairHoldsTheDocument(path));
    EXPECT_EQ(QFileInfo(path).size(), 2885);
    EXPECT_TRUE(Asked.empty());
    EXPECT_EQ(doc().DocumentName, path.toStdString());
    EXPECT_FALSE(doc().DocumentUntitled);
    EXPECT_EQ(title(), QStringLiteral("KV-7700[26.96500 - 27.86125 MHz][File Name:a.dat]"));
}

TEST_F(DocumentCommandsTest, SaveOfANamedDocumentAsksToOverwriteTheQuotedFileName) {
    const std::string path = SaveAs("a.dat");
    Rename("ZZ");

    Answer({kCancel});
    trigger("mnuFileSave");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, "\"a.dat\"file will be Overwrite,Continue?");
    EXPECT_EQ(Asked[0].Buttons, MessageButtons::OkCancel);
    EXPECT_EQ(Asked[0].Icon, MessageIcon::Question);
    EXPECT_EQ(NameIn(path), "NW");

    Answer({kOk});
    trigger("tbrSave");
    EXPECT_EQ(NameIn(path), "ZZ");
    EXPECT_TRUE(PairHoldsTheDocument(QString::fromStdString(path)));
    EXPECT_EQ(title(), QStringLiteral("KV-7700[26.96500 - 27.86125 MHz][File Name:a.dat]"));
}

TEST_F(DocumentCommandsTest, FailedSaveAsKeepsTheNameTitleAndUntitledState) {
    Answer({kOk});
    SaveAs("missing/b.dat");

    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, "file error.\n" +
                                  dir_.filePath(QStringLiteral("missing/b.fre")).toStdString() +
                                  ": the file or its folder does not exist");
    EXPECT_EQ(doc().DocumentName, "new.dat");
    EXPECT_TRUE(doc().DocumentUntitled);
    EXPECT_EQ(title(), QStringLiteral("KV-7700[26.96500 - 27.86125 MHz][File Name:new.dat]"));
    EXPECT_TRUE(filesInScratch().isEmpty());
}

TEST_F(DocumentCommandsTest, CancelInTheFileWindowChangesNothing) {
    const std::string path = SaveAs("a.dat");
    const QByteArray saved = Contents(QString::fromStdString(path));
    main().OpenEditor(QString::fromLatin1(kSettingsWindow));
    trigger("mnuFileSaveAs");  // the chooser has no answer queued: Cancel
    trigger("mnuFileOpen");
    EXPECT_EQ(doc().DocumentName, path);
    EXPECT_EQ(Contents(QString::fromStdString(path)), saved);
    EXPECT_EQ(filesInScratch(), (QStringList{QStringLiteral("a.dat"), QStringLiteral("a.fre")}));
    // An open, even a failed one, would have closed the settings window.
    EXPECT_EQ(openEditors(), (std::vector<std::string>{kChannelWindow, kSettingsWindow}));
}

TEST_F(DocumentCommandsTest, MenuNewWarnsAndTheToolbarNewDoesNot) {
    main().OpenEditor(QString::fromLatin1(kSettingsWindow));
    Rename("ZZ");

    Answer({kCancel});
    trigger("mnuFileNew");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, "All data will be cleared.");
    EXPECT_EQ(Asked[0].Buttons, MessageButtons::OkCancel);
    EXPECT_EQ(Asked[0].Icon, MessageIcon::Warning);
    EXPECT_EQ(hfGroupName(), "ZZ");
    EXPECT_EQ(openEditors().size(), 2u);

    Answer({kOk});
    trigger("mnuFileNew");
    EXPECT_EQ(hfGroupName(), "NW");
    // The open windows stay and show the new document.
    EXPECT_EQ(openEditors(), (std::vector<std::string>{kChannelWindow, kSettingsWindow}));

    // The toolbar reads the template again from the installation.
    MarkTemplates("N2", "IS");
    trigger("tbrNew");
    EXPECT_EQ(Asked.size(), 2u);
    EXPECT_EQ(hfGroupName(), "N2");
}

TEST_F(DocumentCommandsTest, NewKeepsTheNameOfTheLastFile) {
    Rename("ZZ");
    SaveAs("a.dat");
    trigger("tbrNew");
    EXPECT_EQ(hfGroupName(), "NW");
    EXPECT_EQ(title(), QStringLiteral("KV-7700[26.96500 - 27.86125 MHz][File Name:a.dat]"));
    Answer({kCancel});
    trigger("mnuFileSave");
    EXPECT_EQ(Shown(0), "\"a.dat\"file will be Overwrite,Continue?");
}

TEST_F(DocumentCommandsTest, OpenAsksAboutUnsavedChangesFirst) {
    Rename("CC");
    const QString file = QString::fromStdString(SaveAs("c.dat"));
    Rename("AA");
    const std::string named = SaveAs("a.dat");
    struct Case {
        MessageAnswer Reply;
        const char* Edit;
        bool Saved;         // the answer saved the edit into a.dat
        bool ChooserAsked;  // the open window was shown
    };
    const Case cases[] = {
        {kCancel, "E1", false, false}, {kNo, "E2", false, true}, {kYes, "E3", true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Edit);
        Rename(c.Edit);
        const std::string inFile = NameIn(named);
        const size_t calls = chooser_->Calls.size();
        Asked.clear();
        Answer({c.Reply});
        chooser_->Answers.push_back(file);
        trigger("mnuFileOpen");
        ASSERT_EQ(Asked.size(), 1u);
        EXPECT_EQ(Asked[0].Shown, "File has been modify,save it now?");
        EXPECT_EQ(Asked[0].Buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(Asked[0].Icon, MessageIcon::Warning);
        EXPECT_EQ(NameIn(named), c.Saved ? c.Edit : inFile);
        EXPECT_EQ(chooser_->Calls.size() - calls, c.ChooserAsked ? 1u : 0u);
        if (!c.ChooserAsked) {
            chooser_->Answers.clear();
            EXPECT_EQ(doc().DocumentName, named);
            EXPECT_EQ(hfGroupName(), c.Edit);
        } else {
            EXPECT_EQ(doc().DocumentName, file.toStdString());
            EXPECT_EQ(hfGroupName(), "CC");
            EXPECT_EQ(title(), QStringLiteral("KV-7700[26.96500 - 27.86125 MHz][File Name:c.dat]"));
        }
        // Back to a.dat for the next case.
        doc().DocumentName = named;
    }
}

TEST_F(DocumentCommandsTest, YesToTheSaveQuestionOnAnUntitledDocumentGoesToSaveAs) {
    Rename("ZZ");
    Answer({kYes});
    trigger("mnuFileOpen");  // Save As is cancelled: so is the Open
    ASSERT_EQ(chooser_->Calls.size(), 1u);
    EXPECT_TRUE(chooser_->Calls[0].Save);
    EXPECT_TRUE(filesInScratch().isEmpty());
    EXPECT_EQ(hfGroupName(), "ZZ");
    EXPECT_TRUE(doc().DocumentUntitled);

    const QString path = dir_.filePath(QStringLiteral("d.dat"));
    Answer({kYes});
    chooser_->Answers = {path, std::nullopt};
    trigger("mnuFileOpen");
    EXPECT_TRUE(PairHoldsTheDocument(path));
    EXPECT_EQ(NameIn(path.toStdString()), "ZZ");
    ASSERT_EQ(chooser_->Calls.size(), 3u);
    EXPECT_FALSE(chooser_->Calls[2].Save);
}

TEST_F(DocumentCommandsTest, ExitAsksAboutUnsavedChanges) {
    main().show();
    const std::string named = SaveAs("a.dat");
    Rename("Y1");

    Answer({kCancel});
    EXPECT_FALSE(main().close());
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(NameIn(named), "NW");

    Answer({kYes});
    EXPECT_TRUE(main().close());
    EXPECT_EQ(NameIn(named), "Y1");

    main().show();
    Rename("N1");
    Answer({kNo});
    EXPECT_TRUE(main().close());
    EXPECT_EQ(NameIn(named), "Y1");

    main().show();
    Rename("Y1");                 // back to what the file holds
    EXPECT_TRUE(main().close());  // unchanged: no question
    EXPECT_EQ(Asked.size(), 3u);
}

TEST_F(DocumentCommandsTest, ExitOfAnUntitledDocumentSavesThroughSaveAs) {
    main().show();
    Rename("ZZ");
    Answer({kYes});
    EXPECT_FALSE(main().close());  // Save As cancelled: the program keeps running
    ASSERT_EQ(chooser_->Calls.size(), 1u);
    EXPECT_TRUE(chooser_->Calls[0].Save);
    EXPECT_TRUE(filesInScratch().isEmpty());

    const QString path = dir_.filePath(QStringLiteral("e.dat"));
    chooser_->Answers.push_back(path);
    Answer({kYes});
    EXPECT_TRUE(main().close());
    EXPECT_TRUE(PairHoldsTheDocument(path));
    EXPECT_EQ(NameIn(path.toStdString()), "ZZ");
}

TEST_F(DocumentCommandsTest, ExitWithAFailedSaveKeepsTheProgramRunning) {
    main().show();
    const QString path = QString::fromStdString(SaveAs("a.dat"));
    ASSERT_TRUE(
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    Rename("ZZ");
    Answer({kYes, kOk});
    EXPECT_FALSE(main().close());
    EXPECT_EQ(Shown(1), "file error.\n" + path.toStdString() + ": the file is read-only");
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(NameIn(path.toStdString()), "NW");
    EXPECT_EQ(title(), QStringLiteral("KV-7700[26.96500 - 27.86125 MHz][File Name:a.dat]*"));
}

// A file that cannot be read is told and nothing of the document is lost.
TEST_F(DocumentCommandsTest, OpenFailureShowsTheMessageAndKeepsTheName) {
    const QString saved = QString::fromStdString(SaveAs("saved.dat"));
    const QByteArray pair = Contents(saved);
    const QByteArray companion = Contents(dir_.filePath(QStringLiteral("saved.fre")));
    const QString bad = dir_.filePath(QStringLiteral("bad.dat"));
    const QString badCompanion = dir_.filePath(QStringLiteral("bad.fre"));
    struct Case {
        const char* what;
        QByteArray data;       // bad.dat
        QByteArray companion;  // bad.fre; none when empty
        std::string shown;
    };
    const Case cases[] = {
        {"garbage", QByteArray("\x01\x02garbage", 9), companion, "Unknown version Of DataFile!"},
        {"truncated", pair.left(100), companion,
         "Fail to start the software. This version does not exist.\nThe file holds 100 bytes; a "
         "data file holds 2885 bytes."},
        {"no companion",
         pair,
         {},
         "file error.\n" + badCompanion.toStdString() + ": the file or its folder does not exist"},
    };
    Rename("ZZ");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& [path, bytes] :
             {std::pair{bad, c.data}, std::pair{badCompanion, c.companion}}) {
            QFile::remove(path);
            QFile file(path);
            if (!bytes.isEmpty()) {
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(bytes);
            }
        }
        Asked.clear();
        chooser_->Answers.push_back(bad);
        Answer({kNo, kOk});  // keep no changes; the failure
        trigger("mnuFileOpen");
        ASSERT_EQ(Asked.size(), 2u);
        EXPECT_EQ(Shown(1), c.shown);
        EXPECT_EQ(doc().DocumentName, saved.toStdString());
        EXPECT_EQ(hfGroupName(), "ZZ");
    }
}

TEST_F(DocumentCommandsTest, HandOverAsksToSaveFirstAndCancelAbandonsIt) {
    QSignalSpy quit(&main(), &MainWindow::quitRequested);
    const QString started = InstallOtherVersion("V101");
    const QString other = OtherVersionFile();

    Rename("ZZ");
    Answer({kCancel});
    EXPECT_FALSE(main().HandOverTo("V101"));
    EXPECT_EQ(quit.count(), 0);
    EXPECT_EQ(Shown(0), "File has been modify,save it now?");
    Asked.clear();

    // The version question: No stays; Yes hands over and ends the process with code 0.
    Rename("NW");  // back to the template: nothing to save
    chooser_->Answers.push_back(other);
    Answer({kNo});
    trigger("mnuFileOpen");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text, VersionMismatchText("V100", "V101", 1));
    EXPECT_EQ(Asked[0].Buttons, MessageButtons::YesNo);
    EXPECT_EQ(Asked[0].Icon, MessageIcon::None);
    EXPECT_EQ(doc().DocumentName, "new.dat");

    chooser_->Answers.push_back(other);
    Answer({kYes});
    trigger("mnuFileOpen");
    ASSERT_EQ(quit.count(), 1);
    EXPECT_EQ(quit.at(0).at(0).toInt(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(started); }, 20000));
}

TEST_F(DocumentCommandsTest, HandOverToAMissingVersionSaysSoAndKeepsRunning) {
    QSignalSpy quit(&main(), &MainWindow::quitRequested);
    Answer({kOk});
    EXPECT_FALSE(main().HandOverTo("V200"));
    EXPECT_EQ(Shown(0), "Fail to start the software. This version does not exist.");
    EXPECT_EQ(quit.count(), 0);
}

TEST_F(DocumentCommandsTest, InitialSettingReloadsTheTemplateWithoutAskingWhenUnchanged) {
    main().OpenEditor(QString::fromLatin1(kDtmfWindow));
    trigger("mnuInitialSetting");
    EXPECT_EQ(hfGroupName(), "IS");
    EXPECT_EQ(openEditors(), (std::vector<std::string>{kChannelWindow, kDtmfWindow}));
    EXPECT_TRUE(Asked.empty());
}

// Toolbar New and Initial Setting replace the document without the menu's warning, so unsaved
// changes are offered for saving first: Yes saves, No discards, Cancel keeps everything.
TEST_F(DocumentCommandsTest, ToolbarNewAndInitialSettingAskAboutUnsavedChanges) {
    const std::string named = SaveAs("a.dat");
    struct Case {
        const char* command;
        const char* templateName;  // HF group 1's name in the template the command loads
        MessageAnswer reply;
        bool saved;
        bool replaced;
    };
    const Case cases[] = {
        {"tbrNew", "NW", kCancel, false, false},
        {"tbrNew", "NW", kNo, false, true},
        {"tbrNew", "NW", kYes, true, true},
        {"mnuInitialSetting", "IS", kCancel, false, false},
        {"mnuInitialSetting", "IS", kNo, false, true},
        {"mnuInitialSetting", "IS", kYes, true, true},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string edit = "E" + std::to_string(++n);
        SCOPED_TRACE(edit);
        main().OpenEditor(QString::fromLatin1(kDtmfWindow));
        Rename(edit.c_str());
        const std::string inFile = NameIn(named);
        Asked.clear();
        Answer({c.reply});
        trigger(c.command);
        ASSERT_FALSE(Asked.empty()) << c.command;
        EXPECT_EQ(Asked[0].Text, SharedMessages().UnsavedChanges) << c.command;
        EXPECT_EQ(NameIn(named), c.saved ? edit : inFile) << c.command;
        EXPECT_EQ(hfGroupName(), c.replaced ? c.templateName : edit) << c.command;
        // A replaced document keeps the open windows.
        EXPECT_EQ(openEditors().size(), 2u) << c.command;
    }
}

// Opening a file of another version asks about unsaved changes once, before the file window.
TEST_F(DocumentCommandsTest, OpeningAFileOfAnotherVersionAsksAboutChangesOnce) {
    const QString started = InstallOtherVersion("V101");
    Rename("ZZ");
    chooser_->Answers.push_back(OtherVersionFile());
    Answer({kNo, kYes});  // keep no changes; start the other version
    trigger("mnuFileOpen");
    ASSERT_EQ(Asked.size(), 2u);
    EXPECT_EQ(Asked[0].Text, SharedMessages().UnsavedChanges);
    EXPECT_EQ(Asked[1].Text, VersionMismatchText("V100", "V101", 1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(started); }, 20000));
}

}  // namespace
}  // namespace kv::test
