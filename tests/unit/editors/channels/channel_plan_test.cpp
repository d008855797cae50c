#include "editors/channels/channel_plan.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kv {
namespace {

const std::string kHeader = std::string(kChannelPlanHeader) + "\n";

TEST(ParseChannelPlan, ReadsRowsSkippingCommentsAndBlanks) {
    const ChannelPlan plan = ParseChannelPlan("# plan\n\n" + kHeader +
                                              "CB, 3, DE, 80, 26.955000\r\n"
                                              "# HF\n"
                                              "HAM,12,L,1,28.025000");
    ASSERT_EQ(plan.error, "");
    ASSERT_EQ(plan.rows.size(), 2u);
    EXPECT_EQ(plan.rows[0].band, kBandCb);
    EXPECT_EQ(plan.rows[0].group, 3);
    EXPECT_EQ(plan.rows[0].groupName, "DE");
    EXPECT_EQ(plan.rows[0].chNo, 80);
    EXPECT_EQ(plan.rows[0].freqText, "26.955000");
    EXPECT_EQ(plan.rows[0].line, 4);
    EXPECT_EQ(plan.rows[1].band, kBandHam);
    EXPECT_EQ(plan.rows[1].line, 6);
}

TEST(ParseChannelPlan, ReportsTheFaultyLine) {
    struct Case {
        const char* rows;
        const char* error;
    };
    const Case cases[] = {
        {"VHF,1,A,1,28.015000", "line 2: unknown band \"VHF\""},
        {"HF,16,M,1,28.015000", "line 2: no named group \"16\" in HF"},
        {"HAM,0,A,1,28.015000", "line 2: no named group \"0\" in HAM"},
        {"HF,1,ABC,1,28.015000", "line 2: group name \"ABC\" is not one or two characters"},
        {"HF,1,A,41,28.015000", "line 2: channel \"41\" is not a channel of the group"},
        {"CB,1,EU,41,26.965000", "line 2: channel \"41\" is not a channel of the group"},
        {"HF,1,A,1,28.015", "line 2: frequency \"28.015\" is not written as dd.dddddd MHz"},
        {"HF,1,A,1,28,015000", "line 2: expected 5 fields, found 6"},
        {"HF,1,A,1,28.015000\nHF,1,A,1,28.025000", "line 3: channel listed twice in its group"},
        {"HF,1,A,1,28.015000\nHF,1,B,2,28.025000", "line 3: the group was named \"A\" before"},
    };
    for (const Case& c : cases) {
        const ChannelPlan plan = ParseChannelPlan(kHeader + c.rows);
        EXPECT_EQ(plan.error, c.error) << c.rows;
        EXPECT_TRUE(plan.rows.empty()) << c.rows;
    }
    EXPECT_EQ(ParseChannelPlan("HF,1,A,1,28.015000\n").error,
              "line 1: expected the header " + std::string(kChannelPlanHeader));
    EXPECT_EQ(ParseChannelPlan("# nothing\n").error, "the table is empty");
}

TEST(ApplyChannelPlan, NamesEnablesAndFillsGroups) {
    auto doc = std::make_unique<Document>();
    RadioSettings& s = doc->settings();
    s.GroupName(kBandHf, 2).assign(std::string_view("B\0", 2));
    s.GroupWorkChannel(kBandCb, 7) = 0;
    const ChannelPlan plan = ParseChannelPlan(kHeader +
                                              "CB,7,UK,2,27.611250\n"
                                              "CB,7,UK,1,27.601250\n"
                                              "HF,2,B,1,28.145000\n");
    ASSERT_EQ(plan.error, "");
    ASSERT_EQ(ApplyChannelPlan(*doc, plan), "");

    EXPECT_EQ(s.GroupValid(kBandCb, 7), 1);
    EXPECT_EQ(s.GroupName(kBandCb, 7).raw(), "UK");
    EXPECT_EQ(s.GroupName(kBandHf, 2).raw(), std::string("B\0", 2));  // same name: bytes kept
    ASSERT_EQ(doc->Working.channelCount(kBandCb, 7), 2);
    EXPECT_EQ(doc->Working.channel(kBandCb, 1, 7).ChNo, 2);  // table order
    EXPECT_EQ(doc->Working.channel(kBandCb, 1, 7).RxFreqText.raw(), "27611250");
    EXPECT_EQ(doc->Working.channel(kBandCb, 2, 7).TxFreqText.raw(), "27601250");
    EXPECT_EQ(doc->Working.channel(kBandHf, 1, 2).InUse, 1);
    EXPECT_EQ(s.GroupWorkChannel(kBandCb, 7), 2);  // the first channel in slot order
    EXPECT_EQ(s.GroupRefChannelB(kBandHf, 2, 1), 1);
}

TEST(ApplyChannelPlan, ReportsAGroupWithoutFreeSlot) {
    auto doc = std::make_unique<Document>();
    doc->Working.channelCount(kBandHf, 1) = 40;
    const ChannelPlan plan = ParseChannelPlan(kHeader + "HF,1,A,1,28.015000\n");
    EXPECT_EQ(ApplyChannelPlan(*doc, plan), "line 2: the group has no free slot");
}

}  // namespace
}  // namespace kv
