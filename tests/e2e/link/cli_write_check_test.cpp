// kv7700-cli write prints what the check before writing finds and, with --strict, refuses;
// kv7700-cli print renders the channel sheet as a PDF whose text has one table per group in use.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "e2e/cli_process.h"
#include "e2e/link/sim_process.h"
#include "files/data_file.h"

namespace kv::test {
namespace {

class CliWriteCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        doc_ = std::make_unique<Document>();
        ASSERT_TRUE(
            LoadTemplateFile(*doc_, std::string(KV_PROGRAM_DIR) + "/Init/1_KV7700_New.dat"));
        // The new document as it is (no operating mode enabled, as the defaults leave it) has
        // no findings.
    }
    QString Save(const char* name) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(SaveDataFile(*doc_, path.toStdString()).ok());
        return path;
    }

    QTemporaryDir dir_;
    std::unique_ptr<Document> doc_;
};

TEST_F(CliWriteCheckTest, StrictRefusesAndPlainWritePrintsTheLines) {
    doc_->settings().GroupValid(kBandCb, 1) = 0;
    const QString file = Save("off.dat");
    SimProcess sim;
    ASSERT_TRUE(sim.Start(PatternImage(3)));
    const QString line = QStringLiteral(
        "  CB band: the work group 1 is switched off. Channel Information, CB band: "
        "switch group 1 on or pick another group.\n");

    const CliRun strict = RunCli({"write", "--strict", "--port", sim.path(), file});
    EXPECT_EQ(strict.exitCode, 1);
    EXPECT_TRUE(strict.err.startsWith(QStringLiteral("The radio would receive this:\n") + line))
        << strict.err.toStdString();
    EXPECT_TRUE(strict.err.endsWith(
        QStringLiteral("kv7700-cli: Not written: the document has findings (--strict).\n")));
    sim.Stop();
    EXPECT_TRUE(sim.ReceivedFrames().empty());

    SimProcess again;
    ASSERT_TRUE(again.Start(PatternImage(3)));
    const CliRun plain = RunCli({"write", "--port", again.path(), file});
    EXPECT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_TRUE(plain.err.startsWith(QStringLiteral("The radio would receive this:\n") + line));
}

TEST_F(CliWriteCheckTest, StrictWritesADocumentWithoutFindings) {
    const QString file = Save("clean.dat");
    SimProcess sim;
    ASSERT_TRUE(sim.Start(PatternImage(4)));
    const CliRun strict = RunCli({"write", "--strict", "--port", sim.path(), file});
    EXPECT_EQ(strict.exitCode, 0) << strict.err.toStdString();
    EXPECT_FALSE(strict.err.contains(QStringLiteral("would receive")));
}

#ifdef KV_CLI_PRINT
TEST_F(CliWriteCheckTest, PrintHasOneTablePerGroupInUse) {
    const QString file = Save("sheet.dat");
    for (const auto& [language, cb, hf, ham] :
         {std::tuple{"en", "CB band, group", "HF band, group", "HAM band, group"},
          std::tuple{"zh", "CB 波段，第", "HF 波段，第", "HAM 波段，第"}}) {
        for (const char* paper : {"a4", "letter"}) {
            const QString pdf = dir_.filePath(QStringLiteral("%1-%2.pdf").arg(language, paper));
            const CliRun print =
                RunCli({"print", file, pdf, "--language", language, "--paper", paper});
            ASSERT_EQ(print.exitCode, 0) << print.err.toStdString();
            const CliRun info = RunProgram(QStringLiteral("pdfinfo"), {pdf});
            EXPECT_TRUE(info.out.contains(QString::fromLatin1(paper) == "a4"
                                              ? QStringLiteral("(A4)")
                                              : QStringLiteral("(letter)")))
                << info.out.toStdString();
            const CliRun text = RunProgram(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
            ASSERT_EQ(text.exitCode, 0);
            EXPECT_EQ(text.out.count(QString::fromUtf8(cb)), 7) << language;
            EXPECT_EQ(text.out.count(QString::fromUtf8(hf)), 15) << language;
            EXPECT_EQ(text.out.count(QString::fromUtf8(ham)), 12) << language;
        }
    }
    const CliRun missing = RunCli({"print", dir_.filePath(QStringLiteral("none.dat")),
                                   dir_.filePath(QStringLiteral("none.pdf"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("none.pdf"))));
}
#endif

}  // namespace
}  // namespace kv::test
