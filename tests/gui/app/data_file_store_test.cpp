// The main window with the installation's real data files: save, the unsaved-changes test,
// open, and the version question for a file no installed version lists.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/staging.h"
#include "shell_fixture.h"

namespace kv::test {
namespace {

constexpr MessageAnswer kYes = MessageAnswer::Yes;
constexpr MessageAnswer kNo = MessageAnswer::No;
constexpr MessageAnswer kOk = MessageAnswer::Ok;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DataFileStoreTest : public ShellTest {
protected:
    void RenameGroup() { doc().settings().GroupName(1, 1).assign("ZZ"); }
};

TEST_F(DataFileStoreTest, SaveAsWritesThePairAndTheDocumentCountsAsUnchanged) {
    WriteVersionFile();
    Start();
    const QString path = dir_.filePath(QStringLiteral("a.dat"));
    chooser_->Answers.push_back(path);
    trigger("mnuFileSave");
    EXPECT_EQ(QFileInfo(path).size(), 2885);
    EXPECT_TRUE(QFileInfo::exists(dir_.filePath(QStringLiteral("a.fre"))));
    EXPECT_EQ(doc().DocumentName, path.toStdString());
    EXPECT_TRUE(main().close());  // nothing changed since the save: no question
}

TEST_F(DataFileStoreTest, AFailedSaveAsKeepsTheUntitledDocument) {
    Start();
    chooser_->Answers.push_back(dir_.filePath(QStringLiteral("missing/folder/b.dat")));
    Answer({kOk});
    trigger("mnuFileSaveAs");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown,
              "file error.\n" +
                  dir_.filePath(QStringLiteral("missing/folder/b.fre")).toStdString() +
                  ": the file or its folder does not exist");
    EXPECT_EQ(doc().DocumentName, "new.dat");
    EXPECT_TRUE(doc().DocumentUntitled);
}

TEST_F(DataFileStoreTest, ChangesAreNoticedAndOpenBringsTheSavedDataBack) {
    WriteVersionFile();
    Start();
    const QString path = dir_.filePath(QStringLiteral("a.dat"));
    chooser_->Answers.push_back(path);
    trigger("mnuFileSaveAs");

    RenameGroup();
    Answer({kNo});
    chooser_->Answers.push_back(path);
    trigger("mnuFileOpen");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, "File has been modify,save it now?");
    EXPECT_NE(doc().settings().GroupName(1, 1).trimmed(), "ZZ");
    EXPECT_FALSE(doc().DocumentUntitled);
}

// Save onto a pair its owner made read-only says so and leaves the file as it was; the edit still
// counts as unsaved.
TEST_F(DataFileStoreTest, SaveOntoAReadOnlyPairIsRefused) {
    WriteVersionFile();
    Start();
    const QString path = dir_.filePath(QStringLiteral("a.dat"));
    chooser_->Answers.push_back(path);
    trigger("mnuFileSaveAs");
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));
    const QByteArray before = Contents(path);

    RenameGroup();
    Answer({kOk, kOk});  // the overwrite question, then the refusal
    trigger("mnuFileSave");
    ASSERT_EQ(Asked.size(), 2u);
    EXPECT_EQ(Asked[1].Shown, "file error.\n" + path.toStdString() + ": the file is read-only");
    EXPECT_EQ(Contents(path), before);
    // The bits as `ls -l` shows them, not what this (root) process may do.
    const QFile::Permissions processBits = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    EXPECT_EQ(QFile::permissions(path) & ~processBits, readOnly);
    EXPECT_TRUE(IsDocumentChanged(doc()));
}

// A pair opened through symbolic links is saved into the files they lead to, which keep their
// permission bits; the links stay links.
TEST_F(DataFileStoreTest, SaveThroughSymbolicLinksReplacesTheirTargets) {
    WriteVersionFile();
    Start();
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("real")));
    const QString real = dir_.filePath(QStringLiteral("real/a.dat"));
    const QString realCompanion = dir_.filePath(QStringLiteral("real/a.fre"));
    chooser_->Answers.push_back(real);
    trigger("mnuFileSaveAs");
    const QFile::Permissions privateBits = QFile::ReadOwner | QFile::WriteOwner;
    for (const QString& file : {real, realCompanion})
        ASSERT_TRUE(QFile::setPermissions(file, privateBits));
    const QString link = dir_.filePath(QStringLiteral("link.dat"));
    ASSERT_TRUE(QFile::link(QStringLiteral("real/a.dat"), link));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("real/a.fre"), dir_.filePath(QStringLiteral("link.fre"))));

    const QByteArray before = Contents(real);
    chooser_->Answers.push_back(link);
    trigger("mnuFileOpen");
    ASSERT_EQ(doc().DocumentName, link.toStdString());
    RenameGroup();
    Answer({kOk});  // the overwrite question
    trigger("mnuFileSave");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, "\"link.dat\"file will be Overwrite,Continue?");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(dir_.filePath(QStringLiteral("link.fre"))).isSymLink());
    EXPECT_NE(Contents(real), before);
    EXPECT_EQ(Contents(real).size(), 2885);
    for (const QString& file : {real, realCompanion})
        EXPECT_EQ(QFile::permissions(file) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                  privateBits)
            << file.toStdString();
    EXPECT_EQ(QDir(dir_.filePath(QStringLiteral("real"))).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("a.dat"), QStringLiteral("a.fre")}));
}

