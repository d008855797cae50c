// The simulated radio's protocol side and its wire-time arithmetic. The simulator's sources are
// compiled into this test directly: they belong to the kv7700-sim executable, not to a library.
#include "../tools/sim/sim_radio.cpp"

#include <gtest/gtest.h>

#include "../tools/sim/sim_frames.cpp"
#include "../tools/sim/sim_wire.cpp"

namespace kv::sim {
namespace {

using Bytes = Frame;

// Feeds bytes one by one and collects what the radio completes.
std::vector<Exchange> Feed(SimRadio& radio, const Bytes& bytes) {
    std::vector<Exchange> all;
    for (std::uint8_t b : bytes) radio.Receive(b, all);
    return all;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

const Bytes kHandshake{'P', 'R', 'O', 'G', 'R', 'A', 'M'};
const Bytes kEnd{'E', 'N', 'D'};

// 'R', the big-endian address, the block length 16.
Bytes ReadRequest(std::uint32_t address) {
    return {'R',
            static_cast<std::uint8_t>(address >> 24),
            static_cast<std::uint8_t>(address >> 16),
            static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address),
            0x10};
}

// The data frame for address 0x10 whose 16 bytes are all FF: its checksum is 0x10.
const Bytes kFrameFF{0x57, 0,    0,    0,    0x10, 0x10, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                     0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x10, 0x06};

TEST(SimRadio, AnswersEveryRequestKind) {
    SimRadio radio({"TALVEN5", 0, "V101"}, {});
    const auto exchanges =
        Feed(radio, Concat({kHandshake, {0x02}, kFrameFF, ReadRequest(0x10), kEnd}));
    ASSERT_EQ(exchanges.size(), 5u);
    EXPECT_EQ(exchanges[0].reply, (Bytes{0x57, 0x4A, 0x06}));
    EXPECT_EQ(exchanges[1].reply,
              (Bytes{'I', 'T', 'A', 'L', 'V', 'E', 'N', '5', 0, 'V', '1', '0', '1', 0, 0, 0}));
    EXPECT_EQ(exchanges[2].reply, (Bytes{0x06}));
    EXPECT_EQ(exchanges[3].reply, kFrameFF);
    EXPECT_EQ(exchanges[4].reply, (Bytes{0x06}));
    EXPECT_EQ(exchanges[4].kind, RequestKind::End);
    EXPECT_EQ(exchanges[4].number, 5);
    EXPECT_EQ(radio.image().at(0x0F), 0x00);
    EXPECT_EQ(radio.image().at(0x1F), 0xFF);
    EXPECT_EQ(radio.image().at(0x20), 0x00);
}

TEST(SimRadio, IdentityIsPaddedAndCut) {
    SimRadio radio({"AB", 7, "V1"}, {});
    const auto e = Feed(radio, {0x02});
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].reply,
              (Bytes{'I', 'A', 'B', ' ', ' ', ' ', ' ', ' ', 7, 'V', '1', ' ', ' ', 0, 0, 0}));
    SimRadio longer({"TALVEN5XYZ", 1, "V1005"}, {});
    const auto l = Feed(longer, {0x02});
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(Bytes(l[0].reply.begin() + 1, l[0].reply.begin() + 13),
              (Bytes{'T', 'A', 'L', 'V', 'E', 'N', '5', 1, 'V', '1', '0', '0'}));
}

TEST(SimRadio, DropsWhatIsNotAValidRequest) {
    Bytes badChecksum = kFrameFF;
    badChecksum[22] = 0x11;
    Bytes badTrailer = kFrameFF;
    badTrailer[23] = 0x00;
    Bytes badLength = ReadRequest(0);
    badLength[5] = 0x08;
    struct Case {
        const char* what;
        Bytes bytes;
    };
    const Case cases[] = {
        {"write with a bad checksum", badChecksum},
        {"write without its trailing 06", badTrailer},
        {"read of another length", badLength},
        {"read past the image", ReadRequest(0x221F2)},
        {"almost a handshake", {'P', 'R', 'O', 'G', 'R', 'A', 'X'}},
        {"almost an end", {'E', 'N', 'X'}},
        {"noise", {0x00, 0xFF, 0x13}},
    };
    for (const Case& c : cases) {
        SimRadio radio({}, {});
        EXPECT_TRUE(Feed(radio, c.bytes).empty()) << c.what;
        EXPECT_EQ(radio.image(), MemoryImage()) << c.what;
        const auto after = Feed(radio, kEnd);
        ASSERT_EQ(after.size(), 1u) << c.what << ": a request after it is still answered";
        EXPECT_EQ(after[0].number, 1) << c.what;
    }
}

