// The completion percentage and the receive threshold.
#include <gtest/gtest.h>

#include "link/progress.h"
#include "link/receive_buffer.h"

namespace kv {
namespace {

TEST(TransferPercent, FollowsTheAddressWithHalvesToEven) {
    struct Case {
        std::int32_t address;
        int percent;
    };
    const Case cases[] = {
        {-16, 0},       {0x00000, 0},   {0x00590, 1},  // 1424 -> 1.0188
        {0x00570, 1},                                  // 1392 -> 0.9959
        {17472, 12},                                   // exactly 12.5 -> 12
        {52416, 38},                                   // exactly 37.5 -> 38
        {0x22000, 100}, {0x22160, 100},
    };
    for (const auto& c : cases) EXPECT_EQ(TransferPercent(c.address), c.percent) << c.address;
}

TEST(ReceiveBuffer, HandsOverEverythingOnceTheThresholdIsMet) {
    ReceiveBuffer buffer;
    buffer.setThreshold(24);
    buffer.append(Frame(10, 0x57));
    EXPECT_FALSE(buffer.takeReply());
    EXPECT_EQ(buffer.size(), 10u);
    buffer.append(Frame(15, 0x01));
    const auto reply = buffer.takeReply();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->size(), 25u);
    EXPECT_EQ(buffer.size(), 0u);

    buffer.append(Frame(3, 0x06));
    buffer.discard();
    buffer.setThreshold(0);  // a threshold of 0 would hand over nothing as a reply
    EXPECT_EQ(buffer.threshold(), 1u);
    EXPECT_FALSE(buffer.takeReply());
}

}  // namespace
}  // namespace kv
