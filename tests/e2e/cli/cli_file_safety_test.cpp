// What kv7700-cli writes and reads when things go wrong: every output replaced the safe way (a
// full disk, a read-only target, hard and symbolic links), an output that is one of the command's
// own inputs refused, usage errors with status 2, inputs refused with their reason.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>

#include "e2e/cli_process.h"
#include "small_disk.h"

namespace kv {
namespace {

using test::CliRun;
using test::RunCli;

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "(unreadable)";
    return file.readAll();
}

// A command writing one output from a.dat: IN and OUT stand for its files.
struct OutputCommand {
    const char* name;
    QStringList arguments;
};

const OutputCommand kOutputCommands[] = {
    {"export", {"export", "IN", "OUT"}},
    {"print", {"print", "IN", "OUT"}},
    {"encode", {"encode", "IN", "OUT"}},
};

// Whether this kv7700-cli has the command: print exists only where the windows are built.
bool Built(const QStringList& arguments) {
#ifdef KV_CLI_PRINT
    return !arguments.isEmpty();
#else
    return !arguments.isEmpty() && arguments.front() != QStringLiteral("print");
#endif
}

QStringList Filled(QStringList arguments, const QString& in, const QString& out) {
    arguments.replaceInStrings(QStringLiteral("IN"), in);
    arguments.replaceInStrings(QStringLiteral("OUT"), out);
    return arguments;
}

class CliFileSafety : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder_.filePath(name); }
    void SetUp() override { ASSERT_EQ(RunCli({"new", path("a.dat")}).exitCode, 0); }

private:
    QTemporaryDir folder_;
};

TEST_F(CliFileSafety, AFullDiskLeavesTheOldOutputAndNoPartialFile) {
    for (const OutputCommand& command : kOutputCommands) {
        if (!Built(command.arguments)) continue;
        SCOPED_TRACE(command.name);
        // How large the output is, so that the disk can be filled to hold only part of it.
        ASSERT_EQ(RunCli(Filled(command.arguments, path("a.dat"), path("whole"))).exitCode, 0);
        const auto size = static_cast<std::size_t>(QFile(path("whole")).size());
        ASSERT_GT(size, 8192u);

        const test::SmallDisk disk(path("disk").toStdString(), 4 * size + (1 << 20));
        if (!disk.Problem().empty()) GTEST_SKIP() << disk.Problem();
        const QString out = QString::fromStdString(disk.file("out"));
        WriteBytes(out, "the old contents");
        disk.FillLeaving(size / 2);

        const CliRun run = RunCli(Filled(command.arguments, path("a.dat"), out));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QStringLiteral("the disk is full"))) << run.err.toStdString();
        EXPECT_EQ(ReadBytes(out), "the old contents");
        const QStringList left =
            QDir(path("disk")).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        EXPECT_EQ(left, QStringList({"filler", "out"}));
    }
}

