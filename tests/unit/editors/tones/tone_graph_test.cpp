#include "editors/tones/tone_graph.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(ToneGraph, WidthsByShareOfLengthHeightsByFrequency) {
    ToneRecord tone;
    tone.Steps[0] = {128, 10};
    tone.Steps[3] = {256, 30};
    tone.Steps[5] = {200, 0};  // no length: no bar
    const auto bars = ToneBars(tone, 4100, 2660);
    ASSERT_EQ(bars.size(), 2u);
    // Usable area 4000 × 2560: a quarter and three quarters of the width.
    EXPECT_EQ(bars[0].Left, 50);
    EXPECT_EQ(bars[0].Width, 1000);
    EXPECT_EQ(bars[0].Height, 1280);
    EXPECT_TRUE(bars[0].Odd);
    EXPECT_EQ(bars[1].Left, 1050);
    EXPECT_EQ(bars[1].Width, 3000);
    EXPECT_EQ(bars[1].Height, 2560);
    EXPECT_FALSE(bars[1].Odd);  // step 4
}

TEST(ToneGraph, RoundsHalvesToEven) {
    ToneRecord tone;
    tone.Steps[0] = {1, 1};
    tone.Steps[1] = {3, 3};
    // Width 104: usable 4, shares 1 and 3 of 4; height 228: usable 128, 1 × 128 / 256 = 0.5.
    const auto bars = ToneBars(tone, 104, 228);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].Height, 0);  // 0.5 → 0
    EXPECT_EQ(bars[1].Height, 2);  // 1.5 → 2
    tone.Steps[0] = {0, 1};
    tone.Steps[1] = {0, 1};
    const auto halves = ToneBars(tone, 105, 200);  // usable 5: 2.5 each
    EXPECT_EQ(halves[0].Width, 2);
    EXPECT_EQ(halves[1].Width, 2);
    EXPECT_EQ(halves[1].Left, 52);
}

TEST(ToneGraph, NothingWithoutLength) {
    ToneRecord tone;
    tone.Steps[2] = {100, 0};
    tone.Steps[4] = {100, -3};
    EXPECT_TRUE(ToneBars(tone, 4000, 2000).empty());
}

}  // namespace
}  // namespace kv
