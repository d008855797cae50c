// kv7700-cli read and write against kv7700-sim: files produced, blocks compared, messages and
// exit statuses.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "codec/image_codec.h"
#include "e2e/cli_process.h"
#include "e2e/link/expected_frames.h"
#include "e2e/link/session_driver.h"
#include "e2e/link/sim_process.h"
#include "files/data_file.h"
#include "link/link_texts.h"
#include "platform/raw_image_file.h"
#include "small_disk.h"

namespace kv::test {
namespace {

// The per-user data folder the command line's traces go to: XDG_DATA_HOME/KV-7700/KV-7700.
const QTemporaryDir& DataHome() {
    static QTemporaryDir home;
    return home;
}

QString TraceFolder() {
    return DataHome().filePath("KV-7700/KV-7700/traces");
}

QStringList TraceFiles() {
    return QDir(TraceFolder()).entryList({"trace_*.txt"}, QDir::Files, QDir::Name);
}

CliRun Cli(const QStringList& arguments) {
    return RunCli(arguments, DataHome().path());
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(CliLink, ReadSavesAnImageOrADataFilePair) {
    const MemoryImage radio = PatternImage(0x33);
    SimProcess sim;
    ASSERT_TRUE(sim.Start(radio));
    const QString img = sim.FilePath("read.img");
    const QString dat = sim.FilePath("read.dat");

    const QStringList tracesBefore = TraceFiles();
    const CliRun toImage = Cli({"read", "--port", sim.path(), img});
    EXPECT_EQ(toImage.exitCode, 0) << toImage.err.toStdString();
    ASSERT_FALSE(TraceFiles().isEmpty());
    EXPECT_FALSE(tracesBefore.contains(TraceFiles().last()));
    const QByteArray trace = FileBytes(QDir(TraceFolder()).filePath(TraceFiles().last()));
    EXPECT_TRUE(trace.contains("Session: read\n"));
    EXPECT_TRUE(trace.contains(" tx 5 1 52 00 02 21 60 10\n")) << "the last read request";
    EXPECT_EQ(toImage.out, "Read Data Completed.\n");
    EXPECT_TRUE(toImage.err.endsWith("Read data from radio: 100%\n")) << toImage.err.toStdString();
    // Standard error is no terminal here: a line per tenth, not one per step.
    const QStringList lines = toImage.err.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 11) << toImage.err.toStdString();
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch m =
            QRegularExpression("^Read data from radio: (\\d+)%$").match(lines[i]);
        ASSERT_TRUE(m.hasMatch()) << lines[i].toStdString();
        EXPECT_EQ(m.captured(1).toInt() / 10, i) << lines[i].toStdString();
    }
    auto read = std::make_unique<MemoryImage>();
    ASSERT_EQ(LoadRawImage(img, *read), QString());
    EXPECT_TRUE(*read == *MaskedToTransferMap(radio));

