// The read and write step tables: what each step does with the reply it waits for, and with
// every reply it does not wait for.
#include <gtest/gtest.h>

#include "link/link_texts.h"
#include "session_harness.h"

namespace kv {
namespace {

using test::Describe;
using test::Hex;
using Lines = std::vector<std::string>;

const Frame kIdOk = IdentificationReply("TALVEN5", 1, "V100");
const Frame kIdListedFirmware = IdentificationReply("TALVEN5", 0, "V101");
const Frame kIdOtherModel = IdentificationReply("TALVEN6", 1, "V100");
const Frame kIdUnlistedFirmware = IdentificationReply("TALVEN5", 1, "V102");

// The replies that take a session through the whole walk of an all-zero radio.
std::vector<Frame> WalkReplies(TransferKind kind) {
    std::vector<Frame> replies{HandshakeReply(), kIdOk};
    for (auto address : TransferBlockAddresses())
        replies.push_back(kind == TransferKind::Read ? DataFrame(address, BlockData{})
                                                     : Acknowledgement());
    return replies;
}

std::string Send(const Frame& frame, std::size_t expects) {
    return "send " + Hex(frame) + " /" + std::to_string(expects);
}

Lines Transmit(const Frame& frame, std::size_t expects) {
    return {"timer start", "discard", Send(frame, expects)};
}

Lines Concat(Lines head, const Lines& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

struct StepCase {
    const char* name;
    TransferKind kind;
    std::vector<Frame> before;   // replies accepted after the handshake was started
    std::optional<Frame> reply;  // the reply under test; none: the start itself
    Lines actions;
    int stepAfter;
};

void RunStepCases(const std::vector<StepCase>& cases) {
    for (const auto& c : cases) {
        test::EngineFixture f;
        f.Engine.Prepare(c.kind);
        SessionActions actions = f.Engine.StartHandshake();
        for (const auto& b : c.before) f.Engine.OnReceive(b);
        if (c.reply) actions = f.Engine.OnReceive(*c.reply);
        EXPECT_EQ(Describe(actions), c.actions) << c.name;
        const int step = c.kind == TransferKind::Read ? f.Engine.ReadStep() : f.Engine.WriteStep();
        EXPECT_EQ(step, c.stepAfter) << c.name;
    }
}

TEST(ProtocolEngineSteps, ReadSteps) {
    const auto walk = WalkReplies(TransferKind::Read);
    const Lines endOk = {"timer stop", "timer stop", "close", "ended ok"};
    RunStepCases({
        {"start sends the handshake",
         TransferKind::Read,
         {},
         {},
         Transmit(HandshakeRequest(), 3),
         1},
        {"1: handshake reply asks for identification",
         TransferKind::Read,
         {},
         HandshakeReply(),
         Concat({"timer stop"}, Transmit(IdentificationRequest(), 16)),
         3},
        {"3: identification passes, first read request",
         TransferKind::Read,
         {HandshakeReply()},
         kIdOk,
         Concat({"timer stop"}, Transmit(Frame{0x52, 0, 0, 0, 0, 0x10}, 24)),
         5},
        {"3: listed firmware other than V100 passes",
         TransferKind::Read,
         {HandshakeReply()},
         kIdListedFirmware,
         Concat({"timer stop"}, Transmit(ReadRequest(0), 24)),
         5},
        {"3: other model sends the end request",
         TransferKind::Read,
         {HandshakeReply()},
         kIdOtherModel,
         Concat({"timer stop"}, Transmit(EndRequest(), 1)),
         70},
        {"3: unlisted firmware asks the version question",
         TransferKind::Read,
         {HandshakeReply()},
         kIdUnlistedFirmware,
         {"timer stop", "ask V102"},
         3},
        {"5: data frame asks for the next block",
         TransferKind::Read,
         {HandshakeReply(), kIdOk},
         DataFrame(0, BlockData{}),
         Concat({"timer stop"}, Transmit(ReadRequest(0x10), 24)),
         5},
        {"5: the last block sends the end request", TransferKind::Read,
         std::vector<Frame>(walk.begin(), walk.end() - 1), walk.back(),
         Concat({"timer stop"}, Transmit(EndRequest(), 1)), 69},
        {"69: acknowledgement ends with success", TransferKind::Read, walk, Acknowledgement(),
         endOk, 0},
        {"70: acknowledgement ends as failed",
         TransferKind::Read,
         {HandshakeReply(), kIdOtherModel},
         Acknowledgement(),
         {"timer stop", "timer stop", "close", "ended failed"},
         0},
    });
}

TEST(ProtocolEngineSteps, WriteSteps) {
    const auto walk = WalkReplies(TransferKind::Write);
    RunStepCases({
        {"start sends the handshake",
         TransferKind::Write,
         {},
         {},
         Transmit(HandshakeRequest(), 3),
         1},
        {"1: handshake reply asks for identification",
         TransferKind::Write,
         {},
         HandshakeReply(),
         Concat({"timer stop"}, Transmit(IdentificationRequest(), 16)),
         3},
        {"3: identification passes, first data frame",
         TransferKind::Write,
         {HandshakeReply()},
         kIdOk,
         Concat({"timer stop"}, Transmit(DataFrame(0, BlockData{}), 1)),
         4},
        {"3: other model sends the end request",
         TransferKind::Write,
         {HandshakeReply()},
         kIdOtherModel,
         Concat({"timer stop"}, Transmit(EndRequest(), 1)),
         70},
        {"3: unlisted firmware asks the version question",
         TransferKind::Write,
         {HandshakeReply()},
         kIdUnlistedFirmware,
         {"timer stop", "ask V102"},
         3},
        {"4: acknowledgement sends the next block",
         TransferKind::Write,
         {HandshakeReply(), kIdOk},
         Acknowledgement(),
         Concat({"timer stop"}, Transmit(DataFrame(0x10, BlockData{}), 1)),
         4},
        {"4: the last acknowledgement sends the end request", TransferKind::Write,
         std::vector<Frame>(walk.begin(), walk.end() - 1), walk.back(),
         Concat({"timer stop"}, Transmit(EndRequest(), 1)), 69},
        {"69: acknowledgement ends with success",
         TransferKind::Write,
         walk,
         Acknowledgement(),
         {"timer stop", "timer stop", "close", "ended ok"},
         0},
        {"70: acknowledgement ends as failed",
         TransferKind::Write,
         {HandshakeReply(), kIdOtherModel},
         Acknowledgement(),
         {"timer stop", "timer stop", "close", "ended failed"},
         0},
    });
}

// A reply the current step does not wait for is dropped without a trace: no action, same step,
// and the reply timer (still running) resends the same frame.
TEST(ProtocolEngineSteps, RepliesOfAnotherKindAreDropped) {
    struct Case {
        const char* name;
        TransferKind kind;
        std::vector<Frame> before;
        Frame reply;
    };
    const Case cases[] = {
        {"1: acknowledgement", TransferKind::Read, {}, Acknowledgement()},
        {"1: handshake reply with another last byte",
         TransferKind::Read,
         {},
         Frame{0x57, 0x4A, 0x07}},
        {"1: identification reply", TransferKind::Write, {}, kIdOk},
        {"3: second handshake reply after a resend",
         TransferKind::Read,
         {HandshakeReply()},
         HandshakeReply()},
        {"3: identification reply with another marker",
         TransferKind::Read,
         {HandshakeReply()},
         Frame(16, 0x48)},
        {"4: handshake reply", TransferKind::Write, {HandshakeReply(), kIdOk}, HandshakeReply()},
        {"4: negative acknowledgement",
         TransferKind::Write,
         {HandshakeReply(), kIdOk},
         Frame{0x15}},
        {"5: acknowledgement", TransferKind::Read, {HandshakeReply(), kIdOk}, Acknowledgement()},
        {"5: identification reply", TransferKind::Read, {HandshakeReply(), kIdOk}, kIdOk},
        {"70: handshake reply",
         TransferKind::Read,
         {HandshakeReply(), kIdOtherModel},
         HandshakeReply()},
    };
    for (const auto& c : cases) {
        test::EngineFixture f;
        f.Engine.Prepare(c.kind);
        f.Link.start();
        for (const auto& b : c.before) f.Link.receive(b);
        const int stepBefore = f.Engine.ReadStep() + f.Engine.WriteStep();
        const std::string frameBefore = f.Link.lastSent();
        const auto factsBefore = f.Facts.RadioModel;

        EXPECT_TRUE(f.Engine.OnReceive(c.reply).empty()) << c.name;
        EXPECT_EQ(f.Engine.ReadStep() + f.Engine.WriteStep(), stepBefore) << c.name;
        EXPECT_EQ(f.Facts.RadioModel, factsBefore) << c.name;

        f.Link.advance(1000);
        EXPECT_EQ(Describe(f.Link.LastActions),
                  (Lines{"timer stop", "timer start", "discard",
                         "resend " + frameBefore + " /" +
                             std::to_string(f.Engine.ExpectedReplyLength())}))
            << c.name;
    }
}

TEST(ProtocolEngineSteps, EventsOutsideASessionDoNothing) {
    test::EngineFixture f;
    EXPECT_TRUE(f.Engine.StartHandshake().empty());
    EXPECT_TRUE(f.Engine.OnReceive(HandshakeReply()).empty());
    EXPECT_TRUE(f.Engine.Retransmit().empty());
    EXPECT_TRUE(f.Engine.Abandon().empty());
    EXPECT_TRUE(f.Engine.AnswerVersionQuestion(false).empty());

    // Prepared but not started: the radio's chatter is ignored, the timer is not running.
    f.Engine.Prepare(TransferKind::Read);
    EXPECT_TRUE(f.Engine.OnReceive(Acknowledgement()).empty());
    EXPECT_TRUE(f.Engine.Retransmit().empty());
    EXPECT_EQ(f.Engine.SessionKind(), TransferKind::Read);
    EXPECT_EQ(f.Engine.ReadStep(), 0);
}

}  // namespace
}  // namespace kv
