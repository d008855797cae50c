// Whole read and write sessions of the serial session runner against kv7700-sim on a
// pseudo-terminal: what arrives, what the radio receives, and how faults are survived.
#include <gtest/gtest.h>

#include "codec/image_codec.h"
#include "e2e/link/expected_frames.h"
#include "e2e/link/session_driver.h"
#include "e2e/link/sim_process.h"
#include "link/link_texts.h"

namespace kv::test {
namespace {

using Frames = std::vector<Bytes>;

TEST(LinkSession, FullReadTakesTheRadioImageInsideTheMapOnly) {
    const MemoryImage radio = PatternImage(0x5A);
    SimProcess sim;
    ASSERT_TRUE(sim.Start(radio));
    SessionDriver driver;
    for (std::uint32_t a = 0; a < MemoryImage::size(); ++a) driver.image().put(a, 0xEE);

    const SessionRun run = driver.Run(TransferKind::Read, sim.path());
    ASSERT_TRUE(run.outcome);
    EXPECT_TRUE(run.outcome->succeeded());
    EXPECT_EQ(run.outcome->Completion, ReadCompletedText());
    EXPECT_TRUE(run.outcome->PendingMessages.empty());
    EXPECT_TRUE(driver.image() == *MaskedToTransferMap(radio));
    ASSERT_FALSE(run.progress.empty());
    EXPECT_EQ(run.progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(run.progress.begin(), run.progress.end()));
    EXPECT_EQ(driver.facts().RadioModel, "TALVEN5");
    EXPECT_TRUE(driver.facts().RadioOptionFlag);
}

TEST(LinkSession, FullWriteSendsEveryBlockInMapOrder) {
    auto data = std::make_unique<RadioData>();
    data->channelCount(kBandCb, 1) = 1;
    data->channel(kBandCb, 1, 1).ChNo = 1;
    data->channel(kBandCb, 1, 1).InUse = 1;
    data->channel(kBandCb, 1, 1).RxFreqText.assign("26965000");
    SessionDriver driver;
    EncodeImage(*data, driver.image());
    const auto encoded = std::make_unique<MemoryImage>(driver.image());

    SimProcess sim;
    ASSERT_TRUE(sim.Start(MemoryImage()));
    const SessionRun run = driver.Run(TransferKind::Write, sim.path());
    ASSERT_TRUE(run.outcome);
    EXPECT_TRUE(run.outcome->succeeded());
    EXPECT_EQ(run.outcome->Completion, WriteCompletedText());
    ASSERT_TRUE(sim.Stop());

    EXPECT_TRUE(sim.SavedImage() == *MaskedToTransferMap(*encoded));
    const Frames frames = sim.ReceivedFrames();
    ASSERT_EQ(frames.size(), kMapBlocks + 3);
    EXPECT_EQ(frames.front(), kProgramRequest);
    EXPECT_EQ(frames[1], kIdentifyRequest);
    EXPECT_EQ(frames.back(), kEndRequestBytes);
    const std::vector<std::uint32_t> addresses = MapBlockAddresses();
    for (std::size_t i = 0; i < addresses.size(); ++i)
        ASSERT_EQ(frames[i + 2], DataFrameBytes(addresses[i], *encoded)) << "block " << i;
}

TEST(LinkSession, SpoiledRepliesAreSentAgainAfterTheReplyTimer) {
    // Requests 1 and 2 are the handshake and the identification, 3 the first block, 4 the
    // second (address 0x10), whose reply each option spoils.
    const char* const options[] = {"--drop-reply", "--corrupt-checksum", "--wrong-address",
                                   "--short-reply"};
    const MemoryImage radio = PatternImage(0x11);
    for (const char* option : options) {
        SimProcess sim;
        ASSERT_TRUE(sim.Start(radio, {option, "4"}));
        SessionDriver driver;
        const SessionRun run = driver.Run(TransferKind::Read, sim.path());
        ASSERT_TRUE(run.outcome) << option;
        EXPECT_TRUE(run.outcome->succeeded()) << option;
        EXPECT_TRUE(driver.image() == *MaskedToTransferMap(radio)) << option;
        ASSERT_TRUE(sim.Stop()) << option;
        const Frames frames = sim.ReceivedFrames();
        ASSERT_EQ(frames.size(), kMapBlocks + 4) << option << ": one retransmission";
        EXPECT_EQ(frames[3], (Bytes{'R', 0, 0, 0, 0x10, 0x10})) << option;
        EXPECT_EQ(frames[4], frames[3]) << option << ": the same request again";
    }
}

TEST(LinkSession, SpoiledAcknowledgementIsSentAgain) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start(MemoryImage(), {"--drop-reply", "100"}));
    SessionDriver driver;
    EncodeImage(RadioData(), driver.image());
    const SessionRun run = driver.Run(TransferKind::Write, sim.path());
    ASSERT_TRUE(run.outcome);
    EXPECT_TRUE(run.outcome->succeeded());
    ASSERT_TRUE(sim.Stop());
    const Frames frames = sim.ReceivedFrames();
    ASSERT_EQ(frames.size(), kMapBlocks + 4);
    EXPECT_EQ(frames[99], frames[100]);
}

