#include "editors/channels/channel_names.h"

#include <gtest/gtest.h>

#include <memory>

namespace kv {
namespace {

TEST(GroupNames, MapIndexAndNameBothWays) {
    auto doc = std::make_unique<Document>();
    RadioSettings& s = doc->settings();
    s.GroupName(kBandCb, 5).assign("U");  // padded "U "
    s.GroupName(kBandCb, 2).assign("PL");
    s.GroupName(kBandCb, 6).assign("PL");  // repeated: the last one wins
    s.GroupName(kBandHf, 1).assign(std::string_view("A\0", 2));
    s.GroupName(kBandHam, 12).assign("L");
    struct Case {
        int band;
        int index;
        const char* name;
    };
    const Case both[] = {
        {kBandCb, 5, "U"},    {kBandCb, 6, "PL"},  {kBandHf, 1, "A"},     {kBandHf, 16, "MEM"},
        {kBandHf, 17, "VFO"}, {kBandHam, 12, "L"}, {kBandHam, 13, "MEM"}, {kBandHam, 14, "VFO"},
    };
    for (const Case& c : both) {
        EXPECT_EQ(GroupIndexToName(*doc, c.band, c.index), c.name) << c.band << "/" << c.index;
        EXPECT_EQ(GroupNameToIndex(*doc, c.band, c.name), c.index) << c.band << "/" << c.name;
    }
    EXPECT_EQ(GroupIndexToName(*doc, kBandHam, 15), "");
    EXPECT_EQ(GroupIndexToName(*doc, kBandHf, 0), "");
    EXPECT_EQ(GroupIndexToName(*doc, 3, 1), "");
    EXPECT_EQ(GroupNameToIndex(*doc, kBandCb, "MEM"), 0);
    EXPECT_EQ(GroupNameToIndex(*doc, kBandHf, "a"), 0);  // case-sensitive
    EXPECT_EQ(GroupNameToIndex(*doc, kBandHam, "ZZ"), 0);
}

TEST(ChannelLabels, MapNumberAndLabelBothWays) {
    for (int chNo : {1, 40, 41, 45, 139}) EXPECT_EQ(GetCHID(GetCHName(chNo)), chNo) << chNo;
    EXPECT_EQ(GetCHName(45), "M5");
    EXPECT_EQ(GetCHName(40), "40");
    EXPECT_EQ(GetCHID("M5"), 45);
    EXPECT_EQ(GetCHID("12  "), 12);
    for (const char* bad : {"", "M", "Mx", "x1", "-3"}) EXPECT_EQ(GetCHID(bad), 0) << bad;
}

}  // namespace
}  // namespace kv