TEST(SimRadio, RejectedFrameBytesAreNotTakenForRequests) {
    Bytes frame = kFrameFF;
    std::fill(frame.begin() + 6, frame.begin() + 22, 0x02);
    frame[22] = 0x00;  // bad checksum
    SimRadio radio({}, {});
    EXPECT_TRUE(Feed(radio, frame).empty());
    const auto e = Feed(radio, Concat({{0x13}, kHandshake}));
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].kind, RequestKind::Handshake);
}

TEST(SimRadio, ReadsTheLastBlockOfTheImage) {
    SimRadio radio({}, {});
    radio.image().put(0x221F0, 0xAB);
    const auto e = Feed(radio, ReadRequest(0x221F0));
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].reply[6], 0xAB);
}

TEST(SimRadio, InjectsFaultsIntoTheNamedRequestOnly) {
    const Bytes good = Concat({{0x57, 0, 0, 0, 0x20, 0x10}, Bytes(16, 0x01), {0x40, 0x06}});
    const Bytes previous = Concat({{0x57, 0, 0, 0, 0x10, 0x10}, Bytes(16, 0x01), {0x30, 0x06}});
    Bytes corrupted = good;
    corrupted[22] = 0x41;
    struct Case {
        const char* what;
        Faults faults;
        Bytes second;  // the reply to request 2; request 1 and 3 are answered normally
    };
    const Case cases[] = {
        {"drop", {{2}, {}, {}, {}, {}, -1}, {}},
        {"corrupt", {{}, {2}, {}, {}, {}, -1}, corrupted},
        {"wrong address", {{}, {}, {2}, {}, {}, -1}, previous},
        {"short", {{}, {}, {}, {2}, {}, -1}, Bytes(good.begin(), good.end() - 1)},
    };
    for (const Case& c : cases) {
        SimRadio radio({}, c.faults);
        for (std::uint32_t a = 0; a < 0x40; ++a) radio.image().put(a, 0x01);
        const auto e =
            Feed(radio, Concat({ReadRequest(0x20), ReadRequest(0x20), ReadRequest(0x20)}));
        ASSERT_EQ(e.size(), 3u) << c.what;
        EXPECT_EQ(e[0].reply, good) << c.what;
        EXPECT_EQ(e[1].reply, c.second) << c.what;
        EXPECT_EQ(e[2].reply, good) << c.what;
    }
}

TEST(SimRadio, FaultsOnRepliesWithoutChecksum) {
    SimRadio radio({}, {{}, {1}, {}, {2}, {}, -1});
    const auto e = Feed(radio, Concat({kHandshake, kHandshake}));
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].reply, (Bytes{0x57, 0x4A, 0x07}));
    EXPECT_EQ(e[1].reply, (Bytes{0x57, 0x4A}));
}

TEST(SimRadio, LostWriteIsAcknowledgedButNotStored) {
    SimRadio radio({}, {{}, {}, {}, {}, {1}, -1});
    const auto lost = Feed(radio, kFrameFF);
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_EQ(lost[0].reply, Bytes{0x06});
    EXPECT_EQ(radio.image().at(0x10), 0x00);
    const auto stored = Feed(radio, kFrameFF);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(radio.image().at(0x10), 0xFF);
}

TEST(SimRadio, FallsSilentAfterN) {
    SimRadio radio({}, {{}, {}, {}, {}, {}, 2});
    const auto e = Feed(radio, Concat({kHandshake, {0x02}, kEnd, kEnd}));
    ASSERT_EQ(e.size(), 4u);
    EXPECT_FALSE(e[1].reply.empty());
    EXPECT_TRUE(e[2].reply.empty());
    EXPECT_TRUE(e[3].reply.empty());
    EXPECT_EQ(radio.requestCount(), 4);
}

TEST(Wire, TenBitsAByteQueuedPerDirection) {
    Wire ideal(0);
    const Clock::time_point t0{};
    EXPECT_EQ(ideal.ByteTime(24), Clock::duration::zero());
    EXPECT_EQ(ideal.Send(t0, 24), t0);

    Wire line(115200);
    EXPECT_EQ(line.ByteTime(1), std::chrono::nanoseconds(86805));
    EXPECT_EQ(line.ByteTime(30), std::chrono::nanoseconds(2604166));
    EXPECT_EQ(line.Send(t0, 6), t0);
    // Handed over while the first six bytes are still on the line: they queue behind them.
    EXPECT_EQ(line.Send(t0 + std::chrono::microseconds(100), 24), t0 + line.ByteTime(6));
    const Clock::time_point later = t0 + std::chrono::seconds(1);
    EXPECT_EQ(line.Send(later, 1), later);
}

}  // namespace
}  // namespace kv::sim
