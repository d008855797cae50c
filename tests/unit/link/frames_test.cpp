// The link frames: exact bytes, checksums and the parsers' refusal of damaged frames.
#include "link/frames.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

BlockData filled(std::uint8_t value) {
    BlockData data;
    data.fill(value);
    return data;
}

TEST(Frames, RequestsCarryTheirExactBytes) {
    struct Case {
        const char* name;
        Frame frame;
        Frame bytes;
    };
    const Case cases[] = {
        {"handshake", HandshakeRequest(), {0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D}},
        {"identification", IdentificationRequest(), {0x02}},
        {"first read", ReadRequest(0x00000), {0x52, 0x00, 0x00, 0x00, 0x00, 0x10}},
        {"last read", ReadRequest(0x22160), {0x52, 0x00, 0x02, 0x21, 0x60, 0x10}},
        {"end", EndRequest(), {0x45, 0x4E, 0x44}},
        {"handshake reply", HandshakeReply(), {0x57, 0x4A, 0x06}},
        {"acknowledgement", Acknowledgement(), {0x06}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.frame, c.bytes) << c.name;
}

TEST(Frames, DataFrameLayoutAndChecksum) {
    // 0x10 (address) + 0x10 (length) + 16 x 0xFF = 0x1010, so the checksum byte is 0x10.
    const Frame frame = DataFrame(0x00010, filled(0xFF));
    ASSERT_EQ(frame.size(), kDataFrameLength);
    EXPECT_EQ(Frame(frame.begin(), frame.begin() + 6), (Frame{0x57, 0x00, 0x00, 0x00, 0x10, 0x10}));
    EXPECT_EQ(frame[kChecksumOffset], 0x10);
    EXPECT_EQ(frame[kTrailerOffset], 0x06);

    BlockData counting;
    for (std::size_t i = 0; i < counting.size(); ++i) counting[i] = static_cast<std::uint8_t>(i);
    const Frame high = DataFrame(0x22160, counting);
    // 0x02 + 0x21 + 0x60 + 0x10 + (0 + 1 + ... + 15 = 120) = 0x10B -> 0x0B
    EXPECT_EQ(high[kChecksumOffset], 0x0B);
    const auto parsed = ParseDataFrame(high);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->Address, 0x22160u);
    EXPECT_EQ(parsed->Data, counting);
}

TEST(Frames, DataFrameParserRejectsEveryDamagedField) {
    const Frame good = DataFrame(0x04000, filled(0x5A));
    ASSERT_TRUE(ParseDataFrame(good));
    struct Case {
        const char* name;
        std::size_t offset;
        std::uint8_t value;
    };
    const Case cases[] = {
        {"marker", 0, 0x52},
        {"length byte", kLengthOffset, 0x0F},
        {"data byte without checksum", kDataOffset + 3, 0x5B},
        {"checksum", kChecksumOffset, static_cast<std::uint8_t>(good[kChecksumOffset] + 1)},
        {"trailer", kTrailerOffset, 0x15},
    };
    for (const auto& c : cases) {
        Frame bad = good;
        bad[c.offset] = c.value;
        EXPECT_FALSE(ParseDataFrame(bad)) << c.name;
    }
    EXPECT_FALSE(ParseDataFrame(ByteView(good).first(23))) << "short";
    Frame longer = good;
    longer.push_back(0x06);
    EXPECT_FALSE(ParseDataFrame(longer)) << "long";
}

TEST(Frames, IdentificationReplyFields) {
    struct Case {
        const char* name;
        Frame bytes;
        std::string model;
        bool option;
        std::string firmware;
    };
    const auto reply = [](std::string model, std::uint8_t option, std::string firmware) {
        Frame f{0x49};
        f.insert(f.end(), model.begin(), model.end());
        f.push_back(option);
        f.insert(f.end(), firmware.begin(), firmware.end());
        f.insert(f.end(), {0xAA, 0xBB, 0xCC});
        return f;
    };
    const Case cases[] = {
        {"plain", reply("TALVEN5", 1, "V100"), "TALVEN5", true, "V100"},
        {"trailing blanks", reply("TALV   ", 0, "V101"), "TALV", false, "V101"},
        {"cut at NUL", reply(std::string("TAL\0V5 ", 7), 2, "V102"), "TAL", false, "V102"},
        {"firmware as it is", reply("TALVEN5", 1, std::string("v1\0 ", 4)), "TALVEN5", true,
         std::string("v1\0 ", 4)},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.bytes.size(), kIdentificationReplyLength) << c.name;
        const auto id = ParseIdentificationReply(c.bytes);
        ASSERT_TRUE(id) << c.name;
        EXPECT_EQ(id->Model, c.model) << c.name;
        EXPECT_EQ(id->OptionFlag, c.option) << c.name;
        EXPECT_EQ(id->Firmware, c.firmware) << c.name;
    }
}

TEST(Frames, IdentificationReplyBuilderRoundTripsAndParserChecksShape) {
    const Frame built = IdentificationReply("TALVEN5", 1, "V100");
    ASSERT_EQ(built.size(), kIdentificationReplyLength);
    const auto id = ParseIdentificationReply(built);
    ASSERT_TRUE(id);
    EXPECT_EQ(id->Model, "TALVEN5");
    EXPECT_TRUE(id->OptionFlag);
    EXPECT_EQ(id->Firmware, "V100");
    EXPECT_EQ(ParseIdentificationReply(IdentificationReply("TX", 0, "V1"))->Model, "TX");

    Frame wrongMarker = built;
    wrongMarker[0] = 0x48;
    EXPECT_FALSE(ParseIdentificationReply(wrongMarker));
    EXPECT_FALSE(ParseIdentificationReply(ByteView(built).first(15)));
}

TEST(Frames, ShortRepliesAcceptOnlyTheirExactBytes) {
    EXPECT_TRUE(IsHandshakeReply(Frame{0x57, 0x4A, 0x06}));
    EXPECT_FALSE(IsHandshakeReply(Frame{0x57, 0x4A, 0x07}));
    EXPECT_FALSE(IsHandshakeReply(Frame{0x57, 0x4A, 0x06, 0x06}));
    EXPECT_TRUE(IsAcknowledgement(Frame{0x06}));
    EXPECT_FALSE(IsAcknowledgement(Frame{0x15}));
    EXPECT_FALSE(IsAcknowledgement(Frame{0x06, 0x06}));
}

TEST(Frames, RequestKindsCutAStreamIntoFrames) {
    const Frame requests[] = {HandshakeRequest(), IdentificationRequest(), ReadRequest(0x1C180),
                              DataFrame(0x20000, filled(1)), EndRequest()};
    const RequestKind kinds[] = {RequestKind::Handshake, RequestKind::Identification,
                                 RequestKind::Read, RequestKind::Data, RequestKind::End};
    for (std::size_t i = 0; i < std::size(requests); ++i) {
        const auto kind = RequestKindOf(requests[i][0]);
        ASSERT_TRUE(kind) << i;
        EXPECT_EQ(*kind, kinds[i]);
        EXPECT_EQ(RequestLength(*kind), requests[i].size());
    }
    EXPECT_FALSE(RequestKindOf(0x00));
    EXPECT_EQ(ParseReadRequest(ReadRequest(0x1C180)), 0x1C180u);
    EXPECT_FALSE(ParseReadRequest(Frame{0x52, 0, 0, 0, 0, 0x0F}));
}

}  // namespace
}  // namespace kv
