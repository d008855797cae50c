#include "editors/tones/tone_texts.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(ToneTexts, ListsHoldTheirEntries) {
    const auto recycle = RecycleList();
    ASSERT_EQ(recycle.size(), 11u);
    EXPECT_EQ(recycle[0], (TextPair{"Off", "关"}));
    EXPECT_EQ(recycle[10].en, "10");
    const auto interval = IntervalList();
    ASSERT_EQ(interval.size(), 256u);
    EXPECT_EQ(interval[255].en, "2550");
    EXPECT_EQ(interval[3].zh, "30");
    EXPECT_EQ(LengthList(), interval);
    const auto freq = FrequencyList();
    ASSERT_EQ(freq.size(), 217u);
    EXPECT_EQ(freq[0], (TextPair{"None", "无"}));
    EXPECT_EQ(freq[1].en, "400");
    EXPECT_EQ(freq[216].en, "2550");
}

// The frequency list is found by the stored value's text; 0 is None; values it does not offer
// have no entry.
TEST(ToneTexts, FrequencyEntryForStoredValue) {
    const auto freq = FrequencyList();
    for (const int stored : {40, 41, 100, 210, 255}) {
        const int index = FrequencyListIndex(stored);
        EXPECT_EQ(freq[static_cast<std::size_t>(index)].en, std::to_string(stored * 10));
        EXPECT_EQ(FrequencyListValue(index), stored);
    }
    EXPECT_EQ(FrequencyListIndex(0), 0);
    for (const int stored : {20, 39, 256, -1, 30000}) EXPECT_EQ(FrequencyListIndex(stored), -1);
    EXPECT_EQ(FrequencyListValue(0), 0);
    EXPECT_EQ(FrequencyListValue(217), 0);
}

TEST(ToneTexts, StoredPositionOutsideListHasNoEntry) {
    EXPECT_EQ(ListIndexFor(10, 11), 10);
    EXPECT_EQ(ListIndexFor(0, 11), 0);
    EXPECT_EQ(ListIndexFor(11, 11), -1);
    EXPECT_EQ(ListIndexFor(-1, 256), -1);
}

TEST(ToneTexts, Captions) {
    EXPECT_EQ(StepCaption(1), (TextPair{"First Tone", "第一个音"}));
    EXPECT_EQ(StepCaption(14), (TextPair{"Fourteenth Tone", "第十四个音"}));
    EXPECT_EQ(StepCaption(12).zh, "第十二个音");
    EXPECT_TRUE(StepCaption(15).empty());
    EXPECT_EQ(ToneTabCaption(8), (TextPair{"RB Tone 8", "RB音 8"}));
}

}  // namespace
}  // namespace kv
