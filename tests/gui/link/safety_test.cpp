// The safety net in the main window against the simulated radio: a write that backs up, writes
// and verifies on one port opening, a radio that loses a block or falls silent, backups that
// open through File → Open, the Setup options, the backup folder and the diagnostic report.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "app/main_window_tables.h"
#include "app/shared_messages.h"
#include "app/ui/main_window.h"
#include "codec/image_codec.h"
#include "gui/link/link_fixture.h"
#include "link/backup_store.h"
#include "link/frames.h"
#include "link/safety_texts.h"
#include "link/ui/progress_window.h"
#include "link/ui/radio_commands.h"
#include "link/ui/safety_commands.h"
#include "link/write_job.h"
#include "platform/gzip_file.h"
#include "platform/raw_image_file.h"
#include "platform/serial_session.h"
#include "platform/user_data_folder.h"

namespace kv::linktest {
namespace {

using test::PatternImage;
using Frames = std::vector<std::vector<std::uint8_t>>;

constexpr int kJobTimeoutMs = 90000;

std::size_t CountFrames(const Frames& frames, std::uint8_t first, std::size_t length) {
    return static_cast<std::size_t>(std::count_if(frames.begin(), frames.end(), [&](const auto& f) {
        return f.size() == length && f.front() == first;
    }));
}

bool SameData(const RadioData& a, const RadioData& b) {
    return a.Config == b.Config && a.Store.Channels == b.Store.Channels &&
           a.Store.CbMemChannels == b.Store.CbMemChannels;
}

// Receives what the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class SafetyTest : public LinkFixture {
protected:
    // The per-user data folder is the test-mode one; each test starts with it empty.
    SafetyTest() { QDir(UserDataFolder()).removeRecursively(); }
    ~SafetyTest() override { QDir(UserDataFolder()).removeRecursively(); }

    QStringList Backups(BackupKind kind) const {
        const QString pattern = QStringLiteral("*_%1.img").arg(BackupKindName(kind));
        return QDir(BackupFolder()).entryList({pattern}, QDir::Files, QDir::Name);
    }
    std::unique_ptr<MemoryImage> LoadBackup(const QString& name) const {
        auto image = std::make_unique<MemoryImage>();
        EXPECT_EQ(LoadRawImage(QDir(BackupFolder()).filePath(name), *image), QString());
        return image;
    }
    bool WaitForShownText(const std::string& part, int timeoutMs = kJobTimeoutMs) {
        return QTest::qWaitFor([&] { return CountShownContaining(part) > 0; }, timeoutMs);
    }
    int CountShownContaining(const std::string& part) const {
        return static_cast<int>(std::count_if(shown().begin(), shown().end(), [&](const auto& r) {
            return r.Text.en.find(part) != std::string::npos;
        }));
    }
    // Records every phase the progress window names while the transfer runs.
    void RecordPhases() {
        phasePoll_.setInterval(2);
        QObject::connect(&phasePoll_, &QTimer::timeout, [this] {
            auto* window = qobject_cast<ProgressWindow*>(QApplication::activeModalWidget());
            if (window == nullptr) return;
            const QString phase = window->findChild<QLabel*>(QStringLiteral("Label3"))->text();
            if (phases_.isEmpty() || phases_.last() != phase) phases_.append(phase);
        });
        phasePoll_.start();
    }

