#include <gtest/gtest.h>

#include "model/fixed_text.h"
#include "model/radio_data.h"

namespace kv {
namespace {

TEST(TrimName, RemovesTrailingBlanksThenCutsAtNul) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"AB  ", "AB"},
        {std::string("A\0 ", 3), "A"},
        {std::string("A \0\0", 4), "A "},
        {std::string("\0EU", 3), ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(TrimName(c.in), c.out) << c.in;
}

TEST(FixedText, CutsLongAndPadsShortWithBlanks) {
    FixedText<4> t("V1");
    EXPECT_EQ(t.raw(), "V1  ");
    t.assign("V10000");
    EXPECT_EQ(t.raw(), "V100");
    EXPECT_EQ(FixedText<2>().raw(), std::string(2, '\0'));
}

TEST(RadioData, ClearResetsCountsNumbersAndPresenceOnly) {
    auto data = std::make_unique<RadioData>();
    data->channelCount(1, 2) = 3;
    auto& ch = data->channel(1, 5, 2);
    ch.ChNo = 7;
    ch.InUse = 1;
    ch.MemMode = 2;
    data->Store.cbMem(96).InUse = 1;
    ClearChannels(*data);
    EXPECT_EQ(data->channelCount(1, 2), 0);
    EXPECT_EQ(ch.ChNo, 0);
    EXPECT_EQ(ch.InUse, 0);
    EXPECT_EQ(ch.MemMode, 2) << "options above the count stay as they were";
    EXPECT_EQ(data->Store.cbMem(96).InUse, 0);
}

TEST(RadioData, FindSlotReturnsFirstMatchWithinCount) {
    auto data = std::make_unique<RadioData>();
    data->channelCount(0, 1) = 3;
    data->channel(0, 1, 1).ChNo = 4;
    data->channel(0, 2, 1).ChNo = 9;
    data->channel(0, 3, 1).ChNo = 9;
    data->channel(0, 4, 1).ChNo = 11;
    EXPECT_EQ(FindSlot(*data, 0, 1, 9), 2);
    EXPECT_EQ(FindSlot(*data, 0, 1, 11), 0) << "slots above the count are free";
    EXPECT_EQ(FindSlot(*data, 0, 1, 5), 0);
}

}  // namespace
}  // namespace kv
