// The recovery copy of a document with unsaved edits, in a scratch installation: when it is
// written and removed, and what the next start offers from the copies left behind.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <cstring>
#include <functional>

#include "app/recovery_texts.h"
#include "app/ui/recovery_keeper.h"
#include "app/ui/recovery_offer.h"
#include "files/recovery_file.h"
#include "files/staging.h"
#include "gui/document_editor.h"
#include "platform/recovery_store.h"
#include "shell_fixture.h"

namespace kv::test {
namespace {

constexpr MessageAnswer kYes = MessageAnswer::Yes;
constexpr MessageAnswer kNo = MessageAnswer::No;
constexpr MessageAnswer kOk = MessageAnswer::Ok;

std::vector<std::uint8_t> Contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

bool WriteBytes(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

class RecoveryTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        WriteVersionFile();
        CopyTemplates();
        MarkTemplates("NW", "IS");
    }
    QString folder() const { return dir_.filePath(QStringLiteral("language/recovery")); }
    RecoveryKeeper& keeper() { return main().recovery(); }
    // Names HF group 1 through the edit entry, as a window does.
    void EditGroupName(const char* name) {
        main().Editor().Apply(
            [name](Document& d) { d.settings().GroupName(kBandHf, 1).assign(name); },
            DocumentEdit{EditSection::Settings});
    }
    // The copy on the disk now, taken at once.
    std::vector<std::uint8_t> CopyNow() {
        keeper().TakeCopyNow();
        keeper().WaitForWriter();
        return Contents(keeper().copyPath());
    }
    bool CopyExists() {
        keeper().WaitForWriter();
        return !keeper().copyPath().isEmpty() && QFileInfo::exists(keeper().copyPath());
    }
    // A copy of a program that is gone, with the document named `name` holding `groupName`.
    QString LeaveCopy(const char* file, const std::string& name, const char* groupName) {
        RecoveryContent content;
        content.Working = doc().Working;
        content.Staged = doc().Staged;
        content.Working.Config.Settings.GroupName(kBandHf, 1).assign(groupName);
        content.DocumentName = name;
        content.DocumentUntitled = false;
        content.BandRangeText = doc().BandRangeText;
        content.TakenAt = "2026-12-11 06:00:00";
        QDir().mkpath(folder());
        const QString path = QDir(folder()).filePath(QString::fromLatin1(file));
        EXPECT_TRUE(WriteBytes(path, EncodeRecovery(content)));
        return path;
    }
};

TEST_F(RecoveryTest, AnEditIsCopiedWithinTheDelayAndTheCopyHoldsTheDocument) {
    Start("en_US", false);
    EditGroupName("ED");
    // The copy follows within the delay (one second), written by the writer thread.
    QTRY_VERIFY_WITH_TIMEOUT(CopyExists(), 5000);
    EXPECT_TRUE(keeper().copyPath().startsWith(folder()));
    const DecodedRecovery decoded = DecodeRecovery(Contents(keeper().copyPath()));
    ASSERT_EQ(decoded.Problem, RecoveryProblem::None);
    EXPECT_EQ(decoded.Content->Working.Config.Settings.GroupName(kBandHf, 1).trimmed(), "ED");
    EXPECT_EQ(decoded.Content->DocumentName, "new.dat");
    EXPECT_TRUE(decoded.Content->DocumentUntitled);
    // While this program runs its copy is never offered, to itself or to another start.
    EXPECT_TRUE(FindLeftRecoveryFiles(folder()).empty());
}

TEST_F(RecoveryTest, TheCopyGoesWhenTheDocumentHasNoUnsavedEdits) {
    Start("en_US", false);
    const QString saved = dir_.filePath(QStringLiteral("saved.dat"));
    struct Case {
        const char* name;
        std::function<void()> step;
        bool atOnce = true;  // an undo is seen only when the timer fires
    };
    // Each case names HF group 1 (two characters) before its step.
    const Case cases[] = {
        {"S1",
         [&] {
             chooser_->Answers.push_back(saved);
             trigger("mnuFileSaveAs");
         }},
        {"U1", [&] { main().UndoEdit(); }, false},
        {"N1",
         [&] {
             Answer({kOk});
             trigger("mnuFileNew");
         }},
        {"O1",
         [&] {
             Answer({kNo});
             chooser_->Answers.push_back(saved);
             trigger("mnuFileOpen");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditGroupName(c.name);
        ASSERT_FALSE(CopyNow().empty());
        c.step();
        ASSERT_FALSE(IsDocumentChanged(doc()));
        if (c.atOnce)
            EXPECT_FALSE(CopyExists());
        else
            QTRY_VERIFY_WITH_TIMEOUT(!CopyExists(), 5000);
    }
}

TEST_F(RecoveryTest, ACleanEndRemovesTheCopy) {
    Start("en_US", false);
    EditGroupName("ED");
    ASSERT_FALSE(CopyNow().empty());
    const QString path = keeper().copyPath();
    app_.reset();
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(QDir(folder()).entryList(QDir::Files).isEmpty());
}

TEST_F(RecoveryTest, TheNextStartOffersACopyLeftBehindAndYesRestoresItUnsaved) {
    Start("en_US", false);
    const std::string name = dir_.filePath(QStringLiteral("mine.dat")).toStdString();
    const QString left = LeaveCopy("recovery-1-1.kvrecovery", name, "RE");
    app_.reset();
    ASSERT_TRUE(QFileInfo::exists(left));

    Answer({kYes});
    Start("en_US", false);
    main().show();
    QTRY_VERIFY_WITH_TIMEOUT(!Asked.empty(), 5000);
    EXPECT_EQ(Asked.front().Text, RestoreQuestionText(name, "2026-12-11 06:00:00"));
    EXPECT_EQ(hfGroupName(), "RE");
    EXPECT_EQ(doc().DocumentName, name);
    EXPECT_FALSE(doc().DocumentUntitled);
    EXPECT_TRUE(IsDocumentChanged(doc()));
    EXPECT_TRUE(title().contains(QStringLiteral("mine.dat]*"))) << title().toStdString();
    EXPECT_FALSE(QFileInfo::exists(left));
    // The restored document is unsaved, so this program keeps a copy of it in turn.
    QTRY_VERIFY_WITH_TIMEOUT(CopyExists(), 5000);
}

TEST_F(RecoveryTest, NoRemovesTheCopyAndAStillRunningProgramsCopyIsNotOffered) {
    Start("en_US", false);
    const QString refused = LeaveCopy("recovery-1-1.kvrecovery", "/tmp/a.dat", "RF");
    const QString running = LeaveCopy("recovery-2-2.kvrecovery", "/tmp/b.dat", "RN");
    // The lock a running program holds on its copy.
    const int lock =
        ::open(QFile::encodeName(QDir(folder()).filePath(QStringLiteral("recovery-2-2.lock"))),
               O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(::flock(lock, LOCK_EX | LOCK_NB), 0);

    Answer({kNo});
    OfferLeftRecoveries(main(), folder());
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked.front().Text, RestoreQuestionText("/tmp/a.dat", "2026-12-11 06:00:00"));
    EXPECT_EQ(hfGroupName(), "NW");
    EXPECT_FALSE(QFileInfo::exists(refused));
    EXPECT_TRUE(QFileInfo::exists(running));
    ::close(lock);
}

TEST_F(RecoveryTest, ADamagedOrForeignCopyIsRefusedWithAMessageAndKeptAside) {
    Start("en_US", false);
    struct Case {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> change;
        std::function<TextPair(const std::string&)> message;
    };
    const Case cases[] = {
        {"cut short", [](auto& b) { b.resize(b.size() - 100); },
         [](const std::string& aside) { return RecoveryDamagedText(aside); }},
        {"another version",
         [](auto& b) {
             // The version mark follows the 16-byte mark, the layout number and its length; the
             // checksum no longer matches either, and the version is judged first.
             std::memcpy(&b[24], "V090", 4);
         },
         [](const std::string& aside) { return RecoveryOtherVersionText("V090", aside); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = LeaveCopy("recovery-3-3.kvrecovery", "/tmp/c.dat", "DM");
        auto bytes = Contents(path);
        c.change(bytes);
        ASSERT_TRUE(WriteBytes(path, bytes));
        Asked.clear();
        Answer({kOk});
        OfferLeftRecoveries(main(), folder());
        const QString aside = QDir(folder()).filePath(QStringLiteral("recovery-3-3.refused"));
        ASSERT_EQ(Asked.size(), 1u);
        EXPECT_EQ(Asked.front().Text, c.message(aside.toStdString()));
        EXPECT_EQ(hfGroupName(), "NW");
        EXPECT_FALSE(IsDocumentChanged(doc()));
        EXPECT_FALSE(QFileInfo::exists(path));
        EXPECT_EQ(Contents(aside), bytes);
        // Set aside, it is not offered again.
        Asked.clear();
        OfferLeftRecoveries(main(), folder());
        EXPECT_TRUE(Asked.empty());
    }
}

}  // namespace
}  // namespace kv::test