    QTimer phasePoll_;
    QStringList phases_;
};

// Both options on: the radio is read and kept, written, read back and compared, all on one port
// opening; the completion message comes only after the compare.
TEST_F(SafetyTest, WriteBacksUpWritesAndVerifies) {
    const auto radio = std::make_unique<MemoryImage>(PatternImage(9));
    ASSERT_TRUE(StartRadio(*radio));
    doc_->settings().Squelch = 5;
    RecordPhases();

    Trigger("mnuWriteToRadio");
    ASSERT_TRUE(QTest::qWaitFor([&] { return CountShown(SharedMessages().WriteCompleted) > 0; },
                                kJobTimeoutMs));

    ASSERT_EQ(shown().size(), 2u);
    EXPECT_EQ(shown()[0].Text, SharedMessages().WriteConfirmation);
    EXPECT_EQ(phases_,
              (QStringList{"Backing up the radio", "Writing to the radio", "Verifying the radio"}));
    EXPECT_FALSE(commands().session().isPortOpen());
    const auto encoded = std::make_unique<MemoryImage>();
    EncodeImage(doc_->Working, *encoded);

    const QStringList read = Backups(BackupKind::Read);
    const QStringList written = Backups(BackupKind::Written);
    ASSERT_EQ(read.size(), 1) << "the backup read; the verify read is not kept";
    ASSERT_EQ(written.size(), 1);
    EXPECT_TRUE(*LoadBackup(read[0]) == *TransferredPart(*radio)) << "the radio as it was";
    EXPECT_TRUE(*LoadBackup(written[0]) == *encoded) << "what was sent";

    sim_.Stop();
    const Frames frames = sim_.ReceivedFrames();
    EXPECT_EQ(CountFrames(frames, 'P', kHandshakeRequestLength), 3u);
    EXPECT_EQ(CountFrames(frames, 'R', kReadRequestLength), 2 * 1872u);
    EXPECT_EQ(CountFrames(frames, 'W', kDataFrameLength), 1872u);
    EXPECT_TRUE(*TransferredPart(sim_.SavedImage()) == *TransferredPart(*encoded));
}

// Requests 1 to 1875 are the backup read; the write's handshake is 1876, its identification
// 1877, its first block 1878 and the block at 0x00090 request 1887.
TEST_F(SafetyTest, VerifyReportsALostBlockInsteadOfTheCompletion) {
    ASSERT_TRUE(StartRadio(PatternImage(2), {"--lose-write", "1887"}));

    Trigger("mnuWriteToRadio");
    ASSERT_TRUE(WaitForShownText("Verifying found"));

    EXPECT_EQ(CountShown(VerifyMismatchText({0x00090})), 1);
    EXPECT_EQ(CountShown(SharedMessages().WriteCompleted), 0);
    EXPECT_TRUE(VerifyMismatchText({0x00090}).en.find("0x00090") != std::string::npos);

    // The report of this write says so at its top, and each of its three traces names its phase
    // and the job's outcome.
    const QString report = dir_.filePath("report.txt.gz");
    chooser_.savePath = report;
    Trigger("mnuSaveDiagnosticReport");
    QFile file(report);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::optional<std::string> text = GzipDecompress(file.readAll());
    ASSERT_TRUE(text);
    const std::string jobFailed =
        "job failed, the verify read found 1 block different from what was written (0x00090)";
    const std::size_t summary = text->find("== Summary of the last sessions, newest first ==\n");
    const std::size_t versions = text->find("== Versions ==");
    ASSERT_LT(summary, versions);
    const std::string top = text->substr(summary, versions - summary);
    const char* const phases[] = {"verify read", "write", "backup read"};  // newest first
    std::size_t at = 0;
    for (const char* phase : phases) {
        at = top.find(std::string("  ") + phase + ": session succeeded; " + jobFailed + '\n', at);
        EXPECT_NE(at, std::string::npos) << phase << '\n' << top;
    }
    for (const char* phase : phases)
        EXPECT_NE(text->find(std::string("\nPhase: ") + phase + '\n'), std::string::npos) << phase;
    std::size_t jobLines = 0;
    for (std::size_t p = text->find("Job outcome: failed, the verify read found 1 block");
         p != std::string::npos; p = text->find("Job outcome: failed, the verify read", p + 1))
        ++jobLines;
    EXPECT_EQ(jobLines, 3u);
    EXPECT_NE(text->find("Differing blocks: 0x00090\nJob message: Verifying found 1 block"),
              std::string::npos);
}

// A radio that stops answering during the backup read is not written at all.
TEST_F(SafetyTest, SilenceDuringTheBackupReadWritesNothing) {
    ASSERT_TRUE(StartRadio(PatternImage(4), {"--silent-after", "100"}));

    Trigger("mnuWriteToRadio");
    ASSERT_TRUE(WaitForShownText("so nothing was written"));

    EXPECT_EQ(CountShown(SharedMessages().WriteCompleted), 0);
    EXPECT_TRUE(Backups(BackupKind::Read).isEmpty());
    EXPECT_TRUE(Backups(BackupKind::Written).isEmpty());
    sim_.Stop();
    EXPECT_EQ(CountFrames(sim_.ReceivedFrames(), 'W', kDataFrameLength), 0u);
    EXPECT_TRUE(sim_.SavedImage() == PatternImage(4));
}

// The Setup options are kept in the settings file; with verifying off the write ends after its
// own session.
TEST_F(SafetyTest, OptionsAreStoredAndFollowed) {
    QAction* verify = main().menuAction(QStringLiteral("mnuVerifyAfterWrite"));
    QAction* backup = main().menuAction(QStringLiteral("mnuBackupBeforeWrite"));
    ASSERT_TRUE(verify && backup);
    EXPECT_TRUE(verify->isChecked());
    EXPECT_TRUE(backup->isChecked());
    verify->trigger();
    EXPECT_EQ(settings_->read("language", "VerifyAfterWrite"), std::optional<std::string>("0"));
    EXPECT_FALSE(settings_->read("language", "BackupBeforeWrite"));

    // A later start of the program finds the option as the user left it.
    verify->setChecked(true);
    SafetyCommands restarted(*context_, main(), nullptr);
    EXPECT_FALSE(verify->isChecked());
    EXPECT_TRUE(backup->isChecked());
    EXPECT_FALSE(restarted.writeOptions().VerifyAfter);

    ASSERT_TRUE(StartRadio(PatternImage(6)));
    Trigger("mnuWriteToRadio");
    ASSERT_TRUE(QTest::qWaitFor([&] { return CountShown(SharedMessages().WriteCompleted) > 0; },
                                kJobTimeoutMs));
    sim_.Stop();
    const Frames frames = sim_.ReceivedFrames();
    EXPECT_EQ(CountFrames(frames, 'P', kHandshakeRequestLength), 2u) << "backup and write only";
    EXPECT_EQ(CountFrames(frames, 'R', kReadRequestLength), 1872u);
}

// A backup made by a read opens through File → Open to the document the read produced.
TEST_F(SafetyTest, ReadBackupRestoresTheSameDocument) {
    const auto radio = std::make_unique<MemoryImage>(PatternImage(11));
    ASSERT_TRUE(StartRadio(*radio));
    Trigger("mnuReadFromRadio");
    ASSERT_EQ(CountShown(SharedMessages().ReadCompleted), 1);
    const auto read = std::make_unique<RadioData>(doc_->Working);
    const QStringList backups = Backups(BackupKind::Read);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(*LoadBackup(backups[0]) == *TransferredPart(*radio));

    doc_->settings().Squelch = static_cast<i16>(doc_->settings().Squelch + 1);
    doc_->DocumentName = "/data/other.dat";
    doc_->DocumentUntitled = false;
    chooser_.openPath = QDir(BackupFolder()).filePath(backups[0]);
    Trigger("mnuFileOpen");

    EXPECT_TRUE(chooser_.openFilter.endsWith(QStringLiteral(";;Radio image (*.img)")))
        << chooser_.openFilter.toStdString();
    EXPECT_TRUE(SameData(doc_->Working, *read));
    EXPECT_EQ(doc_->DocumentName, "new.dat");
    EXPECT_TRUE(doc_->DocumentUntitled);
    const auto windows = main().mdiArea()->subWindowList();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows[0]->widget()->objectName(), QLatin1String(kChannelWindow));
}

