// kv7700-cli as a user runs it: the staged program, its exit status, its messages and its files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "e2e/cli_process.h"
#include "files/data_file.h"
#include "model/memory_image.h"

namespace kv {
namespace {

using test::CliRun;
using test::RunCli;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteContents(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A document with channels in every band, group names and a few settings, all within the ranges
// the editors keep.
std::unique_ptr<Document> SampleDocument() {
    auto doc = std::make_unique<Document>();
    RadioData& data = doc->Working;
    const char* const frequencies[kBandCount] = {"26965000", "24715000", "28015000"};
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= 2; ++group) {
            data.Config.Settings.GroupValid(band, group) = 1;
            data.Config.Settings.GroupName(band, group).assign(std::string(1, 'A' + group - 1));
            for (int n = 1; n <= 5; ++n) {
                const int slot = ++data.channelCount(band, group);
                ChannelRecord& channel = data.channel(band, slot, group);
                channel.ChNo = static_cast<i16>(n);
                channel.InUse = 1;
                channel.ScanAdd = n % 2;
                channel.RxFreqText.assign(frequencies[band]);
                channel.MemMode = static_cast<i16>(n % 4);
            }
        }
    data.Config.Settings.Squelch = 12;
    data.Config.Settings.MicGain = 30;
    data.Config.Settings.BtDeviceName.assign("KV7700");
    return doc;
}

class Cli : public ::testing::Test {
protected:
    QString file(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    std::string path(const char* name) const { return file(name).toStdString(); }

    void SaveSample(const char* name) {
        auto doc = SampleDocument();
        ASSERT_TRUE(SaveDataFile(*doc, path(name)).ok());
    }

    QTemporaryDir folder_;
};

TEST_F(Cli, EncodeDecodeRoundTrip) {
    SaveSample("a.dat");
    const CliRun encode = RunCli({QStringLiteral("encode"), file("a.dat"), file("a.img")});
    ASSERT_EQ(encode.exitCode, 0) << encode.err.toStdString();
    const QByteArray image = Contents(file("a.img"));
    ASSERT_EQ(image.size(), 0x22201);

    // A decoded image is complete (every VFO slot, every weather channel), so the pair it gives
    // is a fixed point: encoding and decoding it again changes no byte.
    const CliRun decode = RunCli({QStringLiteral("decode"), file("a.img"), file("b.dat")});
    ASSERT_EQ(decode.exitCode, 0) << decode.err.toStdString();
    ASSERT_EQ(RunCli({QStringLiteral("encode"), file("b.dat"), file("b.img")}).exitCode, 0);
    ASSERT_EQ(RunCli({QStringLiteral("decode"), file("b.img"), file("c.dat")}).exitCode, 0);
    ASSERT_EQ(RunCli({QStringLiteral("encode"), file("c.dat"), file("c.img")}).exitCode, 0);
    EXPECT_EQ(Contents(file("c.dat")), Contents(file("b.dat")));
    EXPECT_EQ(Contents(file("c.fre")), Contents(file("b.fre")));
    EXPECT_EQ(Contents(file("c.img")), Contents(file("b.img")));

    auto sample = SampleDocument();
    auto decoded = std::make_unique<Document>();
    VersionTable table;
    table.Pairs = {{"V100", "V100"}};
    ASSERT_TRUE(OpenDataFile(*decoded, path("b.dat"), table).ok());
    for (int band = 0; band < kBandCount; ++band) {
        EXPECT_EQ(decoded->Working.channelCount(band, 2), 5) << band;
        EXPECT_EQ(decoded->Working.channel(band, 5, 2).RxFreqText,
                  sample->Working.channel(band, 5, 2).RxFreqText);
        EXPECT_EQ(decoded->Working.Config.Settings.GroupName(band, 2).trimmed(), "B");
    }
    EXPECT_EQ(decoded->Working.Config.Settings.Squelch, 12);
}

TEST_F(Cli, InfoSummarisesPairsAndImages) {
    SaveSample("a.dat");
    ASSERT_EQ(RunCli({QStringLiteral("encode"), file("a.dat"), file("a.img")}).exitCode, 0);
    for (const char* name : {"a.dat", "a.img"}) {
        const CliRun info = RunCli({QStringLiteral("info"), file(name)});
        EXPECT_EQ(info.exitCode, 0) << name << info.err.toStdString();
        EXPECT_TRUE(info.out.contains(QStringLiteral("HF   2  \"B\"       5 / 40  enabled")))
            << name;
        EXPECT_TRUE(info.out.contains(QStringLiteral("Squelch: 12"))) << name;
        EXPECT_TRUE(info.out.contains(QStringLiteral("Bluetooth device name: \"KV7700\""))) << name;
    }
}

TEST_F(Cli, FailuresLeaveNoOutput) {
    SaveSample("a.dat");
    QByteArray pair = Contents(file("a.dat"));
    pair.replace(0, 4, "V101");
    WriteContents(file("unlisted.dat"), pair);
    QFile::copy(file("a.fre"), file("unlisted.fre"));
    pair.replace(0, 4, "v100");
    WriteContents(file("unknown.dat"), pair);
    QFile::copy(file("a.fre"), file("unknown.fre"));
    WriteContents(file("short.img"), QByteArray(0x22200, '\0'));
    WriteContents(file("kept.img"), QByteArray("previous"));
    QByteArray longer = Contents(file("a.dat")) + '\0';
    WriteContents(file("long.dat"), longer);
    QFile::copy(file("a.fre"), file("long.fre"));
    ASSERT_EQ(RunCli({QStringLiteral("encode"), file("a.dat"), file("good.img")}).exitCode, 0);

    struct Case {
        QStringList arguments;
        const char* output;
        const char* message;
    };
    const Case cases[] = {
        {{QStringLiteral("encode"), file("missing.dat"), file("out.img")},
         "out.img",
         "file error."},
        {{QStringLiteral("encode"), file("unlisted.dat"), file("out.img")},
         "out.img",
         "incompatible version."},
        {{QStringLiteral("encode"), file("unknown.dat"), file("out.img")},
         "out.img",
         "Unknown version Of DataFile!"},
        {{QStringLiteral("encode"), file("unknown.dat"), file("kept.img")},
         "kept.img",
         "Unknown version Of DataFile!"},
        {{QStringLiteral("decode"), file("short.img"), file("out.dat")},
         "out.dat",
         "a memory image has 139777"},
        {{QStringLiteral("decode"), file("missing.img"), file("out.dat")},
         "out.dat",
         "cannot be read"},
        {{QStringLiteral("encode"), file("a.dat"), file("no/such/folder.img")},
         "no",
         "cannot be written"},
        {{QStringLiteral("decode"), file("good.img"), file("no/such/folder.dat")},
         "no",
         "file error."},
        {{QStringLiteral("info"), file("unknown.dat")}, "", "Unknown version Of DataFile!"},
        {{QStringLiteral("info"), file("short.img")},
         "",
         "short.img: 139776 bytes; a memory image has 139777\n"},
        {{QStringLiteral("info"), file("long.dat")},
         "",
         "Fail to start the software. This version does not exist.\nThe file holds 2886 bytes; "
         "a data file holds 2885 bytes.\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        const std::string what = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.exitCode, 1) << what;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message)))
            << what << run.err.toStdString();
        if (QByteArray(c.output) == "kept.img") {
            EXPECT_EQ(Contents(file("kept.img")), QByteArray("previous")) << what;
        } else if (*c.output != '\0') {
            EXPECT_FALSE(QFile::exists(file(c.output))) << what;
        }
    }
    EXPECT_FALSE(QFile::exists(file("out.fre")));
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden).size(), 11)
        << "no temporary file is left";
}

// Files the user protected or linked: a read-only file is refused and left as it was (even for
// root), a pair reached through symbolic links is saved into the files they lead to, and a saved
// file keeps its permission bits.
TEST_F(Cli, SavesRespectProtectedAndLinkedFiles) {
    SaveSample("a.dat");
    ASSERT_EQ(RunCli({QStringLiteral("encode"), file("a.dat"), file("a.img")}).exitCode, 0);
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    SaveSample("ro.dat");
    WriteContents(file("ro.img"), QByteArray("previous"));
    for (const char* name : {"ro.dat", "ro.img"})
        ASSERT_TRUE(QFile::setPermissions(file(name), readOnly));
    const QByteArray roPair = Contents(file("ro.dat"));

    struct Refusal {
        QStringList arguments;
        const char* target;
        QString message;  // the whole standard error
    };
    const Refusal refusals[] = {
        {{QStringLiteral("new"), file("ro.dat")},
         "ro.dat",
         "kv7700-cli: " + file("ro.dat") + ": file error.\n" + file("ro.dat") +
             ": the file is read-only\n"},
        {{QStringLiteral("decode"), file("a.img"), file("ro.dat")},
         "ro.dat",
         "kv7700-cli: " + file("ro.dat") + ": file error.\n" + file("ro.dat") +
             ": the file is read-only\n"},
        {{QStringLiteral("encode"), file("a.dat"), file("ro.img")},
         "ro.img",
         "kv7700-cli: " + file("ro.img") + ": cannot be written: the file is read-only\n"},
    };
    for (const Refusal& r : refusals) {
        const QByteArray before = Contents(file(r.target));
        const CliRun run = RunCli(r.arguments);
        const std::string what = r.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.exitCode, 1) << what;
        EXPECT_EQ(run.err, r.message) << what;
        EXPECT_EQ(Contents(file(r.target)), before) << what;
        struct stat info {};
        ASSERT_EQ(::stat(path(r.target).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0444u) << what;
    }
    EXPECT_EQ(Contents(file("ro.dat")), roPair);

    // link.dat and link.fre lead to a private pair in another folder.
    ASSERT_TRUE(QDir(folder_.path()).mkpath(QStringLiteral("real")));
    WriteContents(file("real/b.dat"), QByteArray("old"));
    WriteContents(file("real/b.fre"), QByteArray("old"));
    for (const char* name : {"real/b.dat", "real/b.fre"})
        ASSERT_TRUE(::chmod(path(name).c_str(), 0600) == 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("real/b.dat"), file("link.dat")));
    ASSERT_TRUE(QFile::link(QStringLiteral("real/b.fre"), file("link.fre")));
    const CliRun decode = RunCli({QStringLiteral("decode"), file("a.img"), file("link.dat")});
    ASSERT_EQ(decode.exitCode, 0) << decode.err.toStdString();
    ASSERT_EQ(RunCli({QStringLiteral("decode"), file("a.img"), file("direct.dat")}).exitCode, 0);
    EXPECT_TRUE(QFileInfo(file("link.dat")).isSymLink());
    EXPECT_TRUE(QFileInfo(file("link.fre")).isSymLink());
    EXPECT_EQ(Contents(file("real/b.dat")), Contents(file("direct.dat")));
    EXPECT_EQ(Contents(file("real/b.fre")), Contents(file("direct.fre")));
    for (const char* name : {"real/b.dat", "real/b.fre"}) {
        struct stat info {};
        ASSERT_EQ(::stat(path(name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0600u) << name;
    }
    EXPECT_EQ(QDir(file("real")).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(Cli, UsageErrorsAndHelp) {
    const CliRun help = RunCli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"encode", "decode", "info"})
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(command))) << command;

    const QStringList usageErrors[] = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("encode"), file("a.dat")},
        {QStringLiteral("info"), file("a"), file("b")},
    };
    for (const auto& arguments : usageErrors) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage:")));
    }
}

}  // namespace
}  // namespace kv