TEST_F(CliFileSafety, AReadOnlyOutputIsRefusedAndLinksAreKept) {
    for (const OutputCommand& command : kOutputCommands) {
        if (!Built(command.arguments)) continue;
        SCOPED_TRACE(command.name);
        const QString out = path(QStringLiteral("out-") + command.name);
        WriteBytes(out, "the old contents");
        ASSERT_EQ(::chmod(out.toLocal8Bit().constData(), 0444), 0);
        const CliRun refused = RunCli(Filled(command.arguments, path("a.dat"), out));
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_TRUE(refused.err.contains(QStringLiteral("read-only"))) << refused.err.toStdString();
        EXPECT_EQ(ReadBytes(out), "the old contents");

        // A hard link keeps the old contents; a symbolic link has the file it leads to replaced.
        ASSERT_EQ(::chmod(out.toLocal8Bit().constData(), 0640), 0);
        const QString twin = out + QStringLiteral(".twin");
        ASSERT_EQ(::link(out.toLocal8Bit().constData(), twin.toLocal8Bit().constData()), 0);
        const QString shortcut = out + QStringLiteral(".link");
        ASSERT_TRUE(QFile::link(out, shortcut));
        const CliRun written = RunCli(Filled(command.arguments, path("a.dat"), shortcut));
        ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
        EXPECT_EQ(ReadBytes(twin), "the old contents");
        EXPECT_NE(ReadBytes(out), "the old contents");
        EXPECT_TRUE(QFileInfo(shortcut).isSymLink());
        struct stat info {};
        ASSERT_EQ(::stat(out.toLocal8Bit().constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0640u);
    }
}

TEST_F(CliFileSafety, AnOutputThatIsAnInputIsRefused) {
    ASSERT_EQ(RunCli({"encode", path("a.dat"), path("a.img")}).exitCode, 0);
    WriteBytes(path("in.csv"), "Band,Group,Group Name,CH No.\r\n");
    ASSERT_TRUE(QFile::link(path("a.fre"), path("fre.link")));
    ASSERT_EQ(
        ::link(path("a.dat").toLocal8Bit().constData(), path("twin.dat").toLocal8Bit().constData()),
        0);
    const QStringList cases[] = {
        {"encode", path("a.dat"), path("a.dat")},
        {"encode", path("a.dat"), path("a.fre")},
        {"export", path("a.dat"), path("a.fre")},
        {"export", path("a.dat"), path("fre.link")},
        {"export", path("a.dat"), path("twin.dat")},
        {"print", path("a.dat"), path("a.dat")},
        {"decode", path("a.img"), path("a.img")},
        {"import", path("a.dat"), path("in.csv"), path("in.csv")},
        {"import", path("a.img"), path("in.csv"), path("a.img")},
        {"write", "--port", "/dev/null", path("a.img"), "--backup", path("a.img")},
    };
    const QByteArray data = ReadBytes(path("a.dat"));
    const QByteArray companion = ReadBytes(path("a.fre"));
    const QByteArray image = ReadBytes(path("a.img"));
    for (const QStringList& arguments : cases) {
        if (!Built(arguments)) continue;
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QStringLiteral("is also an input"))) << run.err.toStdString();
        EXPECT_EQ(ReadBytes(path("a.dat")), data);
        EXPECT_EQ(ReadBytes(path("a.fre")), companion);
        EXPECT_EQ(ReadBytes(path("a.img")), image);
        EXPECT_EQ(ReadBytes(path("in.csv")), "Band,Group,Group Name,CH No.\r\n");
    }
}

TEST_F(CliFileSafety, UsageErrorsExitWithTwo) {
    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{"print", path("a.dat"), path("a.pdf"), "--paper", "a5"}, "--paper takes a4 or letter"},
        {{"print", path("a.dat"), path("a.pdf"), "--paper"}, "--paper needs a value"},
        {{"print", path("a.dat"), path("a.pdf"), "--wide"}, "unknown option --wide"},
        {{"read", "--port", "", path("r.img")}, "is neither COM1 to COM999 nor a device path"},
        {{"read", "--port", "COM0", path("r.img")}, "is neither COM1 to COM999 nor a device path"},
        {{"write", "--port", "/dev/kv-no-such-port", path("a.dat"), "--port"},
         "--port needs a value"},
        {{"import", path("a.dat"), path("a.csv"), "--band", "HAM", "--group", "1x", path("b.dat")},
         "import takes"},
        {{"import", path("a.dat"), path("a.csv"), "--band", "CB", "--group", "1", path("b.dat")},
         "import takes"},
        // With one port the backup is a file: a folder, or a file in a folder that does not
        // exist, is found before the radio is read (the port here would fail with status 1).
        {{"write", "--port", "/dev/kv-no-such-port", path("a.dat"), "--backup", path("")},
         "is a folder"},
        {{"write", "--port", "/dev/kv-no-such-port", path("a.dat"), "--backup",
          path("missing/b.img")},
         "its folder does not exist"},
        {{"write", "--port", "/dev/kv-no-such-port", path("a.dat"), "--backup", ""},
         "--backup needs a file or folder name"},
    };
    for (const auto& c : cases) {
        if (!Built(c.arguments)) continue;
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(c.says))) << run.err.toStdString();
    }
}

