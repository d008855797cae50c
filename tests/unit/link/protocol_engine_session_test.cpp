// Whole sessions against a simulated radio, with a fake clock for the reply timer.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/link_texts.h"
#include "session_harness.h"

namespace kv {
namespace {

using test::Describe;
using test::Hex;
using Lines = std::vector<std::string>;

std::vector<std::uint32_t> AddressesSent(const std::vector<SendFrame>& sent, std::uint8_t marker) {
    std::vector<std::uint32_t> addresses;
    for (const auto& s : sent) {
        if (s.Bytes.at(0) != marker) continue;
        const auto address = marker == kReadMarker
                                 ? ParseReadRequest(s.Bytes)
                                 : std::optional(ParseDataFrame(s.Bytes)->Address);
        addresses.push_back(*address);
    }
    return addresses;
}

void FillPattern(MemoryImage& image) {
    for (std::uint32_t a = 0; a < MemoryImage::kSize; ++a)
        image.put(a, static_cast<std::uint8_t>(a * 7 + (a >> 8)));
}

TEST(ProtocolEngineSession, ReadWalksTheTransferMapAndFillsOnlyItsBlocks) {
    test::EngineFixture f;
    FillPattern(*f.Radio.Image);
    f.Image->put(0x00C80, 0xEE);  // a gap byte left over from an earlier use is cleared
    f.prepare(TransferKind::Read);
    f.Link.run();

    ASSERT_TRUE(f.Link.Outcome);
    EXPECT_TRUE(f.Link.Outcome->succeeded());
    EXPECT_EQ(f.Link.Outcome->Completion, ReadCompletedText());
    EXPECT_TRUE(f.Link.Outcome->PendingMessages.empty());

    const auto& sent = f.Link.Sent;
    ASSERT_GE(sent.size(), 4u);
    EXPECT_EQ(Hex(sent[2].Bytes), "52 00 00 00 00 10");
    EXPECT_EQ(AddressesSent(sent, kReadMarker), TransferBlockAddresses());
    EXPECT_EQ(Hex(sent[sent.size() - 2].Bytes), "52 00 02 21 60 10");
    EXPECT_EQ(Hex(sent.back().Bytes), "45 4E 44");
    EXPECT_EQ(sent.size(), 2 + 1872 + 1u);

    for (std::uint32_t a = 0; a < MemoryImage::kSize; ++a) {
        const bool inMap = IsTransferBlock(a & ~0xFu);
        ASSERT_EQ(f.Image->at(a), inMap ? f.Radio.Image->at(a) : 0) << std::hex << a;
    }
    EXPECT_EQ(f.Facts.RadioModel, "TALVEN5");
    EXPECT_TRUE(f.Facts.RadioOptionFlag);
    EXPECT_EQ(f.Engine.SessionKind(), TransferKind::Idle);
    EXPECT_FALSE(f.Link.PortOpen);
    EXPECT_FALSE(f.Link.Deadline);
}

TEST(ProtocolEngineSession, WriteSendsEveryMapBlockAndNothingElse) {
    test::EngineFixture f;
    for (std::uint32_t a = 0; a < MemoryImage::kSize; ++a) f.Image->put(a, 0xEE);
    f.prepare(TransferKind::Write);
    f.Link.run();

    ASSERT_TRUE(f.Link.Outcome);
    EXPECT_TRUE(f.Link.Outcome->succeeded());
    EXPECT_EQ(f.Link.Outcome->Completion, WriteCompletedText());
    EXPECT_EQ(AddressesSent(f.Link.Sent, kDataMarker), TransferBlockAddresses());
    for (std::uint32_t a = 0; a < MemoryImage::kSize; ++a)
        ASSERT_EQ(f.Radio.Image->at(a), IsTransferBlock(a & ~0xFu) ? 0xEE : 0) << std::hex << a;
    EXPECT_EQ(f.Image->at(0x00C80), 0xEE) << "a write leaves the image alone";
}

TEST(ProtocolEngineSession, ProgressOnlyGrowsAndEndsAtHundred) {
    for (auto kind : {TransferKind::Read, TransferKind::Write}) {
        test::EngineFixture f;
        f.prepare(kind);
        f.Link.run();
        const auto& p = f.Link.Progress;
        ASSERT_FALSE(p.empty());
        EXPECT_TRUE(std::adjacent_find(p.begin(), p.end(), std::greater_equal<>()) == p.end());
        EXPECT_EQ(p.front(), 1);
        EXPECT_EQ(p.back(), 100);
        EXPECT_EQ(f.Engine.LastPercent(), 100);
    }
}

// A radio that falls silent: five transmissions, then the session fails saying that the radio
// does not answer, and a write that had blocks outstanding says the radio is partly written.
TEST(ProtocolEngineSession, SilentRadioFailsAfterFiveTransmissions) {
    const std::vector<TextPair> noAnswer{NoAnswerText()};
    const std::vector<TextPair> partly{NoAnswerText(), PartlyWrittenText()};
    struct Case {
        const char* name;
        int answered;  // frames the radio answers before it falls silent
        TransferKind kind;
        std::vector<TextPair> messages;
        bool dataSent;
    };
    const Case cases[] = {
        {"handshake", 0, TransferKind::Read, noAnswer, false},
        {"identification", 1, TransferKind::Write, noAnswer, false},
        {"during the walk", 40, TransferKind::Read, noAnswer, false},
        {"first data block", 2, TransferKind::Write, partly, true},
        {"during the write", 2 + 130, TransferKind::Write, partly, true},
        {"end request", 2 + 1872, TransferKind::Write, noAnswer, true},
    };
    for (const auto& c : cases) {
        test::EngineFixture f;
        f.prepare(c.kind);
        int answered = 0;
        f.Link.Radio = [&](const Frame& request) -> std::optional<Frame> {
            if (answered == c.answered) return std::nullopt;
            ++answered;
            return f.Radio.answer(request);
        };
        f.Link.start();
        f.Link.deliver();
        const std::size_t before = f.Link.Sent.size();
        const std::string silentFrame = f.Link.lastSent();

        f.Link.advance(3999);
        EXPECT_FALSE(f.Link.Outcome) << c.name;
        EXPECT_EQ(f.Link.Sent.size(), before + 3) << c.name;
        f.Link.advance(1);
        EXPECT_FALSE(f.Link.Outcome) << c.name;
        EXPECT_EQ(f.Engine.RetryCount(), 5) << c.name;
        f.Link.advance(1000);
        ASSERT_TRUE(f.Link.Outcome) << c.name;
        EXPECT_EQ(f.Link.Outcome->Result, SessionResult::Failed) << c.name;
        EXPECT_EQ(f.Link.Outcome->PendingMessages, c.messages) << c.name;
        EXPECT_EQ(f.Link.Outcome->DataSent, c.dataSent) << c.name;
        EXPECT_EQ(f.Link.Outcome->PartlyWritten, c.messages.size() == 2) << c.name;
        EXPECT_TRUE(f.Link.Outcome->Completion.empty()) << c.name;
        EXPECT_EQ(f.Link.Sent.size(), before + 4) << c.name;
        for (std::size_t i = before - 1; i < f.Link.Sent.size(); ++i)
            EXPECT_EQ(Hex(f.Link.Sent[i].Bytes), silentFrame) << c.name;
        EXPECT_EQ(Describe(f.Link.LastActions),
                  (Lines{"timer stop", "timer stop", "close", "ended failed"}))
            << c.name;
    }
}

TEST(ProtocolEngineSession, PartialReplyIsDiscardedAndTheRequestSentAgain) {
    test::EngineFixture f;
    f.Engine.Prepare(TransferKind::Read);
    f.Link.start();
    f.Link.receive(HandshakeReply());
    f.Link.receive(IdentificationReply("TALVEN5", 1, "V100"));
    ASSERT_EQ(f.Link.lastSent(), "52 00 00 00 00 10");
    const Frame block = DataFrame(0, BlockData{});
    f.Link.receive(ByteView(block).first(10));
    EXPECT_EQ(f.Link.Input.size(), 10u) << "ten bytes raise no reply";
    const std::size_t sent = f.Link.Sent.size();

    f.Link.advance(1000);
    EXPECT_EQ(f.Link.Input.size(), 0u);
    ASSERT_EQ(f.Link.Sent.size(), sent + 1);
    EXPECT_EQ(f.Link.lastSent(), "52 00 00 00 00 10");
    EXPECT_TRUE(f.Link.Sent.back().Retransmission);

    f.Link.receive(block);  // the whole frame after the resend is taken
    EXPECT_EQ(f.Link.lastSent(), "52 00 00 00 10 10");
    EXPECT_EQ(f.Engine.RetryCount(), 1);
}

TEST(ProtocolEngineSession, LateFrameForThePreviousAddressIsDropped) {
    test::EngineFixture f;
    f.Engine.Prepare(TransferKind::Read);
    f.Link.start();
    f.Link.receive(HandshakeReply());
    f.Link.receive(IdentificationReply("TALVEN5", 1, "V100"));
    BlockData first;
    first.fill(0x11);
    f.Link.receive(DataFrame(0x00, first));
    ASSERT_EQ(f.Link.lastSent(), "52 00 00 00 10 10");

    BlockData stale;
    stale.fill(0x99);
    f.Link.receive(DataFrame(0x00, stale));
    EXPECT_EQ(f.Image->at(0x00), 0x11);
    EXPECT_EQ(f.Image->at(0x10), 0x00);
    f.Link.advance(1000);
    EXPECT_EQ(f.Link.lastSent(), "52 00 00 00 10 10");
    EXPECT_EQ(f.Engine.CurrentAddress(), 0x10);
}

TEST(ProtocolEngineSession, WrongModelEndsAsFailedWithItsMessage) {
    test::EngineFixture f;
    f.Radio.Model = "TALVEN6";
    f.Radio.Option = 0;
    f.Radio.Firmware = "V105";
    f.Facts.RadioOptionFlag = true;
    f.prepare(TransferKind::Read);
    f.Link.run();

    ASSERT_TRUE(f.Link.Outcome);
    EXPECT_EQ(f.Link.Outcome->Result, SessionResult::Failed);
    EXPECT_EQ(f.Link.Outcome->PendingMessages, std::vector<TextPair>{ModelWrongText()});
    EXPECT_EQ(ModelWrongText(), (TextPair{"Model type is wrong.", "机型类型错误。"}));
    EXPECT_TRUE(f.Link.Outcome->Completion.empty());
    EXPECT_TRUE(f.Link.Questions.empty()) << "the version is not examined";
    EXPECT_EQ(f.Link.lastSent(), "45 4E 44");
    EXPECT_EQ(f.Link.Sent.size(), 3u);
    // What the radio reported is kept even though the check failed.
    EXPECT_EQ(f.Facts.RadioModel, "TALVEN6");
    EXPECT_FALSE(f.Facts.RadioOptionFlag);
    EXPECT_EQ(f.Facts.FirmwareVersion, "V105");
}

TEST(ProtocolEngineSession, ExpectedModelIsTrimmedBeforeTheComparison) {
    for (const std::string& expected :
         {std::string("TALVEN5   "), std::string("TALVEN5\0xy", 10)}) {
        test::EngineFixture f;
        f.Facts.ExpectedModel = expected;
        f.prepare(TransferKind::Write);
        f.Link.run();
        ASSERT_TRUE(f.Link.Outcome);
        EXPECT_TRUE(f.Link.Outcome->succeeded()) << expected;
    }
}

TEST(ProtocolEngineSession, UnlistedFirmwareWaitsForTheAnswer) {
    struct Case {
        const char* name;
        bool handedOver;
        SessionResult result;
        std::string lastSent;
    };
    const Case cases[] = {
        {"no: end request, then failure", false, SessionResult::Failed, "45 4E 44"},
        {"yes: handed over without an end request", true, SessionResult::HandedOver, "02"},
    };
    for (const auto& c : cases) {
        test::EngineFixture f;
        f.Radio.Firmware = "V102";
        f.prepare(TransferKind::Read);
        f.Link.run();
        ASSERT_FALSE(f.Link.Outcome) << c.name;
        EXPECT_EQ(f.Link.Questions, std::vector<std::string>{"V102"}) << c.name;
        EXPECT_FALSE(f.Link.Deadline) << "no timer runs while the question is open";
        EXPECT_TRUE(f.Engine.awaitingVersionAnswer());

        // Nothing moves the session while the question is open.
        EXPECT_TRUE(f.Engine.Retransmit().empty());
        EXPECT_TRUE(f.Engine.OnReceive(Acknowledgement()).empty());

        f.Link.apply(f.Engine.AnswerVersionQuestion(c.handedOver));
        f.Link.deliver();
        ASSERT_TRUE(f.Link.Outcome) << c.name;
        EXPECT_EQ(f.Link.Outcome->Result, c.result) << c.name;
        EXPECT_TRUE(f.Link.Outcome->PendingMessages.empty()) << c.name;
        EXPECT_EQ(f.Link.lastSent(), c.lastSent) << c.name;
        EXPECT_FALSE(f.Link.PortOpen) << c.name;
    }
}

TEST(ProtocolEngineSession, VersionQuestionCarriesTheComposedText) {
    test::EngineFixture f;
    f.Radio.Firmware = "V102";
    f.prepare(TransferKind::Write);
    f.Link.start();
    f.Link.deliver();
    const auto& ask = std::get<AskVersionQuestion>(f.Link.LastActions.back());
    EXPECT_EQ(ask.Question.en,
              "incompatible version. It may cause unknown error.To start the corresponding "
              "software version, or not?\r\nFirmware version is V1.02\r\nprogramming software "
              "is V1.00");
}

TEST(ProtocolEngineSession, AbandonAndLostPortEndAtOnce) {
    struct Case {
        const char* name;
        bool portLost;
        std::vector<TextPair> messages;
    };
    const Case cases[] = {
        {"abandon", false, {}},
        {"port lost", true, {PortLostText()}},
    };
    for (const auto& c : cases) {
        test::EngineFixture f;
        f.prepare(TransferKind::Read);
        int answered = 0;
        f.Link.Radio = [&](const Frame& request) -> std::optional<Frame> {
            if (answered++ == 10) return std::nullopt;
            return f.Radio.answer(request);
        };
        f.Link.start();
        f.Link.deliver();
        const SessionActions actions =
            c.portLost ? f.Engine.LinkFailed(PortLostText()) : f.Engine.Abandon();
        EXPECT_EQ(Describe(actions), (Lines{"timer stop", "close", "ended failed"})) << c.name;
        f.Link.apply(actions);
        EXPECT_EQ(f.Link.Outcome->PendingMessages, c.messages) << c.name;
        EXPECT_TRUE(f.Engine.Retransmit().empty()) << c.name;
        EXPECT_TRUE(f.Engine.OnReceive(DataFrame(0x80, BlockData{})).empty()) << c.name;
    }
}

// Stopping a running transfer sends the end request once and waits one reply timer for it; only
// a write stopped before every block was acknowledged is partly written.
TEST(ProtocolEngineSession, StopSendsTheEndRequestOnce) {
    struct Case {
        const char* name;
        TransferKind kind;
        int answered;     // frames the radio answers before the user stops
        bool answersEnd;  // the radio acknowledges the end request
        bool partlyWritten;
    };
    const Case cases[] = {
        {"read", TransferKind::Read, 2 + 50, true, false},
        {"write during the blocks", TransferKind::Write, 2 + 50, true, true},
        {"write, silent radio", TransferKind::Write, 2 + 50, false, true},
        {"write during the end request", TransferKind::Write, 2 + 1872, false, false},
        {"at the identification", TransferKind::Write, 1, true, false},
    };
    for (const auto& c : cases) {
        test::EngineFixture f;
        f.prepare(c.kind);
        int answered = 0;
        bool stopped = false;
        f.Link.Radio = [&](const Frame& request) -> std::optional<Frame> {
            if (stopped ? !c.answersEnd : answered == c.answered) return std::nullopt;
            ++answered;
            return f.Radio.answer(request);
        };
        f.Link.start();
        f.Link.deliver();
        ASSERT_FALSE(f.Link.Outcome) << c.name;
        const std::size_t before = f.Link.Sent.size();

        stopped = true;
        f.Link.apply(f.Engine.Stop());
        EXPECT_TRUE(f.Engine.stopping()) << c.name;
        EXPECT_TRUE(f.Engine.Stop().empty()) << "a second stop changes nothing";
        f.Link.deliver();
        f.Link.advance(10000);

        ASSERT_TRUE(f.Link.Outcome) << c.name;
        EXPECT_EQ(f.Link.Outcome->Result, SessionResult::Failed) << c.name;
        EXPECT_EQ(f.Link.Sent.size(), before + 1) << c.name << ": no retransmission";
        EXPECT_EQ(f.Link.Sent.back().Bytes, EndRequest()) << c.name;
        EXPECT_EQ(f.Link.Outcome->PartlyWritten, c.partlyWritten) << c.name;
        EXPECT_EQ(f.Link.Outcome->PendingMessages, c.partlyWritten
                                                       ? std::vector<TextPair>{PartlyWrittenText()}
                                                       : std::vector<TextPair>{})
            << c.name;
        EXPECT_FALSE(f.Link.PortOpen) << c.name;
    }

    // Before the handshake nothing has reached the radio: the session ends at once.
    test::EngineFixture f;
    f.prepare(TransferKind::Write);
    EXPECT_EQ(Describe(f.Engine.Stop()), (Lines{"timer stop", "close", "ended failed"}));
}

TEST(ProtocolEngineSession, PendingMessagesAreCappedAndEmptiedAtTheEnd) {
    test::EngineFixture f;
    f.Engine.Prepare(TransferKind::Read);
    for (std::size_t i = 0; i < kMaxPendingMessages; ++i)
        ASSERT_TRUE(f.Engine.AddPendingMessage({"m" + std::to_string(i), "m"}));
    EXPECT_FALSE(f.Engine.AddPendingMessage({"one too many", "x"}));
    f.Link.apply(f.Engine.Abandon());
    ASSERT_EQ(f.Link.Outcome->PendingMessages.size(), 1001u);
    EXPECT_EQ(f.Link.Outcome->PendingMessages.front().en, "m0");
    EXPECT_EQ(f.Link.Outcome->PendingMessages.back().en, "m1000");
    EXPECT_TRUE(f.Engine.PendingMessages().empty());
}

TEST(ProtocolEngineSession, EngineRunsOneSessionAfterAnother) {
    test::EngineFixture f;
    f.Radio.Model = "OTHER";
    f.prepare(TransferKind::Read);
    f.Link.run();
    ASSERT_EQ(f.Link.Outcome->Result, SessionResult::Failed);

    f.Radio.Model = "TALVEN5";
    f.Link.Outcome.reset();
    f.Link.Progress.clear();
    f.prepare(TransferKind::Read);
    EXPECT_EQ(f.Engine.CurrentAddress(), -16);
    EXPECT_EQ(f.Engine.LastPercent(), 0);
    f.Link.run();
    ASSERT_TRUE(f.Link.Outcome);
    EXPECT_TRUE(f.Link.Outcome->succeeded());
    EXPECT_TRUE(f.Link.Outcome->PendingMessages.empty());
}

}  // namespace
}  // namespace kv
