// kv7700-cli write with several --port options: simulated radios written at the same time, each
// verified, one image per radio kept with --backup DIR, a radio that stops answering failing
// alone, and the arguments a user gets wrong.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <array>
#include <memory>

#include "e2e/cli_process.h"
#include "e2e/link/session_driver.h"
#include "e2e/link/sim_process.h"
#include "platform/raw_image_file.h"

namespace kv::test {
namespace {

constexpr int kRadios = 4;
constexpr int kSilentRadio = 2;  // stops answering during its backup read

TEST(CliMultiWrite, FourRadiosAtOnceEachVerifiedOneSilentFailsAlone) {
    QTemporaryDir folder;
    const QString in = folder.filePath("plan.img");
    const MemoryImage plan = PatternImage(0x5A);
    ASSERT_EQ(SaveRawImage(in, plan), QString());
    const QString backups = folder.filePath("backups");
    ASSERT_TRUE(QDir().mkpath(backups));

    std::array<std::unique_ptr<SimProcess>, kRadios> sims;
    QStringList arguments = {"write"};
    for (int i = 0; i < kRadios; ++i) {
        sims[i] = std::make_unique<SimProcess>();
        const QStringList faults =
            i == kSilentRadio ? QStringList{"--silent-after", "40"} : QStringList{};
        ASSERT_TRUE(sims[i]->Start(PatternImage(static_cast<std::uint8_t>(i + 1)), faults));
        arguments << "--port" << sims[i]->path();
    }
    arguments << in << "--verify"
              << "--backup" << backups;
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();

    const QStringList kept = QDir(backups).entryList({"*.img"}, QDir::Files, QDir::Name);
    EXPECT_EQ(kept.size(), kRadios - 1) << kept.join(' ').toStdString();
    for (int i = 0; i < kRadios; ++i) {
        const QString port = sims[i]->path();
        const MemoryImage before = PatternImage(static_cast<std::uint8_t>(i + 1));
        ASSERT_TRUE(sims[i]->Stop());
        const QString portName = port.mid(1).replace('/', '_');
        const QStringList backup =
            QDir(backups).entryList({"kv7700-" + portName + "-*.img"}, QDir::Files);
        if (i == kSilentRadio) {
            EXPECT_TRUE(sims[i]->SavedImage() == before) << "nothing was written to it";
            EXPECT_TRUE(backup.isEmpty());
            EXPECT_TRUE(run.out.contains("  " + port + ": failed (")) << run.out.toStdString();
            EXPECT_TRUE(run.err.contains(port + ": The radio does not answer"))
                << run.err.toStdString();
            continue;
        }
        EXPECT_TRUE(*MaskedToTransferMap(sims[i]->SavedImage()) == *MaskedToTransferMap(plan))
            << port.toStdString();
        EXPECT_TRUE(run.out.contains(port + ": Write Data Completed.\n")) << port.toStdString();
        EXPECT_TRUE(run.out.contains("  " + port + ": succeeded\n")) << run.out.toStdString();
        ASSERT_EQ(backup.size(), 1) << port.toStdString();
        MemoryImage kept;
        ASSERT_EQ(LoadRawImage(QDir(backups).filePath(backup[0]), kept), QString());
        EXPECT_TRUE(kept == *MaskedToTransferMap(before)) << "the radio as it was";
        // Every progress line says its radio.
        EXPECT_TRUE(run.err.contains(port + ": Verifying the radio: 100%\n"));
    }
    EXPECT_TRUE(run.out.endsWith("3 of 4 radios written.\n")) << run.out.toStdString();
}

TEST(CliMultiWrite, WrongArgumentsAndAMissingPort) {
    QTemporaryDir folder;
    const QString in = folder.filePath("plan.img");
    const MemoryImage plan = PatternImage(0x21);
    ASSERT_EQ(SaveRawImage(in, plan), QString());
    SimProcess sim;
    ASSERT_TRUE(sim.Start(PatternImage(9)));

    struct Case {
        QStringList arguments;
        int exitCode;
        const char* said;  // in standard error
    };
    const QString notAFolder = in;
    const Case cases[] = {
        {{"write", "--port", sim.path(), "--port", sim.path(), in}, 2, "is given twice"},
        {{"write", "--port", sim.path(), "--port", "/dev/kv7700-none", in, "--backup", notAFolder},
         2,
         "--backup names a folder"},
        {{"read", "--port", sim.path(), "--port", "/dev/kv7700-none", in},
         2,
         "read takes --port PORT OUT"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.said)) << run.err.toStdString();
    }
    EXPECT_TRUE(sim.SavedImage() == PatternImage(9)) << "a refused command writes nothing";

    // A port that is not there fails alone; the radio beside it is written.
    const CliRun run = RunCli({"write", "--port", "/dev/kv7700-none", "--port", sim.path(), in});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("  /dev/kv7700-none: failed (")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("  " + sim.path() + ": succeeded\n")) << run.out.toStdString();
    EXPECT_TRUE(run.out.endsWith("1 of 2 radios written.\n"));
    ASSERT_TRUE(sim.Stop());
    EXPECT_TRUE(*MaskedToTransferMap(sim.SavedImage()) == *MaskedToTransferMap(plan));
}

}  // namespace
}  // namespace kv::test
