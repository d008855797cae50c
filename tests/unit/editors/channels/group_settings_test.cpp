#include "editors/channels/group_settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "editors/channels/channel_edit.h"
#include "editors/channels/channel_plan.h"

namespace kv {
namespace {

class GroupSettingsTest : public ::testing::Test {
protected:
    std::unique_ptr<Document> doc = std::make_unique<Document>();
};

TEST_F(GroupSettingsTest, SwitchingTheOnlyValidGroupOffIsRefused) {
    doc->settings().GroupValid(kBandHf, 3) = 1;
    EXPECT_FALSE(SetGroupValid(*doc, kBandHf, 3, 0).Stored);
    EXPECT_EQ(doc->settings().GroupValid(kBandHf, 3), 1);
    // Groups beyond the band's regular groups do not count as other valid groups.
    doc->settings().GroupValid(kBandHam, 1) = 1;
    doc->settings().GroupValid(kBandHam, 13) = 1;
    EXPECT_FALSE(SetGroupValid(*doc, kBandHam, 1, 0).Stored);
    doc->settings().GroupValid(kBandHf, 15) = 1;
    EXPECT_TRUE(SetGroupValid(*doc, kBandHf, 3, 0).Stored);
    EXPECT_EQ(doc->settings().GroupValid(kBandHf, 3), 0);
}

// The radio works only in a regular group: the MEM and VFO groups and numbers past the band
// never become its work group, and the stored one is kept.
TEST_F(GroupSettingsTest, TheWorkGroupIsOnlyEverARegularGroup) {
    struct Case {
        int band, group;
        bool taken;
    };
    for (const Case& c :
         {Case{kBandCb, 1, true}, Case{kBandCb, 7, true}, Case{kBandCb, 8, false},
          Case{kBandHf, 1, true}, Case{kBandHf, 15, true}, Case{kBandHf, 16, false},  // MEM
          Case{kBandHf, 17, false},                                                   // VFO
          Case{kBandHam, 12, true}, Case{kBandHam, 13, false},                        // MEM
          Case{kBandHam, 14, false},                                                  // VFO
          Case{kBandHam, 0, false}, Case{3, 1, false}}) {
        SCOPED_TRACE(std::to_string(c.band) + "/" + std::to_string(c.group));
        EXPECT_EQ(IsWorkGroupChoice(c.band, c.group), c.taken);
        if (c.band < 0 || c.band >= kBandCount) continue;
        doc->settings().WorkGroup[c.band] = 121;  // as a radio may hold
        EXPECT_EQ(SetWorkGroup(*doc, c.band, c.group), c.taken);
        EXPECT_EQ(doc->settings().WorkGroup[c.band], c.taken ? c.group : 121);
        EXPECT_FALSE(SetWorkGroup(*doc, c.band, c.group)) << "the stored group again";
    }
}

// A band pick stores BandMode with the range the frequency checks use; the stored band again
// changes nothing, and a band outside the list is refused.
TEST_F(GroupSettingsTest, ABandPickStoresTheBandAndItsRange) {
    doc->config().BandMode = 7;  // as a radio may hold
    struct Case {
        int band;
        bool changed;
        const char* range;
    };
    for (const Case& c : {Case{kBandHam, true, "28.0000 - 29.7000 MHz"},
                          Case{kBandHam, false, "28.0000 - 29.7000 MHz"},
                          Case{kBandHf, true, "24.7150 - 30.1050 MHz"}, Case{3, false, ""}}) {
        SCOPED_TRACE(c.band);
        EXPECT_EQ(SetBandMode(*doc, c.band), c.changed);
        if (c.band >= kBandCount) continue;
        EXPECT_EQ(doc->config().BandMode, c.band);
        EXPECT_NE(doc->BandRangeText.find(c.range), std::string::npos) << doc->BandRangeText;
    }
    EXPECT_EQ(doc->config().BandMode, kBandHf) << "a refused band leaves the stored one";
    EXPECT_TRUE(SetGroupWorkChannel(*doc, kBandHf, 3, 17));
    EXPECT_EQ(doc->settings().GroupWorkChannel(kBandHf, 3), 17);
    EXPECT_FALSE(SetGroupWorkChannel(*doc, kBandHf, 3, 17));
}

TEST_F(GroupSettingsTest, AnEmptyGroupSwitchedOnGetsChannelOneInItsBand) {
    struct Case {
        int band, group;
        const char* stored;
    };
    for (const Case& c : {Case{kBandHf, 2, "28145000"}, Case{kBandHam, 7, "28015000"},
                          Case{kBandCb, 2, "26960000"}, Case{kBandCb, 7, "27601250"}}) {
        const GroupValidOutcome outcome = SetGroupValid(*doc, c.band, c.group, 1);
        EXPECT_TRUE(outcome.CreatedChannel) << c.band << "/" << c.group;
        ASSERT_EQ(doc->Working.channelCount(c.band, c.group), 1);
        EXPECT_EQ(doc->Working.channel(c.band, 1, c.group).ChNo, 1);
        EXPECT_EQ(doc->Working.channel(c.band, 1, c.group).RxFreqText.raw(), c.stored);
    }
    // A group that already holds a normal channel gets none.
    ASSERT_TRUE(AddChannel(*doc, 9, kBandHf, 4, "28.5"));
    EXPECT_FALSE(SetGroupValid(*doc, kBandHf, 4, 1).CreatedChannel);
    EXPECT_EQ(doc->Working.channelCount(kBandHf, 4), 1);
}

TEST(CbPlanTest, FirstChannelFrequenciesMatchTheChannelPlanTable) {
    std::ifstream file(std::string(KV_SOURCE_DIR) + "/data/channel_plan.csv");
    ASSERT_TRUE(file.good());
    std::stringstream text;
    text << file.rdbuf();
    const ChannelPlan plan = ParseChannelPlan(text.str());
    ASSERT_TRUE(plan.error.empty()) << plan.error;
    int checked = 0;
    for (const ChannelPlanRow& row : plan.rows) {
        if (row.band != kBandCb || row.chNo != 1) continue;
        EXPECT_EQ(CbPlanFirstChannelFreq(row.group), row.freqText) << "group " << row.group;
        ++checked;
    }
    EXPECT_EQ(checked, 7);
}

TEST_F(GroupSettingsTest, RenameFiltersComposesAndKeepsUnchangedNames) {
    struct Case {
        const char *first, *second, *stored;
    };
    for (const Case& c :
         {Case{"", "7", " 7"}, Case{"A", "", "A "}, Case{"", "", "  "}, Case{"b", "2", "B2"}}) {
        doc->settings().GroupName(kBandHf, 1).assign("ZZ");
        bool changed = false;
        EXPECT_FALSE(RenameGroup(*doc, kBandHf, 1, c.first, c.second, changed).has_value());
        EXPECT_TRUE(changed);
        EXPECT_EQ(doc->settings().GroupName(kBandHf, 1).raw(), c.stored);
    }
    // What a key filter would have stopped is refused at commit.
    bool changed = true;
    EXPECT_TRUE(RenameGroup(*doc, kBandHf, 1, "#", "", changed).has_value());
    EXPECT_FALSE(changed);
    EXPECT_TRUE(RenameGroup(*doc, kBandHf, 1, "\xc3", "", changed).has_value());
    EXPECT_EQ(doc->settings().GroupName(kBandHf, 1).raw(), "B2");
    // An unchanged name keeps its stored bytes.
    doc->settings().GroupName(kBandHf, 2).assignPadded("A", '\0');
    EXPECT_FALSE(RenameGroup(*doc, kBandHf, 2, "A", "", changed).has_value());
    EXPECT_FALSE(changed);
    EXPECT_EQ(doc->settings().GroupName(kBandHf, 2).raw(), std::string("A\0", 2));
    // A half not typed into keeps the stored byte, whatever it is; with neither typed, nothing
    // is stored (a lower-case name from a radio stays as it is).
    doc->settings()
        .GroupName(kBandHf, 3)
        .assign(
            "\xE7"
            "b");
    EXPECT_FALSE(RenameGroup(*doc, kBandHf, 3, std::nullopt, std::nullopt, changed).has_value());
    EXPECT_FALSE(changed);
    EXPECT_EQ(doc->settings().GroupName(kBandHf, 3).raw(),
              "\xE7"
              "b");
    EXPECT_FALSE(RenameGroup(*doc, kBandHf, 3, std::nullopt, "c", changed).has_value());
    EXPECT_TRUE(changed);
    EXPECT_EQ(doc->settings().GroupName(kBandHf, 3).raw(),
              "\xE7"
              "C");
    EXPECT_FALSE(RenameGroup(*doc, kBandHf, 3, "", std::nullopt, changed).has_value());
    EXPECT_EQ(doc->settings().GroupName(kBandHf, 3).raw(), " C");
    // Key filter.
    EXPECT_EQ(FilterGroupNameChar('b'), std::optional<char32_t>('B'));
    EXPECT_EQ(FilterGroupNameChar('/'), std::optional<char32_t>('/'));
    EXPECT_EQ(FilterGroupNameChar(8), std::optional<char32_t>(8));
    EXPECT_FALSE(FilterGroupNameChar(' ').has_value());
    EXPECT_FALSE(FilterGroupNameChar('#').has_value());
    EXPECT_FALSE(FilterGroupNameChar(0x4e2d).has_value());
}

}  // namespace
}  // namespace kv