// A radio that falls silent: five transmissions a second apart, then the session fails saying
// so; a write that had sent data says that the radio is partly written.
TEST(LinkSession, SilentRadioEndsTheSessionSayingSo) {
    struct Case {
        TransferKind kind;
        std::vector<TextPair> messages;
    };
    const Case cases[] = {
        {TransferKind::Read, {NoAnswerText()}},
        {TransferKind::Write, {NoAnswerText(), PartlyWrittenText()}},
    };
    for (const auto& c : cases) {
        SimProcess sim;
        ASSERT_TRUE(sim.Start(PatternImage(0), {"--silent-after", "40"}));
        SessionDriver driver;
        const SessionRun run = driver.Run(c.kind, sim.path());
        ASSERT_TRUE(run.outcome);
        EXPECT_EQ(run.outcome->Result, SessionResult::Failed);
        EXPECT_EQ(run.outcome->PendingMessages, c.messages);
        EXPECT_EQ(run.outcome->PartlyWritten, c.kind == TransferKind::Write);
        EXPECT_TRUE(run.outcome->Completion.empty());
        ASSERT_TRUE(sim.Stop());
        const Frames frames = sim.ReceivedFrames();
        ASSERT_EQ(frames.size(), 45u) << "40 answered, then the 41st request five times";
        for (std::size_t i = 40; i < 45; ++i) EXPECT_EQ(frames[i], frames[40]);
    }
}

TEST(LinkSession, WrongModelEndsWithTheModelMessage) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start(PatternImage(0), {"--model", "TALVEN6"}));
    SessionDriver driver;
    const SessionRun run = driver.Run(TransferKind::Read, sim.path());
    ASSERT_TRUE(run.outcome);
    EXPECT_EQ(run.outcome->Result, SessionResult::Failed);
    EXPECT_EQ(run.outcome->PendingMessages, std::vector<TextPair>{ModelWrongText()});
    EXPECT_EQ(run.outcome->PendingMessages[0].en, "Model type is wrong.");
    EXPECT_TRUE(run.versionQuestions.empty());
    ASSERT_TRUE(sim.Stop());
    EXPECT_EQ(sim.ReceivedFrames(), (Frames{kProgramRequest, kIdentifyRequest, kEndRequestBytes}));
}

TEST(LinkSession, UnlistedFirmwareAsksAndFailsOnNo) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start(PatternImage(0), {"--firmware", "V102", "--option-byte", "0"}));
    SessionDriver driver;
    const SessionRun run = driver.Run(TransferKind::Write, sim.path());
    ASSERT_TRUE(run.outcome);
    EXPECT_EQ(run.outcome->Result, SessionResult::Failed);
    EXPECT_EQ(run.versionQuestions, std::vector<std::string>{"V102"});
    EXPECT_FALSE(driver.facts().RadioOptionFlag);
    ASSERT_TRUE(sim.Stop());
    EXPECT_EQ(sim.ReceivedFrames(), (Frames{kProgramRequest, kIdentifyRequest, kEndRequestBytes}));
}

}  // namespace
}  // namespace kv::test