TEST_F(SafetyTest, AFileThatIsNotAWholeImageIsRefused) {
    const QString path = dir_.filePath("short.img");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100, '\x01'));
    file.close();
    doc_->DocumentName = "/data/mine.dat";
    doc_->DocumentUntitled = false;
    const auto before = std::make_unique<RadioData>(doc_->Working);
    const QWidget* window = channelWindow();
    chooser_.openPath = path;

    Trigger("mnuFileOpen");

    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].Text.en, "file error.\n" + path.toStdString() +
                                      ": the file has 100 bytes; a radio image has 139777");
    EXPECT_TRUE(shown()[0].Text.zh.starts_with("文件错误。\n"));
    EXPECT_TRUE(SameData(doc_->Working, *before));
    EXPECT_EQ(doc_->DocumentName, "/data/mine.dat");
    EXPECT_EQ(channelWindow(), window);
}

TEST_F(SafetyTest, HelpOpensTheBackupFolder) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    Trigger("mnuOpenBackupFolder");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0], QUrl::fromLocalFile(BackupFolder()));
    EXPECT_TRUE(QDir(BackupFolder()).exists());
}

// The report after a read holds that session's frames, the settings file and the versions.
TEST_F(SafetyTest, DiagnosticReportHoldsTheLastSession) {
    ASSERT_TRUE(StartRadio(PatternImage(1)));
    Trigger("mnuReadFromRadio");
    ASSERT_EQ(CountShown(SharedMessages().ReadCompleted), 1);
    const QString report = dir_.filePath("report.txt.gz");
    chooser_.savePath = report;

    Trigger("mnuSaveDiagnosticReport");

    QFile file(report);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::optional<std::string> text = GzipDecompress(file.readAll());
    ASSERT_TRUE(text);
    for (const char* part :
         {"KV-7700 diagnostic report", "Session: read", " tx 5 1 52 00 02 21 60 10\n",
          "Session outcome: succeeded", "[ports]", "COM42 = "})
        EXPECT_NE(text->find(part), std::string::npos) << part;
    EXPECT_EQ(shown().back().Text.en,
              "The diagnostic report has been saved:\n" + report.toStdString());
}

}  // namespace
}  // namespace kv::linktest

#include "safety_test.moc"