struct FailedSaveCase {
    const char* name;
    const char* command;
    bool named;  // the document already has a file, in a folder that is then removed
};

class FailedSaveTest : public DataFileStoreTest,
                       public ::testing::WithParamInterface<FailedSaveCase> {};

// A save that fails keeps the edits counting as unsaved: Exit still asks, and No lets it go.
TEST_P(FailedSaveTest, ExitStillAsksAboutTheEdits) {
    WriteVersionFile();
    Start();
    main().show();
    const QString folder = dir_.filePath(QStringLiteral("gone"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/a.dat");
    if (GetParam().named) {
        chooser_->Answers.push_back(path);
        trigger("mnuFileSaveAs");
        Answer({kOk});  // the overwrite question
    } else {
        chooser_->Answers.push_back(path);
    }
    ASSERT_TRUE(QDir(folder).removeRecursively());
    RenameGroup();

    Answer({kOk});  // "file error."
    trigger(GetParam().command);
    ASSERT_FALSE(Asked.empty());
    EXPECT_EQ(Asked.back().Text.en.substr(0, 11), "file error.");

    Answer({MessageAnswer::Cancel});
    EXPECT_FALSE(main().close());
    EXPECT_EQ(Asked.back().Shown, "File has been modify,save it now?");
    Answer({kNo});
    EXPECT_TRUE(main().close());
}

INSTANTIATE_TEST_SUITE_P(SaveAndSaveAs, FailedSaveTest,
                         ::testing::Values(FailedSaveCase{"Save", "mnuFileSave", true},
                                           FailedSaveCase{"SaveAs", "mnuFileSaveAs", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DataFileStoreTest, AFileNoInstalledVersionListsAsksTheVersionQuestion) {
    WriteVersionFile();
    Start();
    const QString path = dir_.filePath(QStringLiteral("a.dat"));
    chooser_->Answers.push_back(path);
    trigger("mnuFileSaveAs");
    app_.reset();
    QFile::remove(dir_.filePath(QStringLiteral("Version.ini")));

    // Without a version table no pair lists the file: Yes finds no program to hand over to.
    Start();
    chooser_->Answers.push_back(path);
    Answer({kYes, kOk});
    trigger("mnuFileOpen");
    ASSERT_EQ(Asked.size(), 2u);
    EXPECT_EQ(Asked[0].Text, VersionMismatchText("V100", "V100", 1));
    EXPECT_EQ(Asked[0].Buttons, MessageButtons::YesNo);
    EXPECT_EQ(Asked[1].Shown, "Fail to start the software. This version does not exist.");
    EXPECT_EQ(doc().DocumentName, "new.dat");
}

TEST_F(DataFileStoreTest, TemplatesOfTheInitFolderAreLaidOverTheNewDocument) {
    WriteVersionFile();
    ASSERT_TRUE(QDir(programFolder()).mkpath(QStringLiteral("Init")));
    Start();
    doc().config().BandMode = 1;  // HF: the templates keep the range text that picks "1_"
    // Two templates of the HF-less range text ("1_"), each naming HF group 1 differently.
    for (const auto& [file, name] :
         {std::pair{"Init/1_KV7700_New.dat", "NW"}, std::pair{"Init/1_KV7700.dat", "IS"}}) {
        doc().settings().GroupName(1, 1).assign(name);
        chooser_->Answers.push_back(programFolder() + QLatin1Char('/') + QString::fromLatin1(file));
        trigger("mnuFileSaveAs");
    }
    app_.reset();

    Start();
    EXPECT_EQ(doc().settings().GroupName(1, 1).trimmed(), "NW");
    EXPECT_TRUE(main().close());  // the new document counts as unchanged
    main().show();
    trigger("mnuInitialSetting");
    EXPECT_EQ(doc().settings().GroupName(1, 1).trimmed(), "IS");
    EXPECT_EQ(doc().DocumentName, "new.dat");
}

}  // namespace
}  // namespace kv::test
