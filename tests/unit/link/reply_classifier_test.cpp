// Recognising radio replies, including late, damaged and partial ones.
#include "link/reply_classifier.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(ReplyClassifier, FirstMatchWinsAndAnythingElseIsUnrecognised) {
    BlockData data;
    data.fill(0x33);
    Frame badChecksum = DataFrame(0x1C180, data);
    badChecksum[kChecksumOffset] ^= 0x01;
    Frame badLength = DataFrame(0x1C180, data);
    badLength[kLengthOffset] = 0x08;
    Frame withExtraByte = DataFrame(0x1C180, data);
    withExtraByte.push_back(0x06);
    const Frame good = DataFrame(0x1C180, data);
    const Frame partial(good.begin(), good.begin() + 10);

    struct Case {
        const char* name;
        Frame bytes;
        ReplyKind kind;
    };
    const Case cases[] = {
        {"acknowledgement", {0x06}, ReplyKind::Acknowledgement},
        {"two acknowledgements", {0x06, 0x06}, ReplyKind::Unrecognised},
        {"handshake reply", {0x57, 0x4A, 0x06}, ReplyKind::Handshake},
        {"three other bytes", {0x57, 0x4A, 0x15}, ReplyKind::Unrecognised},
        {"identification", IdentificationReply("TALVEN5", 1, "V100"), ReplyKind::Identification},
        {"16 bytes without the marker", Frame(16, 0x00), ReplyKind::Unrecognised},
        {"data frame for the current address", DataFrame(0x1C180, data), ReplyKind::Data},
        {"late data frame for the previous address", DataFrame(0x1C170, data),
         ReplyKind::Unrecognised},
        {"data frame for a later address", DataFrame(0x1C190, data), ReplyKind::Unrecognised},
        {"wrong checksum", badChecksum, ReplyKind::Unrecognised},
        {"wrong length byte", badLength, ReplyKind::Unrecognised},
        {"data frame with a byte more", withExtraByte, ReplyKind::Unrecognised},
        {"partial data frame", partial, ReplyKind::Unrecognised},
        {"nothing", {}, ReplyKind::Unrecognised},
    };
    for (const auto& c : cases) {
        const Reply reply = ClassifyReply(c.bytes, 0x1C180);
        EXPECT_EQ(reply.Kind, c.kind) << c.name;
        EXPECT_EQ(reply.Id.has_value(), c.kind == ReplyKind::Identification) << c.name;
        EXPECT_EQ(reply.Block.has_value(), c.kind == ReplyKind::Data) << c.name;
    }
}

TEST(ReplyClassifier, NoDataFrameMatchesBeforeTheFirstBlock) {
    EXPECT_EQ(ClassifyReply(DataFrame(0, BlockData{}), -16).Kind, ReplyKind::Unrecognised);
    EXPECT_EQ(ClassifyReply(DataFrame(0xFFFFFFF0, BlockData{}), -16).Kind, ReplyKind::Unrecognised);
}

}  // namespace
}  // namespace kv
