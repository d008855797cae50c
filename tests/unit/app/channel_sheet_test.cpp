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
    doc->settings().GroupName(kBandHf, 1).assign("\x81Z");
    const ChannelSheet sheet = BuildChannelSheet(*doc, kLanguageEnglish);
    const SheetTable& hf1 = sheet.Groups[7];
    EXPECT_EQ(hf1.Title, "HF band, group 1 — \\x81Z");
    ASSERT_EQ(hf1.Rows.size(), 1u);
    EXPECT_EQ(hf1.Rows[0][2], "USB");
    EXPECT_EQ(hf1.Rows[0][3], "9 (not in the list)");
    EXPECT_EQ(hf1.Rows[0][4], "RX C_001(67.0Hz), TX D_001(023N)");
    EXPECT_EQ(hf1.Rows[0][5].find("BUSY, REP Add"), 0u) << hf1.Rows[0][5];
    EXPECT_NE(hf1.Rows[0][5].find("NB/ANL ANL"), std::string::npos) << hf1.Rows[0][5];
}

// Names print as the windows show them: through the code page, bytes it cannot show as their
// escape, so that names differing in such bytes print differently; the Bluetooth name as well.
TEST(ChannelSheet, NamesPrintAsTheWindowsShowThem) {
    auto doc = NewTemplate();
    doc->settings().GroupName(kBandHf, 2).assign("\xA9Z");
    doc->settings().GroupName(kBandHf, 3).assign("\x8D\x81");
    doc->settings().GroupName(kBandHf, 4).assign("\x81\x8D");
    doc->settings().BtDeviceName.assign(
        "KV\xE7"
        "7");
    const ChannelSheet sheet = BuildChannelSheet(*doc, kLanguageEnglish);
    EXPECT_EQ(sheet.Groups[8].Title, "HF band, group 2 — \u00A9Z");
    EXPECT_EQ(sheet.Groups[9].Title, "HF band, group 3 — \\x8D\\x81");
    EXPECT_EQ(sheet.Groups[10].Title, "HF band, group 4 — \\x81\\x8D");
    bool named = false;
    for (const auto& row : sheet.Settings.Rows)
        named = named || row[1] ==
                             "KV\u00E7"
                             "7";
    EXPECT_TRUE(named);
}

// What a radio holds prints as the windows show it: values outside the lists marked as such, a
// filter named once, a setting with its limit on one line, the CB memories in use under the
// group they refer into, and the band as the band selector names it.
TEST(ChannelSheet, PrintsWhatTheRadioHoldsAsTheWindowsShowIt) {
    auto doc = NewTemplate();
    doc->DocumentName = "radio.dat";
    doc->BandRangeText = "28.0000 - 29.6990 MHz";  // as the earlier program's file names it
    doc->config().BandMode = kBandHam;
    ChannelRecord& r = doc->Working.channel(kBandHf, 1, 1);
    r.MemMode = 13;
    r.NbAnl = 3;
    r.RxToneType = 2;
    r.RxDcs = 500;
    r.TxToneType = 0;
    doc->settings().SwrProtect = 1;
    for (int n = 1; n <= 16; ++n) doc->Working.Store.cbMem(n).InUse = 0;
    for (const int n : {3, 16}) {
        ChannelRecord& memory = doc->Working.Store.cbMem(n);  // CB group 1's block
        memory = {};
        memory.InUse = 1;
        memory.MemChNo = static_cast<i16>(n == 3 ? 9 : 40);
    }
    doc->Working.Store.cbMem(4).InUse = 1;
    doc->Working.Store.cbMem(4).MemChNo = 255;  // empty
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        SCOPED_TRACE(language);
        const bool en = language == kLanguageEnglish;
        const ChannelSheet sheet = BuildChannelSheet(*doc, language);
        EXPECT_EQ(sheet.Subtitle, "radio.dat  ·  HAM -- 28.0000 - 29.7000 MHz");
        const SheetTable& hf1 = sheet.Groups[7];
        ASSERT_EQ(hf1.Rows.size(), 1u);
        EXPECT_EQ(hf1.Rows[0][2], en ? "13 (not in the list)" : "13（不在列表中）");
        EXPECT_EQ(hf1.Rows[0][4], en ? "RX 500 (not in the list)" : "RX 500（不在列表中）");
        const std::string& options = hf1.Rows[0][5];
        EXPECT_NE(options.find("NB/ANL"), std::string::npos) << options;
        EXPECT_EQ(options.find("NB/ANL"), options.rfind("NB/ANL")) << options;
        int swr = 0;
        for (const auto& row : sheet.Settings.Rows)
            swr += row[0] == (en ? "SWR Protect" : "驻波保护");
        EXPECT_EQ(swr, 1);
        const SheetTable& cb1 = sheet.Groups[0];
        ASSERT_EQ(cb1.Rows.size(), 42u);
        EXPECT_EQ(cb1.Rows[40][0], "M3");
        EXPECT_EQ(cb1.Rows[40][1], "27.06500");  // channel 9's frequency
        EXPECT_EQ(cb1.Rows[40][5], en ? "CH 9" : "信道 9");
        EXPECT_EQ(cb1.Rows[41][0], "M16");
        EXPECT_EQ(cb1.Rows[41][1], "27.40500");
    }
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