TEST_F(CliFileSafety, InputsAreRefusedWithTheirReason) {
    QDir(path("")).mkdir(QStringLiteral("folder.csv"));
    WriteBytes(path("short.img"), "12345");
    WriteBytes(path("latin1.csv"), "Band,Group,Group Name,CH No.\r\nHF,1,\xC3(,\r\n");
    const struct {
        QStringList arguments;
        int exitCode;
        const char* says;
    } cases[] = {
        {{"import", path("a.dat"), path("folder.csv"), path("b.dat")},
         1,
         "folder.csv: this is not a regular file"},
        {{"export", path("folder.csv"), path("b.csv")}, 1, "this is not a regular file"},
        {{"diff", path("short.img"), path("a.dat")}, 2, "short.img: 5 bytes; a memory image has"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(c.says))) << run.err.toStdString();
    }
    // Not UTF-8: refused with its line rather than stored as "?(".
    const CliRun latin1 = RunCli({"import", path("a.dat"), path("latin1.csv"), path("b.dat")});
    EXPECT_EQ(latin1.exitCode, 1);
    EXPECT_TRUE(latin1.out.contains(
        QStringLiteral("refused line 2: Group Name: the bytes C3 28 are not UTF-8\n")))
        << latin1.out.toStdString();
    EXPECT_FALSE(QFile::exists(path("b.dat")));
}

// A CSV far beyond any channel list is refused before it is read, whatever its length.
TEST_F(CliFileSafety, AHugeCsvIsRefusedWithTheLimit) {
    QByteArray lines = "Band,Group,Group Name,CH No.\r\n";
    QByteArray row = "HF,1,,1\r\n";
    const QByteArray many = row.repeated(1000000);
    WriteBytes(path("huge.csv"), lines + many);
    WriteBytes(path("long.csv"), lines + QByteArray("\r\n").repeated(20000));
    const struct {
        const char* file;
        const char* says;
    } cases[] = {
        {"huge.csv", "huge.csv: the text is larger than 4 MB"},
        {"long.csv",
         "line 10001: the file cannot be read as CSV: the text has more than 10000 "
         "lines"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const CliRun run = RunCli({"import", path("a.dat"), path(c.file), path("b.dat")});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(c.says))) << run.err.toStdString();
        EXPECT_LT(run.err.size(), 400);
    }
}

// Names hold any byte; the terminal gets control characters written out, and the preview says
// when a name is longer than its field.
TEST_F(CliFileSafety, ImportAndDiffShowNamesAsTheyAre) {
    WriteBytes(path("names.csv"),
               "Band,Group,Group Name,CH No.\r\nHF,1,\x1b],\r\nHF,2,ABC,\r\nHF,\x1b[2J,,\r\n");
    const CliRun imported =
        RunCli({"import", path("a.dat"), path("names.csv"), path("b.dat"), "--skip-bad"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains(
        QStringLiteral("group name HF group 2 \"AB\" (\"ABC\" cut to 2 characters)\n")))
        << imported.out.toStdString();
    EXPECT_TRUE(imported.out.contains(QStringLiteral("group name HF group 1 \"\\x1b]\"\n")))
        << imported.out.toStdString();
    EXPECT_TRUE(imported.out.contains(
        QStringLiteral("refused line 4: group \"\\x1b[2J\" is not a group of the band\n")))
        << imported.out.toStdString();
    EXPECT_FALSE(imported.out.contains(QChar(0x1b)));

    const CliRun diff = RunCli({"diff", path("a.dat"), path("b.dat")});
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_TRUE(diff.out.contains(QStringLiteral("\\x1b]"))) << diff.out.toStdString();
    EXPECT_FALSE(diff.out.contains(QChar(0x1b)));
}

}  // namespace
}  // namespace kv
