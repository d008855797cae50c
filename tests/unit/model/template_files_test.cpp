// The template data files staged in the program folder hold the channel plan table and, for
// everything else, the built-in defaults.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "editors/channels/channel_edit.h"
#include "editors/channels/channel_plan.h"
#include "editors/channels/freq_text.h"
#include "files/data_file.h"
#include "files/staging.h"
#include "files/templates.h"
#include "model/band_range.h"

namespace kv {
namespace {

ChannelPlan ReadPlan() {
    std::ifstream in(std::string(KV_SOURCE_DIR) + "/data/channel_plan.csv", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return ParseChannelPlan(text.str());
}

std::unique_ptr<Document> OpenTemplate(const char* fileName) {
    auto doc = std::make_unique<Document>();
    EXPECT_TRUE(LoadTemplateFile(*doc, std::string(KV_PROGRAM_DIR) + "/Init/" + fileName))
        << fileName;
    return doc;
}

class StagedTemplateTest : public ::testing::TestWithParam<const char*> {};

TEST_P(StagedTemplateTest, HoldsThePlanTable) {
    const ChannelPlan plan = ReadPlan();
    ASSERT_EQ(plan.error, "");
    const auto doc = OpenTemplate(GetParam());
    const RadioSettings& s = doc->settings();

    std::map<std::pair<int, int>, std::vector<const ChannelPlanRow*>> groups;
    for (const ChannelPlanRow& row : plan.rows) groups[{row.band, row.group}].push_back(&row);
    for (const auto& [key, rows] : groups) {
        const auto [band, group] = key;
        SCOPED_TRACE(std::to_string(band) + "/" + std::to_string(group));
        EXPECT_EQ(s.GroupValid(band, group), 1);
        EXPECT_EQ(s.GroupName(band, group).trimmed(), rows.front()->groupName);
        ASSERT_EQ(doc->Working.channelCount(band, group), static_cast<int>(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ChannelRecord& channel =
                doc->Working.channel(band, static_cast<int>(i) + 1, group);
            FixedText<8> stored;
            stored.assign(FreqTextToStore(*doc, rows[i]->freqText));
            EXPECT_EQ(channel.ChNo, rows[i]->chNo);
            EXPECT_EQ(channel.InUse, 1);
            EXPECT_EQ(channel.RxFreqText, stored) << rows[i]->freqText;
            EXPECT_EQ(channel.TxFreqText, stored) << rows[i]->freqText;
        }
        EXPECT_EQ(s.GroupWorkChannel(band, group), rows.front()->chNo);
    }
}

// Channels of each plan typed from the published plans, not derived from the table: a wrong plan
// in the table or a wrong conversion fails here.
TEST_P(StagedTemplateTest, KnownChannelsHaveTheirPublishedFrequencies) {
    struct Known {
        int band;
        int group;
        int chNo;
        const char* mhz;
    };
    const Known known[] = {
        {kBandCb, 1, 1, "26.96500"},   // CEPT channel 1
        {kBandCb, 1, 40, "27.40500"},  // CEPT channel 40
        {kBandCb, 2, 1, "26.96000"},   // Poland: 5 kHz below CEPT
        {kBandCb, 2, 40, "27.40000"},
        {kBandCb, 3, 41, "26.56500"},  // Germany: channels 41 to 80
                                       // below channel 1
        {kBandCb, 3, 80, "26.95500"},
        {kBandCb, 7, 1, "27.60125"},  // United Kingdom
        {kBandCb, 7, 40, "27.99125"},
        {kBandHf, 1, 1, "28.01500"},
        {kBandHam, 1, 1, "28.01500"},
    };
    const auto doc = OpenTemplate(GetParam());
    for (const Known& k : known) {
        const int slot = FindSlot(doc->Working, k.band, k.group, k.chNo);
        ASSERT_GT(slot, 0) << k.band << "/" << k.group << " channel " << k.chNo;
        const ChannelRecord& channel = doc->Working.channel(k.band, slot, k.group);
        EXPECT_EQ(FreqStoreToText(*doc, channel.RxFreqText.trimmed()).text, k.mhz)
            << k.band << "/" << k.group << " channel " << k.chNo;
        EXPECT_EQ(channel.TxFreqText, channel.RxFreqText);
    }
}

TEST_P(StagedTemplateTest, KeepsBuiltInDefaultsElsewhere) {
    const auto doc = OpenTemplate(GetParam());
    auto defaults = std::make_unique<Document>();
    defaults->BandRangeText =
        GetParam()[0] == '0' ? kBandRangeTexts[kBandHf] : kStartupBandRangeText;
    ApplyBuiltInDefaults(*defaults, "");
    const RadioSettings& s = doc->settings();
    const RadioSettings& d = defaults->settings();
    EXPECT_EQ(doc->config().ToneTable, defaults->config().ToneTable);
    EXPECT_EQ(doc->config().ReservedTable, defaults->config().ReservedTable);
    EXPECT_EQ(s.HfPublicParams, d.HfPublicParams);
    EXPECT_EQ(s.DtmfCodes, d.DtmfCodes);
    EXPECT_EQ(s.BatteryMin, d.BatteryMin);
    EXPECT_EQ(s.MicGain, d.MicGain);
    // The template keeps the range text that chose it, so its digit and the title stay.
    EXPECT_EQ(BandRangeTextFor(doc->config().BandMode), defaults->BandRangeText);
    EXPECT_EQ(doc->config().Identity.IdentRangeClass2,
              defaults->config().Identity.IdentRangeClass2);
    EXPECT_EQ(doc->Working.channelCount(kBandHf, 16), 0);
}

// A new document built on the installed templates starts with the range text of start-up.
TEST(StagedTemplates, NewDocumentKeepsTheStartupRange) {
    auto doc = std::make_unique<Document>();
    doc->BandRangeText = kStartupBandRangeText;
    ParseBandRange(*doc);
    BuildNewDocument(*doc, KV_PROGRAM_DIR, "20261210");
    EXPECT_EQ(doc->BandRangeText, "28.0000 - 29.6990 MHz");
    EXPECT_EQ(doc->settings().GroupName(kBandCb, 1).trimmed(), "EU");
    EXPECT_FALSE(IsDocumentChanged(*doc));
}

INSTANTIATE_TEST_SUITE_P(InitFolder, StagedTemplateTest,
                         ::testing::Values("0_KV7700_New.dat", "0_KV7700.dat", "1_KV7700_New.dat",
                                           "1_KV7700.dat"));

// The table gives HF and HAM groups 1 to 10 the first channel the channel window would create.
TEST(ChannelPlanTable, FirstChannelsMatchTheChannelWindow) {
    const ChannelPlan plan = ReadPlan();
    ASSERT_EQ(plan.error, "");
    int checked = 0;
    for (const ChannelPlanRow& row : plan.rows) {
        if (row.band == kBandCb || row.chNo != 1 || FirstChannelFreqText(row.group).empty())
            continue;
        EXPECT_EQ(row.freqText, FirstChannelFreqText(row.group)) << row.line;
        ++checked;
    }
    EXPECT_EQ(checked, 20);
}

}  // namespace
}  // namespace kv
