// kv7700-cli export, import and diff as a user runs them: the files they write, what they print
// and their exit statuses.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "e2e/cli_process.h"

namespace kv {
namespace {

using test::CliRun;
using test::RunCli;

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray ReadText(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

class CliExchange : public ::testing::Test {
protected:
    QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    void SetUp() override { ASSERT_EQ(RunCli({QStringLiteral("new"), path("a.dat")}).exitCode, 0); }

private:
    QTemporaryDir folder_;
};

TEST_F(CliExchange, ExportImportIntoAnotherDocumentAndDiff) {
    const CliRun exported = RunCli({QStringLiteral("export"), path("a.dat"), path("a.csv")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    const QByteArray csv = ReadText(path("a.csv"));
    EXPECT_TRUE(
        csv.startsWith("\xEF\xBB\xBF"
                       "Band,Group,Group Name,CH No.,RX MHz,TX MHz,BUSY,REP,"));
    EXPECT_TRUE(csv.contains("\r\nCB,7,UK,1,"));

    // Edit a copy of the file: one frequency and one details field of the first HF channel.
    QByteArray edited = csv;
    const int hf = edited.indexOf("\r\nHF,1,");
    ASSERT_GT(hf, 0);
    const int end = edited.indexOf("\r\n", hf + 2);
    QList<QByteArray> cells = edited.mid(hf + 2, end - hf - 2).split(',');
    const QByteArray before = cells[4];
    cells[4] = "29.500000";
    ASSERT_EQ(cells[6], "OFF");
    cells[6] = "ON";
    edited.replace(hf + 2, end - hf - 2, cells.join(','));
    WriteText(path("edited.csv"), edited);

    const CliRun same =
        RunCli({QStringLiteral("import"), path("a.dat"), path("a.csv"), path("b.dat")});
    ASSERT_EQ(same.exitCode, 0) << same.err.toStdString();
    EXPECT_TRUE(same.out.contains(QStringLiteral("replaced HF group 1 CH 1 (line ")));
    const CliRun equal = RunCli({QStringLiteral("diff"), path("a.dat"), path("b.dat")});
    EXPECT_EQ(equal.exitCode, 0);
    EXPECT_TRUE(equal.out.isEmpty()) << equal.out.toStdString();

    ASSERT_EQ(RunCli({QStringLiteral("import"), path("a.dat"), path("edited.csv"), path("c.dat")})
                  .exitCode,
              0);
    const CliRun different = RunCli({QStringLiteral("diff"), path("a.dat"), path("c.dat")});
    EXPECT_EQ(different.exitCode, 1);
    EXPECT_EQ(different.out, QStringLiteral("HF group 1 CH 1: RX MHz %1 -> 29.500000\n"
                                            "HF group 1 CH 1: BUSY OFF -> ON\n")
                                 .arg(QString::fromLatin1(before)));

    // A memory image against the pair decoded from it: equal; against another pair: different.
    ASSERT_EQ(RunCli({QStringLiteral("encode"), path("c.dat"), path("c.img")}).exitCode, 0);
    ASSERT_EQ(RunCli({QStringLiteral("decode"), path("c.img"), path("c2.dat")}).exitCode, 0);
    EXPECT_EQ(RunCli({QStringLiteral("diff"), path("c.img"), path("c2.dat")}).exitCode, 0);
    EXPECT_EQ(RunCli({QStringLiteral("diff"), path("c.img"), path("b.dat")}).exitCode, 1);
}

TEST_F(CliExchange, CommonFormatRefusedLinesStopTheWriteUnlessSkipped) {
    WriteText(path("common.csv"),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,Mode,TStep,Skip,Comment\n"
              "1,Rpt,29.620000,-,0.010000,Tone,88.5,88.5,023,NN,FM,5.00,,,\n"
              "2,Bad,29.600000,off,0.000000,,88.5,88.5,023,NN,FM,5.00,,,\n");
    const QStringList import = {QStringLiteral("import"), path("a.dat"),
                                path("common.csv"),       QStringLiteral("--band"),
                                QStringLiteral("HAM"),    QStringLiteral("--group"),
                                QStringLiteral("4"),      path("d.dat")};
    const CliRun refused = RunCli(import);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.out.contains(QStringLiteral(
        "refused line 3: Duplex \"off\": this radio cannot stop transmitting on a channel\n")));
    EXPECT_TRUE(refused.out.contains(
        QStringLiteral("dropped fields (this radio cannot carry them): Name TStep\n")));
    EXPECT_FALSE(QFile::exists(path("d.dat")));

    const CliRun skipped = RunCli(import + QStringList{QStringLiteral("--skip-bad")});
    EXPECT_EQ(skipped.exitCode, 0) << skipped.err.toStdString();
    const CliRun diff = RunCli({QStringLiteral("diff"), path("a.dat"), path("d.dat")});
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_TRUE(diff.out.contains(QStringLiteral("HAM group 4 CH 1: RX MHz ")));
    EXPECT_TRUE(diff.out.contains(QStringLiteral("HAM group 4 CH 1: REP OFF -> SUBB\n")));
    EXPECT_FALSE(diff.out.contains(QStringLiteral("CH 2")));

    // With every line refused, or no data line at all, there is nothing to import: exit 1 and
    // no file, --skip-bad or not.
    WriteText(path("allbad.csv"),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,Mode,TStep,Skip,Comment\n"
              "2,Bad,29.600000,off,0.000000,,88.5,88.5,023,NN,FM,5.00,,,\n");
    WriteText(path("headonly.csv"), "Band,Group,Group Name,CH No.,RX MHz\n");
    for (const QString& csv : {path("allbad.csv"), path("headonly.csv")}) {
        const CliRun nothing =
            RunCli({QStringLiteral("import"), path("a.dat"), csv, QStringLiteral("--band"),
                    QStringLiteral("HAM"), QStringLiteral("--group"), QStringLiteral("4"),
                    path("n.dat"), QStringLiteral("--skip-bad")});
        EXPECT_EQ(nothing.exitCode, 1) << csv.toStdString();
        EXPECT_TRUE(nothing.err.contains(QStringLiteral("nothing written"))) << csv.toStdString();
        EXPECT_FALSE(QFile::exists(path("n.dat")));
    }

    // The common format goes into HF or HAM only: another band is a usage error.
    EXPECT_EQ(RunCli({QStringLiteral("import"), path("a.dat"), path("common.csv"),
                      QStringLiteral("--band"), QStringLiteral("CB"), QStringLiteral("--group"),
                      QStringLiteral("1"), path("e.dat")})
                  .exitCode,
              2);
    EXPECT_FALSE(QFile::exists(path("e.dat")));
}

// Repeaters the other program saved, shifted by 0.1 MHz: refused under the new document's TX.REP
// with the offer named, taken with --repeater-offset; the group written back in the common format
// and imported over itself changes nothing.
TEST_F(CliExchange, RepeaterOffsetOfferAndCommonFormatExport) {
    const QString repeaters =
        QStringLiteral(KV_TEST_DATA_DIR "/other_program/other_program_repeaters.csv");
    const QStringList import = {
        QStringLiteral("import"), path("a.dat"),         repeaters,
        QStringLiteral("--band"), QStringLiteral("HAM"), QStringLiteral("--group"),
        QStringLiteral("2"),      path("r.dat")};
    const CliRun refused = RunCli(import);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.out.contains(
        QStringLiteral("3 line(s) shift the transmit frequency by 0.1000 MHz")))
        << refused.out.toStdString();
    EXPECT_TRUE(refused.out.contains(QStringLiteral("(--repeater-offset sets it)")));
    EXPECT_FALSE(QFile::exists(path("r.dat")));

    const CliRun taken = RunCli(import + QStringList{QStringLiteral("--repeater-offset")});
    ASSERT_EQ(taken.exitCode, 0) << taken.out.toStdString() << taken.err.toStdString();
    EXPECT_TRUE(taken.out.contains(QStringLiteral("TX.REP will be set to 0.1000 MHz")));
    const CliRun diff = RunCli({QStringLiteral("diff"), path("a.dat"), path("r.dat")});
    EXPECT_TRUE(diff.out.contains(QStringLiteral("TX.REP"))) << diff.out.toStdString();

    const CliRun exported =
        RunCli({QStringLiteral("export"), path("r.dat"), path("r.csv"), QStringLiteral("--format"),
                QStringLiteral("common"), QStringLiteral("--band"), QStringLiteral("HAM"),
                QStringLiteral("--group"), QStringLiteral("2")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    const QByteArray csv = ReadText(path("r.csv"));
    EXPECT_TRUE(csv.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,"))
        << csv.left(40).toStdString();
    EXPECT_TRUE(csv.contains("\r\n1,,29.620000,-,0.100000,Tone,88.5,")) << csv.toStdString();
    EXPECT_TRUE(csv.contains("\r\n4,,29.600000,,0.000000,,"));

    ASSERT_EQ(RunCli({QStringLiteral("import"), path("r.dat"), path("r.csv"),
                      QStringLiteral("--band"), QStringLiteral("HAM"), QStringLiteral("--group"),
                      QStringLiteral("2"), path("s.dat")})
                  .exitCode,
              0);
    EXPECT_EQ(RunCli({QStringLiteral("diff"), path("r.dat"), path("s.dat")}).exitCode, 0);

    // The common format names one HF or HAM group; the own format none.
    for (const QStringList& wrong :
         {QStringList{QStringLiteral("--format"), QStringLiteral("common")},
          QStringList{QStringLiteral("--band"), QStringLiteral("HF"), QStringLiteral("--group"),
                      QStringLiteral("1")},
          QStringList{QStringLiteral("--format"), QStringLiteral("common"),
                      QStringLiteral("--band"), QStringLiteral("HF"), QStringLiteral("--group"),
                      QStringLiteral("99")}}) {
        EXPECT_EQ(
            RunCli(QStringList{QStringLiteral("export"), path("r.dat"), path("x.csv")} + wrong)
                .exitCode,
            2)
            << wrong.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(path("x.csv")));
    }
}

TEST_F(CliExchange, UnreadableInputsAreErrors) {
    WriteText(path("broken.csv"), "Band,Group,CH No.\n\"HF,1,1\n");
    const CliRun broken =
        RunCli({QStringLiteral("import"), path("a.dat"), path("broken.csv"), path("f.dat")});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("line 2: the file cannot be read as CSV")));
    EXPECT_EQ(RunCli({QStringLiteral("diff"), path("a.dat"), path("missing.dat")}).exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("export"), path("missing.dat"), path("x.csv")}).exitCode, 1);
    EXPECT_EQ(RunCli({QStringLiteral("import"), path("a.dat")}).exitCode, 2);
}

}  // namespace
}  // namespace kv
