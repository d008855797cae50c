#include "editors/channels/channel_order.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editors/channels/channel_edit.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/grid_rows.h"
#include "model/band_range.h"

namespace kv {
namespace {

// A channel as the test lays it: number and stored receive text ("" for none).
struct Laid {
    int chNo;
    std::string rx;
};

class ChannelOrderTest : public ::testing::Test {
protected:
    // Lays the channels into the group's slots in the order given, each marked by its old
    // number in Busy so the test can follow the record.
    void Lay(int band, int group, const std::vector<Laid>& channels) {
        int slot = 0;
        for (const Laid& c : channels) {
            ChannelRecord& r = doc->Working.channel(band, ++slot, group);
            r = ChannelRecord{};
            r.ChNo = static_cast<i16>(c.chNo);
            r.InUse = 1;
            r.Busy = static_cast<i16>(c.chNo);
            r.RxFreqText.assign(c.rx);
        }
        doc->Working.channelCount(band, group) = static_cast<i16>(slot);
    }
    // New number → the old number of the channel now holding it, for every slot.
    std::map<int, int> NewToOld(int band, int group) const {
        std::map<int, int> map;
        for (int slot = 1; slot <= doc->Working.channelCount(band, group); ++slot) {
            const ChannelRecord& r = doc->Working.channel(band, slot, group);
            map[r.ChNo] = r.Busy;
        }
        return map;
    }

