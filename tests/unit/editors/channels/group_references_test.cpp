#include "editors/channels/group_references.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "editors/channels/channel_edit.h"

namespace kv {
namespace {

std::unique_ptr<Document> GroupWith(int band, int group, std::vector<int> numbers) {
    auto doc = std::make_unique<Document>();
    for (int chNo : numbers) AddChannel(*doc, chNo, band, group, "28.5");
    return doc;
}

TEST(ValidChannelReference, KeepsOrFindsFirstChannelOnSameSide) {
    struct Case {
        std::vector<int> numbers;
        int reference;
        int expected;
    };
    const Case cases[] = {
        {{3, 7, 12}, 7, 7}, {{3, 12}, 7, 3},   {{3, 7, 12}, 45, 0},
        {{3, 7, 12}, 0, 3}, {{44, 5}, 50, 44}, {{44, 5}, 9, 5},
        {{44, 5}, 44, 44},  {{}, 1, 0},        {{41, 42}, 40, 0},
    };
    for (const Case& c : cases) {
        const auto doc = GroupWith(kBandHf, 2, c.numbers);
        EXPECT_EQ(ValidChannelReference(doc->Working, kBandHf, 2, c.reference), c.expected)
            << c.reference;
    }
}

TEST(ValidChannelReference, CountsSidesByFortyInCbGroupThree) {
    const auto doc = GroupWith(kBandCb, 3, {60, 2});
    EXPECT_EQ(ValidChannelReference(doc->Working, kBandCb, 3, 70), 60);
    EXPECT_EQ(ValidChannelReference(doc->Working, kBandCb, 3, 9), 2);
}

TEST(RevalidateGroupReferences, ReplacesAllFiveAndRefreshesOpenWindow) {
    auto doc = GroupWith(kBandHam, 4, {3, 12, 44});
    RadioSettings& s = doc->settings();
    s.GroupRefChannelA(kBandHam, 4, 0) = 12;
    s.GroupRefChannelA(kBandHam, 4, 1) = 7;
    s.GroupWorkChannel(kBandHam, 4) = 0;
    s.GroupRefChannelB(kBandHam, 4, 0) = 50;
    s.GroupRefChannelB(kBandHam, 4, 1) = 99;
    s.GroupWorkChannel(kBandHam, 5) = 9;  // another group: untouched
    int refreshes = 0;
    RevalidateGroupReferences(*doc, kBandHam, 4, [&] { ++refreshes; });
    EXPECT_EQ(refreshes, 0);  // window closed
    EXPECT_EQ(s.GroupRefChannelA(kBandHam, 4, 0), 12);
    EXPECT_EQ(s.GroupRefChannelA(kBandHam, 4, 1), 3);
    EXPECT_EQ(s.GroupWorkChannel(kBandHam, 4), 3);
    EXPECT_EQ(s.GroupRefChannelB(kBandHam, 4, 0), 44);
    EXPECT_EQ(s.GroupRefChannelB(kBandHam, 4, 1), 44);
    EXPECT_EQ(s.GroupWorkChannel(kBandHam, 5), 9);
    doc->ChannelEditorOpen = true;
    RevalidateGroupReferences(*doc, kBandHam, 4, [&] { ++refreshes; });
    EXPECT_EQ(refreshes, 1);
}

TEST(ChannelNumberList, ListsNormalChannelsAscending) {
    auto doc = GroupWith(kBandHf, 1, {12, 3, 41, 7});
    EXPECT_EQ(ChannelNumberList(*doc, kBandHf, 1), (std::vector<std::string>{"3", "7", "12"}));
    EXPECT_EQ(doc->Working.channelCount(kBandHf, 17), 1);
    EXPECT_EQ(doc->Working.channelCount(kBandHam, 14), 1);

    auto cb = GroupWith(kBandCb, 3, {80, 40, 41, 1});
    EXPECT_EQ(ChannelNumberList(*cb, kBandCb, 3), (std::vector<std::string>{"1", "40"}));
    EXPECT_TRUE(ChannelNumberList(*cb, kBandCb, 30).empty());
}

}  // namespace
}  // namespace kv
