// The write job: which sessions run, what is kept, what the user is told, and the percentage
// over the whole job.
#include "link/write_job.h"

#include <gtest/gtest.h>

#include <memory>

#include "link/link_texts.h"
#include "link/transfer_map.h"

namespace kv {
namespace {

SessionOutcome Ended(TransferKind kind, SessionResult result, std::vector<TextPair> messages = {}) {
    return {kind, result, std::move(messages), {}};
}

std::unique_ptr<MemoryImage> Sample() {
    auto image = std::make_unique<MemoryImage>();
    for (std::uint32_t a = 0; a < MemoryImage::size(); ++a)
        image->put(a, static_cast<std::uint8_t>(a * 13 + 1));
    return image;
}

TEST(WriteJob, PhasesFollowTheOptions) {
    const auto image = Sample();
    struct Case {
        WriteJobOptions options;
        std::vector<JobPhase> phases;
    };
    const Case cases[] = {
        {{true, true}, {JobPhase::Backup, JobPhase::Write, JobPhase::Verify}},
        {{true, false}, {JobPhase::Backup, JobPhase::Write}},
        {{false, true}, {JobPhase::Write, JobPhase::Verify}},
        {{false, false}, {JobPhase::Write}},
    };
    for (const Case& c : cases) EXPECT_EQ(WriteJob(*image, c.options).phases(), c.phases);
}

TEST(WriteJob, WholeJobReadsKeepsWritesKeepsAndVerifies) {
    const auto toWrite = Sample();
    WriteJob job(*toWrite, {});
    auto session = std::make_unique<MemoryImage>();

    EXPECT_EQ(job.SessionKind(), TransferKind::Read);
    EXPECT_EQ(job.OverallPercent(0), 0);
    EXPECT_EQ(job.OverallPercent(100), 33);
    JobStep step = job.PhaseEnded(Ended(TransferKind::Read, SessionResult::Succeeded), *session);
    EXPECT_FALSE(step.Finished);
    EXPECT_EQ(step.Keep, BackupKind::Read);

    EXPECT_EQ(job.phase(), JobPhase::Write);
    EXPECT_EQ(job.SessionKind(), TransferKind::Write);
    job.PrepareImage(*session);
    EXPECT_TRUE(*session == *toWrite);
    EXPECT_EQ(job.OverallPercent(50), 50);
    step = job.PhaseEnded(Ended(TransferKind::Write, SessionResult::Succeeded), *session);
    EXPECT_FALSE(step.Finished);
    EXPECT_EQ(step.Keep, BackupKind::Written);

    EXPECT_EQ(job.phase(), JobPhase::Verify);
    EXPECT_EQ(job.OverallPercent(100), 100);
    // A read clears the image, so bytes outside the transfer map come back as 0: never compared.
    session->clear();
    for (std::uint32_t address : TransferBlockAddresses())
        PutImageBlock(*session, address, ImageBlock(*toWrite, address));
    step = job.PhaseEnded(Ended(TransferKind::Read, SessionResult::Succeeded), *session);
    EXPECT_TRUE(step.Finished);
    EXPECT_FALSE(step.Keep);
    EXPECT_TRUE(step.Outcome.succeeded());
    EXPECT_EQ(step.Outcome.Kind, TransferKind::Write);
    EXPECT_EQ(step.Outcome.Completion, WriteCompletedText());
    EXPECT_TRUE(step.Outcome.PendingMessages.empty());
}

TEST(WriteJob, VerifyNamesTheDifferingBlocksAndWithholdsTheCompletion) {
    struct Case {
        std::vector<std::uint32_t> spoiled;
        const char* en;
    };
    const Case cases[] = {
        {{0x00090},
         "Verifying found 1 block that differs from what was written, at 0x00090. The radio must "
         "be written again."},
        {{0x00000, 0x00090, 0x02000, 0x0C9F0, 0x16400, 0x22160},
         "Verifying found 6 blocks that differ from what was written, the first at 0x00000, "
         "0x00090, 0x02000, 0x0C9F0, 0x16400. The radio must be written again."},
    };
    for (const Case& c : cases) {
        const auto toWrite = Sample();
        WriteJob job(*toWrite, {false, true});
        auto session = std::make_unique<MemoryImage>(*toWrite);
        ASSERT_FALSE(job.PhaseEnded(Ended(TransferKind::Write, SessionResult::Succeeded), *session)
                         .Finished);
        for (std::uint32_t address : c.spoiled) session->put(address + 15, 0xEE);
        const JobStep step =
            job.PhaseEnded(Ended(TransferKind::Read, SessionResult::Succeeded), *session);
        ASSERT_TRUE(step.Finished);
        EXPECT_EQ(step.Outcome.Result, SessionResult::Failed);
        EXPECT_TRUE(step.Outcome.Completion.empty());
        EXPECT_EQ(job.differingBlocks(), c.spoiled);
        ASSERT_EQ(step.Outcome.PendingMessages.size(), 1u);
        EXPECT_EQ(step.Outcome.PendingMessages[0].en, c.en);
        EXPECT_FALSE(step.Outcome.PendingMessages[0].zh.empty());
    }
}

TEST(WriteJob, FailuresEndTheJobWithTheirReasons) {
    const TextPair radioSaid{"Model type is wrong.", "机型类型错误。"};
    struct Case {
        const char* what;
        int phasesDone;  // sessions that succeeded before the failing one
        SessionResult result;
        std::vector<std::string> messages;  // English texts expected, in order
    };
    const Case cases[] = {
        {"backup read fails",
         0,
         SessionResult::Failed,
         {"Model type is wrong.",
          "The radio could not be read for the backup before writing, so nothing was written."}},
        {"write fails", 1, SessionResult::Failed, {"Model type is wrong."}},
        {"verify read fails",
         2,
         SessionResult::Failed,
         {"Model type is wrong.",
          "The write could not be verified: the radio could not be read back. Write to the radio "
          "again to be sure it holds the data."}},
        {"hand-over during the backup read",
         0,
         SessionResult::HandedOver,
         {"Model type is wrong."}},
    };
    for (const Case& c : cases) {
        const auto toWrite = Sample();
        WriteJob job(*toWrite, {});
        auto session = std::make_unique<MemoryImage>(*toWrite);
        for (int i = 0; i < c.phasesDone; ++i)
            ASSERT_FALSE(
                job.PhaseEnded(Ended(job.SessionKind(), SessionResult::Succeeded), *session)
                    .Finished);
        const JobStep step =
            job.PhaseEnded(Ended(job.SessionKind(), c.result, {radioSaid}), *session);
        ASSERT_TRUE(step.Finished) << c.what;
        EXPECT_FALSE(step.Keep) << c.what;
        EXPECT_EQ(step.Outcome.Result, c.result) << c.what;
        EXPECT_TRUE(step.Outcome.Completion.empty()) << c.what;
        std::vector<std::string> shown;
        for (const TextPair& m : step.Outcome.PendingMessages) shown.push_back(m.en);
        EXPECT_EQ(shown, c.messages) << c.what;
    }
}

// The lines each trace of a job ends with: its phases, how the job ended, every differing block.
TEST(WriteJob, TraceTextTellsHowTheJobEnded) {
    struct Case {
        const char* what;
        WriteJobOptions options;
        int phasesDone;
        SessionResult last;
        std::vector<std::uint32_t> spoiled;
        std::string expected;
    };
    const std::string all = "Job: write to the radio (backup read, write, verify read)\n";
    const Case cases[] = {
        {"whole job", {}, 2, SessionResult::Succeeded, {}, all + "Job outcome: succeeded\n"},
        {"verify mismatch",
         {},
         2,
         SessionResult::Succeeded,
         {0x06B10},
         all + "Job outcome: failed, the verify read found 1 block different from what was "
               "written\nDiffering blocks: 0x06B10\nJob message: Verifying found 1 block that "
               "differs from what was written, at 0x06B10. The radio must be written again.\n"},
        {"two blocks, without backup",
         {false, true},
         1,
         SessionResult::Succeeded,
         {0x00000, 0x22160},
         "Job: write to the radio (write, verify read)\nJob outcome: failed, the verify read "
         "found 2 blocks different from what was written\nDiffering blocks: 0x00000 0x22160\n"
         "Job message: Verifying found 2 blocks that differ from what was written, the first at "
         "0x00000, 0x22160. The radio must be written again.\n"},
        {"write fails",
         {},
         1,
         SessionResult::Failed,
         {},
         all + "Job outcome: failed in the write\nJob message: Model type is wrong.\n"},
    };
    for (const Case& c : cases) {
        const auto toWrite = Sample();
        WriteJob job(*toWrite, c.options);
        auto session = std::make_unique<MemoryImage>(*toWrite);
        for (int i = 0; i < c.phasesDone; ++i)
            ASSERT_FALSE(
                job.PhaseEnded(Ended(job.SessionKind(), SessionResult::Succeeded), *session)
                    .Finished);
        for (std::uint32_t address : c.spoiled) session->put(address + 3, 0xEE);
        const std::vector<TextPair> said =
            c.last == SessionResult::Failed
                ? std::vector<TextPair>{{"Model type is wrong.", "机型类型错误。"}}
                : std::vector<TextPair>{};
        const JobStep step = job.PhaseEnded(Ended(job.SessionKind(), c.last, said), *session);
        ASSERT_TRUE(step.Finished) << c.what;
        EXPECT_EQ(job.TraceText(step.Outcome), c.expected) << c.what;
    }
}

TEST(WriteJob, BackupThatCannotBeKeptStopsBeforeWriting) {
    const auto toWrite = Sample();
    WriteJob job(*toWrite, {});
    auto session = std::make_unique<MemoryImage>();
    ASSERT_EQ(job.PhaseEnded(Ended(TransferKind::Read, SessionResult::Succeeded), *session).Keep,
              BackupKind::Read);
    const SessionOutcome outcome = job.BackupNotKept({"disk full", "磁盘已满"});
    EXPECT_EQ(outcome.Result, SessionResult::Failed);
    ASSERT_EQ(outcome.PendingMessages.size(), 2u);
    EXPECT_EQ(outcome.PendingMessages[0].en, "disk full");
    EXPECT_EQ(outcome.PendingMessages[1].en,
              "The backup of the radio could not be saved, so nothing was written.");
}

TEST(WriteJob, WriteAloneCompletesAfterItsSessionAndKeepsWhatWasSent) {
    const auto toWrite = Sample();
    WriteJob job(*toWrite, {false, false});
    EXPECT_EQ(job.OverallPercent(37), 37);
    job.AddMessage({"note", "注意"});
    const JobStep step =
        job.PhaseEnded(Ended(TransferKind::Write, SessionResult::Succeeded), *toWrite);
    EXPECT_TRUE(step.Finished);
    EXPECT_EQ(step.Keep, BackupKind::Written);
    EXPECT_EQ(step.Outcome.Completion, WriteCompletedText());
    ASSERT_EQ(step.Outcome.PendingMessages.size(), 1u);
    EXPECT_EQ(step.Outcome.PendingMessages[0].en, "note");
}

}  // namespace
}  // namespace kv