    std::unique_ptr<Document> doc = std::make_unique<Document>();
};

TEST_F(ChannelOrderTest, SortHandsTheGroupsOwnNumbersOutInFrequencyOrder) {
    struct Case {
        const char* what;
        int band;
        int group;
        std::vector<Laid> laid;
        std::map<int, int> expected;  // new number → old number
    };
    const Case cases[] = {
        {"already sorted", kBandHf, 1, {{1, "28000000"}, {2, "28100000"}}, {{1, 1}, {2, 2}}},
        {"reversed, gaps stay where they are",
         kBandHf,
         1,
         {{3, "29000000"}, {7, "28500000"}, {12, "28000000"}},
         {{3, 12}, {7, 7}, {12, 3}}},
        {"values, not texts: 2850000 is 28.5 MHz, above 28.1",
         kBandHf,
         2,
         {{1, "2850000 "}, {2, "28100000"}},
         {{1, 2}, {2, 1}}},
        {"equal frequencies keep their old order, also written differently",
         kBandHf,
         1,
         {{5, "28300000"}, {2, "283"}, {9, "28000000"}},
         {{2, 9}, {5, 2}, {9, 5}}},
        {"channels without a frequency last, in their old order",
         kBandHam,
         3,
         {{1, ""}, {2, "FFFFFFFF"}, {3, "29100000"}, {4, "28200000"}, {6, "2A000000"}},
         {{1, 4}, {2, 3}, {3, 1}, {4, 2}, {6, 6}}},
        {"MEM group: numbers up to 99",
         kBandHf,
         kMemGroup[kBandHf],
         {{99, "28000000"}, {50, "29000000"}, {1, "28500000"}},
         {{1, 99}, {50, 1}, {99, 50}}},
        {"slot order is not number order",
         kBandHam,
         kMemGroup[kBandHam],
         {{40, "28010000"}, {10, "28020000"}, {20, "28000000"}},
         {{10, 20}, {20, 40}, {40, 10}}},
        {"a number beyond the grid's rows keeps its number",
         kBandHf,
         4,
         {{45, "24800000"}, {2, "29000000"}, {1, "28000000"}},
         {{1, 1}, {2, 2}, {45, 45}}},
    };
    for (const Case& c : cases) {
        doc = std::make_unique<Document>();
        Lay(c.band, c.group, c.laid);
        const OrderOutcome outcome = SortGroupByFrequency(*doc, c.band, c.group);
        EXPECT_FALSE(outcome.Message) << c.what;
        EXPECT_EQ(NewToOld(c.band, c.group), c.expected) << c.what;
        bool moved = false;
        for (const auto& [now, was] : c.expected) moved = moved || now != was;
        EXPECT_EQ(outcome.Changed, moved) << c.what;
        // The records keep their slots: slot order and fields stay, only numbers change.
        EXPECT_EQ(doc->Working.channelCount(c.band, c.group), static_cast<int>(c.laid.size()))
            << c.what;
        for (std::size_t i = 0; i < c.laid.size(); ++i)
            EXPECT_EQ(doc->Working.channel(c.band, static_cast<int>(i) + 1, c.group).Busy,
                      c.laid[i].chNo)
                << c.what;
    }
}

TEST_F(ChannelOrderTest, ReferencesFollowTheirChannel) {
    // HF group 2: 3 at 29 MHz, 7 at 28 MHz; sorting swaps their numbers.
    Lay(kBandHf, 2, {{3, "29000000"}, {7, "28000000"}});
    RadioSettings& s = doc->settings();
    s.GroupWorkChannel(kBandHf, 2) = 3;
    s.GroupRefChannelA(kBandHf, 2, 0) = 7;
    s.GroupRefChannelA(kBandHf, 2, 1) = 5;  // names no channel: stays
    s.GroupRefChannelB(kBandHf, 2, 0) = 3;
    s.GroupRefChannelB(kBandHf, 2, 1) = 0;
    ConfigRecord& config = doc->config();
    // Emergency 1 in HF group 2 channel 3, emergency 2 in HF group 1 channel 3 (another group).
    config.EmgBlock[24] = 1;
    config.EmgBlock[26] = 2;
    config.EmgBlock[25] = 0;
    config.EmgBlock[27] = 2;
    // Dual watch on HF group 2 channel 7.
    config.DwBlock[12] = 1;
    config.DwBlock[13] = 6;
    // The HAM emergency entry names channel 3 of HAM group 2: another band, stays.
    config.EmgBlock[30] = 1;
    config.EmgBlock[32] = 2;

    ASSERT_TRUE(SortGroupByFrequency(*doc, kBandHf, 2).Changed);
    EXPECT_EQ(s.GroupWorkChannel(kBandHf, 2), 7);
    EXPECT_EQ(s.GroupRefChannelA(kBandHf, 2, 0), 3);
    EXPECT_EQ(s.GroupRefChannelA(kBandHf, 2, 1), 5);
    EXPECT_EQ(s.GroupRefChannelB(kBandHf, 2, 0), 7);
    EXPECT_EQ(s.GroupRefChannelB(kBandHf, 2, 1), 0);
    EXPECT_EQ(config.EmgBlock[26], 6);  // channel 7 − 1
    EXPECT_EQ(config.EmgBlock[27], 2);
    EXPECT_EQ(config.DwBlock[13], 2);  // channel 3 − 1
    EXPECT_EQ(config.EmgBlock[32], 2);
}

TEST_F(ChannelOrderTest, MemoryKeyEntryFollowsItsMemChannel) {
    const int mem = kMemGroup[kBandHam];
    Lay(kBandHam, mem, {{1, "29000000"}, {2, "28000000"}});
    doc->config().MemKeyBlock[14] = 0;  // HAM MEM channel 1
    doc->config().MemKeyBlock[12] = 0;  // HF MEM channel 1: another band
    ASSERT_TRUE(SortGroupByFrequency(*doc, kBandHam, mem).Changed);
    EXPECT_EQ(doc->config().MemKeyBlock[14], 1);
    EXPECT_EQ(doc->config().MemKeyBlock[12], 0);
    // Moving it back follows too.
    const int rows[] = {2};
    ASSERT_TRUE(MoveChannelRows(*doc, kBandHam, mem, rows, -1).Changed);
    EXPECT_EQ(doc->config().MemKeyBlock[14], 0);
}

TEST_F(ChannelOrderTest, MoveSwapsWithItsNeighbourOrTakesAFreeNumber) {
    struct Case {
        const char* what;
        std::vector<int> numbers;  // laid in this slot order
        std::vector<int> rows;
        int direction;
        std::map<int, int> expected;  // new number → old number
        std::vector<int> selection;   // where the rows stand after
    };
    const Case cases[] = {
        {"swap up", {1, 2, 3}, {2}, -1, {{1, 2}, {2, 1}, {3, 3}}, {1}},
        {"swap down", {1, 2, 3}, {2}, 1, {{1, 1}, {2, 3}, {3, 2}}, {3}},
        {"into a free number above", {1, 5}, {5}, -1, {{1, 1}, {4, 5}}, {4}},
        {"into a free number below", {1, 5}, {5}, 1, {{1, 1}, {6, 5}}, {6}},
        {"a block moves up as one",
         {1, 2, 3, 4},
         {2, 3},
         -1,
         {{1, 2}, {2, 3}, {3, 1}, {4, 4}},
         {1, 2}},
        {"a block moves down as one",
         {1, 2, 3, 4},
         {2, 3},
         1,
         {{1, 1}, {2, 4}, {3, 2}, {4, 3}},
         {3, 4}},
        {"rows apart move each",
         {1, 2, 3, 4},
         {2, 4},
         -1,
         {{1, 2}, {2, 1}, {3, 4}, {4, 3}},
         {1, 3}},
        {"an empty row moving up lets the channel above down", {3}, {4}, -1, {{4, 3}}, {3}},
        {"the first row cannot move up", {1, 2}, {1}, -1, {{1, 1}, {2, 2}}, {}},
        {"the last row cannot move down", {39, 40}, {40}, 1, {{39, 39}, {40, 40}}, {}},
        {"nothing around to move", {10}, {3}, 1, {{10, 10}}, {}},
    };
    for (const Case& c : cases) {
        doc = std::make_unique<Document>();
        std::vector<Laid> laid;
        for (int n : c.numbers) laid.push_back({n, "28000000"});
        Lay(kBandHf, 1, laid);
        const OrderOutcome outcome = MoveChannelRows(*doc, kBandHf, 1, c.rows, c.direction);
        EXPECT_FALSE(outcome.Message) << c.what;
        EXPECT_EQ(NewToOld(kBandHf, 1), c.expected) << c.what;
        EXPECT_EQ(outcome.Rows, c.selection) << c.what;
        EXPECT_EQ(outcome.Changed, !c.selection.empty()) << c.what;
    }
}

TEST_F(ChannelOrderTest, MoveInTheMemGroupReachesNinetyNine) {
    const int mem = kMemGroup[kBandHf];
    Lay(kBandHf, mem, {{98, "28000000"}, {50, "28000000"}});
    const int rows[] = {98};
    EXPECT_TRUE(MoveChannelRows(*doc, kBandHf, mem, rows, 1).Changed);
    EXPECT_EQ(NewToOld(kBandHf, mem), (std::map<int, int>{{50, 50}, {99, 98}}));
    const int last[] = {99};
    EXPECT_FALSE(MoveChannelRows(*doc, kBandHf, mem, last, 1).Changed);
}

TEST_F(ChannelOrderTest, CbAndVfoGroupsRefuseWithAReason) {
    for (int group = 1; group <= 7; ++group) {
        Lay(kBandCb, group, {{2, "27000000"}, {1, "27100000"}});
        const int rows[] = {2};
        for (const OrderOutcome& outcome : {SortGroupByFrequency(*doc, kBandCb, group),
                                            MoveChannelRows(*doc, kBandCb, group, rows, -1)}) {
            EXPECT_FALSE(outcome.Changed) << group;
            ASSERT_TRUE(outcome.Message) << group;
            EXPECT_EQ(outcome.Message->en, CbNumbersFollowPlanText().en);
            EXPECT_FALSE(outcome.Message->zh.empty());
        }
        EXPECT_EQ(NewToOld(kBandCb, group), (std::map<int, int>{{1, 1}, {2, 2}})) << group;
    }
    const int vfo = kVfoGroup[kBandHam];
    Lay(kBandHam, vfo, {{1, "28000000"}});
    const int rows[] = {1};
    EXPECT_TRUE(SortGroupByFrequency(*doc, kBandHam, vfo).Message);
    EXPECT_TRUE(MoveChannelRows(*doc, kBandHam, vfo, rows, 1).Message);
}

TEST_F(ChannelOrderTest, DuplicateNumbersFromARadioMoveTogether) {
    // Two slots hold number 2 (random radio contents); the grid shows the first. Both take the
    // new number, so the grid still shows the same record and nothing is lost.
    Lay(kBandHf, 1, {{2, "28000000"}, {1, "28500000"}, {2, "24800000"}});
    ASSERT_TRUE(SortGroupByFrequency(*doc, kBandHf, 1).Changed);
    EXPECT_EQ(doc->Working.channel(kBandHf, 1, 1).ChNo, 1);
    EXPECT_EQ(doc->Working.channel(kBandHf, 2, 1).ChNo, 2);
    EXPECT_EQ(doc->Working.channel(kBandHf, 3, 1).ChNo, 1);
    EXPECT_EQ(doc->Working.channelCount(kBandHf, 1), 3);
}

}  // namespace
}  // namespace kv