    const CliRun toPair = Cli({"read", dat, "--port", sim.path()});
    EXPECT_EQ(toPair.exitCode, 0) << toPair.err.toStdString();
    // The pair holds what decoding the image gives, as the decode command saves it.
    const QString expected = sim.FilePath("expected.dat");
    ASSERT_EQ(Cli({"decode", img, expected}).exitCode, 0);
    EXPECT_EQ(FileBytes(dat), FileBytes(expected));
    EXPECT_EQ(FileBytes(sim.FilePath("read.fre")), FileBytes(sim.FilePath("expected.fre")));
}

TEST(CliLink, WriteWithVerifyReadsBackAndComparesEveryBlock) {
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString written = folder.filePath("write.img");
    const MemoryImage source = PatternImage(0x77);
    ASSERT_EQ(SaveRawImage(written, source), QString());

    SimProcess good;
    ASSERT_TRUE(good.Start(MemoryImage()));
    const CliRun ok = Cli({"write", "--port", good.path(), written, "--verify"});
    EXPECT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    EXPECT_EQ(ok.out, "Write Data Completed.\n");
    ASSERT_TRUE(good.Stop());
    EXPECT_TRUE(good.SavedImage() == *MaskedToTransferMap(source));

    // Requests 1 and 2 are the handshake and identification; 3 carries block 0x00000 and 12
    // block 0x00090.
    struct Lossy {
        const char* lost;
        const char* blocks;   // the lines naming each differing block
        const char* summary;  // the last line
        const char* message;
        const char* trace;  // the job's outcome in each of its traces
    };
    const Lossy cases[] = {
        {"3,12", "block 0x00000 differs\nblock 0x00090 differs\n", "kv7700-cli: 2 blocks differ\n",
         "Verifying found 2 blocks that differ from what was written, the first at 0x00000, "
         "0x00090.",
         "Job outcome: failed, the verify read found 2 blocks different from what was written\n"
         "Differing blocks: 0x00000 0x00090\n"},
        {"12", "block 0x00090 differs\n", "kv7700-cli: 1 block differs\n",
         "Verifying found 1 block that differs from what was written, at 0x00090.",
         "Job outcome: failed, the verify read found 1 block different from what was written\n"
         "Differing blocks: 0x00090\n"},
    };
    for (const Lossy& c : cases) {
        SCOPED_TRACE(c.lost);
        SimProcess lossy;
        ASSERT_TRUE(lossy.Start(MemoryImage(), {"--lose-write", c.lost}));
        const QStringList tracesBefore = TraceFiles();
        const CliRun bad = Cli({"write", "--port", lossy.path(), written, "--verify"});
        EXPECT_EQ(bad.exitCode, 1);
        EXPECT_TRUE(bad.err.contains(c.blocks)) << bad.err.toStdString();
        EXPECT_TRUE(bad.err.endsWith(c.summary)) << bad.err.toStdString();
        EXPECT_TRUE(bad.err.contains(c.message)) << bad.err.toStdString();
        EXPECT_TRUE(bad.out.isEmpty()) << "no completion for a radio that lost blocks";

        // The write's and the verify read's traces each name their phase and the job's outcome.
        QStringList traces = TraceFiles();
        for (const QString& old : tracesBefore) traces.removeOne(old);
        ASSERT_EQ(traces.size(), 2);
        const char* const phases[] = {"\nPhase: write\n", "\nPhase: verify read\n"};
        for (int i = 0; i < 2; ++i) {
            const QByteArray trace = FileBytes(QDir(TraceFolder()).filePath(traces[i]));
            EXPECT_TRUE(trace.contains(phases[i])) << phases[i];
            EXPECT_TRUE(
                trace.contains("Session outcome: succeeded\nJob: write to the radio "
                               "(write, verify read)\n" +
                               QByteArray(c.trace)))
                << trace.right(400).toStdString();
        }
    }
}

TEST(CliLink, WriteWithBackupKeepsTheRadioAsItWasThenWritesAndLeavesTraces) {
    const MemoryImage radio = PatternImage(0x35);
    const MemoryImage source = PatternImage(0x78);
    SimProcess sim;
    ASSERT_TRUE(sim.Start(radio));
    const QString in = sim.FilePath("in.img");
    const QString backup = sim.FilePath("before.img");
    ASSERT_EQ(SaveRawImage(in, source), QString());
    const QStringList tracesBefore = TraceFiles();

    const CliRun run = Cli({"write", "--backup", backup, "--port", sim.path(), in, "--verify"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Write Data Completed.\n");
    for (const char* phase :
         {"Backing up the radio: 33%", "Writing to the radio: 66%", "Verifying the radio: 100%"})
        EXPECT_TRUE(run.err.contains(phase)) << phase << run.err.toStdString();
    auto kept = std::make_unique<MemoryImage>();
    ASSERT_EQ(LoadRawImage(backup, *kept), QString());
    EXPECT_TRUE(*kept == *MaskedToTransferMap(radio));
    ASSERT_TRUE(sim.Stop());
    EXPECT_TRUE(*MaskedToTransferMap(sim.SavedImage()) == *MaskedToTransferMap(source));

    // One trace per session, each ending with its outcome; twenty at most are kept.
    QStringList traces = TraceFiles();
    for (const QString& old : tracesBefore) traces.removeOne(old);
    ASSERT_EQ(traces.size(), 3) << TraceFiles().join(' ').toStdString();
    const QByteArray write = FileBytes(QDir(TraceFolder()).filePath(traces[1]));
    EXPECT_TRUE(write.startsWith("KV-7700 session trace\nSession: write\nPhase: write\n"));
    EXPECT_TRUE(write.contains(" tx 4 1 57 00 00 00 00 10 ")) << "the first data frame, step 4";
    EXPECT_TRUE(
        write.endsWith("Session outcome: succeeded\nJob: write to the radio (backup read, "
                       "write, verify read)\nJob outcome: succeeded\n"));
    EXPECT_LE(TraceFiles().size(), 20);
}

TEST(CliLink, WriteWithBackupWritesNothingWhenTheRadioFallsSilent) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start(PatternImage(4), {"--silent-after", "50"}));
    const QString in = sim.FilePath("in.img");
    const QString backup = sim.FilePath("before.img");
    ASSERT_EQ(SaveRawImage(in, PatternImage(9)), QString());

    const CliRun run = Cli({"write", "--port", sim.path(), in, "--backup", backup});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(
        run.err.contains("The radio could not be read for the backup before writing, so "
                         "nothing was written."))
        << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(QFile::exists(backup));
    ASSERT_TRUE(sim.Stop());
    for (const auto& frame : sim.ReceivedFrames()) EXPECT_NE(frame.size(), kDataFrameBytes);
    EXPECT_TRUE(sim.SavedImage() == PatternImage(4));
    const QByteArray trace = FileBytes(QDir(TraceFolder()).filePath(TraceFiles().last()));
    EXPECT_TRUE(trace.contains(" -- ")) << "the reply timer's expiries are in the trace";
    EXPECT_TRUE(trace.contains("\nPhase: backup read\n"));
    EXPECT_TRUE(trace.contains(
        "Session outcome: failed\nMessage: " + QByteArray::fromStdString(NoAnswerText().en) +
        "\nJob: write to the radio (backup read, write)\n"
        "Job outcome: failed in the backup read\n"))
        << trace.right(300).toStdString();
}

// A backup that cannot be kept where it is named (a missing folder) is a usage error found before
// the radio is read; one that fails while it is written (a full disk) stops the job before
// anything is sent, and is reported once, with its reason.
TEST(CliLink, BackupThatCannotBeWrittenIsReportedOnce) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start(PatternImage(4)));
    const QString in = sim.FilePath("in.img");
    ASSERT_EQ(SaveRawImage(in, PatternImage(9)), QString());

    const QString missing = sim.FilePath("no/such/folder/before.img");
    const CliRun early = Cli({"write", "--port", sim.path(), in, "--backup", missing});
    EXPECT_EQ(early.exitCode, 2);
    EXPECT_EQ(early.err, "kv7700-cli: --backup " + missing + ": its folder does not exist\n");

    const SmallDisk disk(sim.FilePath("disk").toStdString(), 256 << 10);
    if (!disk.Problem().empty()) {
        ASSERT_TRUE(sim.Stop());
        EXPECT_TRUE(sim.ReceivedFrames().empty()) << "the radio was not read";
        GTEST_SKIP() << disk.Problem();
    }
    disk.FillLeaving(16 << 10);
    const QString backup = QString::fromStdString(disk.file("before.img"));
    const CliRun run = Cli({"write", "--port", sim.path(), in, "--backup", backup});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.count(backup), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(backup +
                                 ": cannot be written: the disk is full\nThe backup of the radio "
                                 "could not be saved, so nothing was written.\n"))
        << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(QFile::exists(backup));
    ASSERT_TRUE(sim.Stop());
    for (const auto& frame : sim.ReceivedFrames()) EXPECT_NE(frame.size(), kDataFrameLength);
}

