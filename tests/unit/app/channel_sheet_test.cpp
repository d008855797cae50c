// The channel sheet's content: one table per band and group holding channels, in either
// language, with the columns a user needs at the radio, and a settings table.
#include "app/channel_sheet.h"

#include <gtest/gtest.h>

#include <memory>

#include "files/data_file.h"
#include "model/text_pair.h"

namespace kv {
namespace {

std::unique_ptr<Document> NewTemplate() {
    auto doc = std::make_unique<Document>();
    EXPECT_TRUE(LoadTemplateFile(*doc, std::string(KV_PROGRAM_DIR) + "/Init/1_KV7700_New.dat"));
    return doc;
}

// The template holds the seven CB plans, one channel in each of the 15 named HF groups and of
// the 12 named HAM groups; MEM and VFO are empty.
TEST(ChannelSheet, TemplateHasOneTablePerGroupInUse) {
    const auto doc = NewTemplate();
    const ChannelSheet sheet = BuildChannelSheet(*doc, kLanguageEnglish);
    ASSERT_EQ(sheet.Groups.size(), 7u + 15u + 12u);
    EXPECT_EQ(sheet.Groups[0].Title, "CB band, group 1 — EU");
    EXPECT_EQ(sheet.Groups[2].Title, "CB band, group 3 — DE");
    EXPECT_EQ(sheet.Groups[2].Rows.size(), 80u);
    EXPECT_EQ(sheet.Groups[6].Title, "CB band, group 7 — UK");
    EXPECT_EQ(sheet.Groups[7].Title, "HF band, group 1 — A");
    EXPECT_EQ(sheet.Groups[7].Rows.size(), 1u);
    EXPECT_EQ(sheet.Groups[33].Title, "HAM band, group 12 — L");
    EXPECT_EQ(sheet.Groups[0].Header, (std::vector<std::string>{"CH No.", "Frequency (MHz)", "Mode",
                                                                "Power", "Tones", "Options on"}));
    ASSERT_EQ(sheet.Groups[0].Rows.size(), 40u);
    EXPECT_EQ(sheet.Groups[0].Rows[0][0], "1");
    EXPECT_EQ(sheet.Groups[0].Rows[0][1], "26.96500");
    EXPECT_EQ(sheet.Groups[0].Rows[39][0], "40");
    EXPECT_EQ(sheet.Groups[0].Rows[39][1], "27.40500");
    EXPECT_EQ(sheet.Title, "KV-7700 channel sheet");
    EXPECT_FALSE(sheet.Settings.Rows.empty());
}

TEST(ChannelSheet, ChineseSheet) {
    const auto doc = NewTemplate();
    const ChannelSheet sheet = BuildChannelSheet(*doc, kLanguageChinese);
    ASSERT_EQ(sheet.Groups.size(), 34u);
    EXPECT_EQ(sheet.Title, "KV-7700 信道表");
    EXPECT_EQ(sheet.Groups[0].Title, "CB 波段，第 1 组 — EU");
    EXPECT_EQ(sheet.Groups[0].Header[1], "频率（MHz）");
    EXPECT_EQ(sheet.Settings.Title, "设置");
}

TEST(ChannelSheet, ColumnsShowTonesOptionsAndOddValues) {
    auto doc = NewTemplate();
    ChannelRecord& r = doc->Working.channel(kBandHf, 1, 1);
    r.RxToneType = 1;
    r.RxCtcss = 0;
    r.TxToneType = 2;
    r.TxDcs = 0;
    r.Busy = 1;
    r.NbAnl = 2;
    r.RepShift = 1;
    r.MemMode = 2;
    r.TxPower = 9;  // no such entry: a radio may hold it
    doc->settings().GroupName(kBandHf, 1).assign("\xA9Z");
    const ChannelSheet sheet = BuildChannelSheet(*doc, kLanguageEnglish);
    const SheetTable& hf1 = sheet.Groups[7];
    EXPECT_EQ(hf1.Title, "HF band, group 1 — ?Z");
    ASSERT_EQ(hf1.Rows.size(), 1u);
    EXPECT_EQ(hf1.Rows[0][2], "USB");
    EXPECT_EQ(hf1.Rows[0][3], "9");
    EXPECT_EQ(hf1.Rows[0][4], "RX C_001(67.0Hz), TX D_001(023N)");
    EXPECT_EQ(hf1.Rows[0][5].find("BUSY, REP Add"), 0u) << hf1.Rows[0][5];
    EXPECT_NE(hf1.Rows[0][5].find("NB/ANL ANL"), std::string::npos) << hf1.Rows[0][5];
}

TEST(ChannelSheet, EmptyGroupsAndSwitchedOffChannelsAreLeftOut) {
    auto doc = NewTemplate();
    doc->Working.channelCount(kBandHf, 3) = 0;
    doc->Working.channel(kBandHam, 1, 2).InUse = 0;
    const ChannelSheet sheet = BuildChannelSheet(*doc, kLanguageEnglish);
    EXPECT_EQ(sheet.Groups.size(), 32u);
    for (const SheetTable& table : sheet.Groups) {
        EXPECT_NE(table.Title, "HF band, group 3 — C");
        EXPECT_NE(table.Title, "HAM band, group 2 — B");
    }
}

}  // namespace
}  // namespace kv
