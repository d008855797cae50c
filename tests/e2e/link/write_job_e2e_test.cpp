// The write job against kv7700-sim: backup read, write and verify read on one port opening, a
// radio that loses a block, and a radio that falls silent before anything is written.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include "e2e/link/expected_frames.h"
#include "e2e/link/session_driver.h"
#include "e2e/link/sim_process.h"
#include "link/write_job.h"
#include "platform/serial_session.h"
#include "platform/write_job_runner.h"

namespace kv::test {
namespace {

using Frames = std::vector<Bytes>;

struct JobRun {
    std::optional<SessionOutcome> outcome;
    std::vector<JobPhase> phases;
    std::vector<bool> portOpenAtPhase;
    std::vector<int> progress;
    std::vector<BackupKind> kept;
    std::unique_ptr<MemoryImage> backup;
    std::vector<std::uint32_t> differing;
    bool portOpenAfter = true;
};

// Runs a write job of `toWrite` on `path`. `keepFails` makes keeping every image fail.
JobRun RunJob(const QString& path, const MemoryImage& toWrite, WriteJobOptions options,
              bool keepFails = false) {
    SessionDriver driver;  // the application object and a session image
    const VersionTable versions{"V100", {"V100"}, {{"V100", "V100"}}};
    SerialSession session(driver.image(), driver.facts(), versions);
    JobRun run;
    WriteJobRunner runner(
        session, driver.image(),
        [&](const MemoryImage& image, BackupKind kind) -> std::optional<TextPair> {
            run.kept.push_back(kind);
            if (keepFails) return TextPair{"disk full", "磁盘已满"};
            if (kind == BackupKind::Read) run.backup = std::make_unique<MemoryImage>(image);
            return std::nullopt;
        });
    QEventLoop loop;
    QObject::connect(&runner, &WriteJobRunner::phaseStarted, [&](JobPhase phase) {
        run.phases.push_back(phase);
        run.portOpenAtPhase.push_back(session.isPortOpen());
    });
    QObject::connect(&runner, &WriteJobRunner::progress,
                     [&](int percent) { run.progress.push_back(percent); });
    QObject::connect(&runner, &WriteJobRunner::finished, [&](const SessionOutcome& outcome) {
        run.outcome = outcome;
        loop.quit();
    });
    auto job = std::make_unique<WriteJob>(toWrite, options);
    EXPECT_FALSE(session.OpenLink(job->SessionKind(), path));
    runner.start(std::move(job));
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    if (!run.outcome) loop.exec();
    run.differing = runner.job()->differingBlocks();
    run.portOpenAfter = session.isPortOpen();
    return run;
}

std::size_t Count(const Frames& frames, std::uint8_t first, std::size_t length) {
    return static_cast<std::size_t>(std::count_if(frames.begin(), frames.end(), [&](const auto& f) {
        return f.size() == length && f.front() == first;
    }));
}

TEST(WriteJob, BackupWriteAndVerifyRunOnOnePortOpening) {
    const MemoryImage radio = PatternImage(0x21);
    const MemoryImage toWrite = PatternImage(0x77);
    SimProcess sim;
    ASSERT_TRUE(sim.Start(radio));

    const JobRun run = RunJob(sim.path(), toWrite, {true, true});
    ASSERT_TRUE(run.outcome);
    EXPECT_TRUE(run.outcome->succeeded());
    EXPECT_EQ(run.outcome->Completion.en, "Write Data Completed.");
    EXPECT_TRUE(run.outcome->PendingMessages.empty());
    EXPECT_EQ(run.phases,
              (std::vector<JobPhase>{JobPhase::Backup, JobPhase::Write, JobPhase::Verify}));
    EXPECT_EQ(run.portOpenAtPhase, (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(run.portOpenAfter);
    EXPECT_EQ(run.kept, (std::vector<BackupKind>{BackupKind::Read, BackupKind::Written}));
    ASSERT_TRUE(run.backup);
    EXPECT_TRUE(*run.backup == *MaskedToTransferMap(radio)) << "the radio as it was";
    ASSERT_FALSE(run.progress.empty());
    EXPECT_TRUE(std::is_sorted(run.progress.begin(), run.progress.end()));
    EXPECT_EQ(run.progress.back(), 100);
    EXPECT_TRUE(std::find(run.progress.begin(), run.progress.end(), 33) != run.progress.end());

    ASSERT_TRUE(sim.Stop());
    EXPECT_TRUE(*MaskedToTransferMap(sim.SavedImage()) == *MaskedToTransferMap(toWrite));
    const Frames frames = sim.ReceivedFrames();
    ASSERT_EQ(frames.size(), 3 * (kMapBlocks + 3));
    EXPECT_EQ(Count(frames, 'P', kProgramRequest.size()), 3u);
    EXPECT_EQ(Count(frames, 'E', kEndRequestBytes.size()), 3u);
    // Read, then write, then read: each session whole and in order.
    const std::size_t session = kMapBlocks + 3;
    for (std::size_t s = 0; s < 3; ++s) {
        const std::uint8_t block = s == 1 ? 'W' : 'R';
        EXPECT_EQ(frames[s * session], kProgramRequest) << s;
        EXPECT_EQ(frames[s * session + 2].front(), block) << s;
        EXPECT_EQ(frames[s * session + session - 2].front(), block) << s;
        EXPECT_EQ(frames[s * session + session - 1], kEndRequestBytes) << s;
    }
}

TEST(WriteJob, VerifyReportsALostBlockAndWithholdsTheCompletion) {
    // Without the backup read, request 1 is the handshake, 2 the identification, 3 the block at
    // 0x00000 and 12 the block at 0x00090.
    SimProcess sim;
    ASSERT_TRUE(sim.Start(MemoryImage(), {"--lose-write", "12"}));
    const JobRun run = RunJob(sim.path(), PatternImage(0x42), {false, true});
    ASSERT_TRUE(run.outcome);
    EXPECT_EQ(run.outcome->Result, SessionResult::Failed);
    EXPECT_TRUE(run.outcome->Completion.empty());
    EXPECT_EQ(run.differing, std::vector<std::uint32_t>{0x00090});
    EXPECT_EQ(run.outcome->PendingMessages, std::vector<TextPair>{VerifyMismatchText({0x00090})});
    EXPECT_EQ(run.kept, std::vector<BackupKind>{BackupKind::Written});
}

TEST(WriteJob, ARadioSilentDuringTheBackupReadIsNotWritten) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start(PatternImage(3), {"--silent-after", "100"}));
    const JobRun run = RunJob(sim.path(), PatternImage(0x42), {true, true});
    ASSERT_TRUE(run.outcome);
    EXPECT_EQ(run.outcome->Result, SessionResult::Failed);
    EXPECT_TRUE(run.outcome->Completion.empty());
    EXPECT_TRUE(run.kept.empty());
    EXPECT_EQ(run.phases, std::vector<JobPhase>{JobPhase::Backup});
    ASSERT_FALSE(run.outcome->PendingMessages.empty());
    EXPECT_EQ(run.outcome->PendingMessages.back().en,
              "The radio could not be read for the backup before writing, so nothing was "
              "written.");
    EXPECT_FALSE(run.portOpenAfter);
    ASSERT_TRUE(sim.Stop());
    const Frames frames = sim.ReceivedFrames();
    EXPECT_EQ(Count(frames, 'W', kDataFrameBytes), 0u);
    EXPECT_EQ(Count(frames, 'P', kProgramRequest.size()), 1u);
    EXPECT_TRUE(sim.SavedImage() == PatternImage(3)) << "the radio is as it was";
}

TEST(WriteJob, ABackupThatCannotBeKeptStopsBeforeWriting) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start(PatternImage(5)));
    const JobRun run = RunJob(sim.path(), PatternImage(0x42), {true, false}, true);
    ASSERT_TRUE(run.outcome);
    EXPECT_EQ(run.outcome->Result, SessionResult::Failed);
    EXPECT_EQ(run.kept, std::vector<BackupKind>{BackupKind::Read});
    ASSERT_EQ(run.outcome->PendingMessages.size(), 2u);
    EXPECT_EQ(run.outcome->PendingMessages[0].en, "disk full");
    EXPECT_FALSE(run.portOpenAfter);
    ASSERT_TRUE(sim.Stop());
    EXPECT_EQ(Count(sim.ReceivedFrames(), 'W', kDataFrameBytes), 0u);
    EXPECT_TRUE(sim.SavedImage() == PatternImage(5));
}

}  // namespace
}  // namespace kv::test