TEST(CliLink, RadioRefusalsFailWithTheirMessages) {
    struct Case {
        QStringList simOptions;
        const char* expected;
    };
    const Case cases[] = {
        {{"--model", "TALVEN4"}, "Model type is wrong.\n"},
        {{"--firmware", "V102"},
         "incompatible version. It may cause unknown error.To start the corresponding software "
         "version, or not?\r\nFirmware version is V1.02\r\nprogramming software is V1.00\n"},
    };
    for (const Case& c : cases) {
        SimProcess sim;
        ASSERT_TRUE(sim.Start(PatternImage(1), c.simOptions));
        const QString out = sim.FilePath("out.img");
        const CliRun run = Cli({"read", "--port", sim.path(), out});
        EXPECT_EQ(run.exitCode, 1) << c.expected;
        EXPECT_TRUE(run.err.contains(c.expected)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("kv7700-cli: the read from the radio did not complete"));
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(QFile::exists(out));
    }
}

TEST(CliLink, UsageAndPortErrors) {
    struct Case {
        QStringList arguments;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{"read", "out.img"}, 2, "read takes --port PORT OUT"},
        {{"read", "--port", "COM1", "a.img", "b.img"}, 2, "read takes --port PORT OUT"},
        {{"read", "--verify", "COM1", "a.img"}, 2, "unknown option --verify"},
        {{"write", "--port", "/dev/kv7700-none", "/nonexistent/in.img"}, 1, "/nonexistent/in.img"},
        {{"read", "--port", "ttyS0", "a.img"}, 2, "is neither COM1 to COM999 nor a device path"},
        {{"read", "--port", "COM0", "a.img"}, 2, "is neither COM1 to COM999 nor a device path"},
        {{"read", "--port", "/dev/kv7700-none", "a.img"}, 1, "Cannot Open Communication Port."},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
}

}  // namespace
}  // namespace kv::test
