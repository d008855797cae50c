#include "editors/tones/dtmf_rules.h"

#include <gtest/gtest.h>

#include <memory>

#include "editors/tones/dtmf_texts.h"

namespace kv {
namespace {

TEST(DtmfRules, KeyFilterTakesTheDtmfSetOnly) {
    for (const char c : std::string("0123456789ABCD*#")) EXPECT_EQ(DtmfKeyCharacter(c), c);
    EXPECT_EQ(DtmfKeyCharacter('a'), 'A');
    EXPECT_EQ(DtmfKeyCharacter('d'), 'D');
    static const char kRefused[] = "EeFf xX-+.,\t\r\n\0\x80\xff";
    for (const char c : std::string(kRefused, sizeof kRefused - 1))
        EXPECT_EQ(DtmfKeyCharacter(c), 0) << static_cast<int>(c);
}

TEST(DtmfRules, CommittedTextIsCleaned) {
    const std::pair<std::string, std::string> cases[] = {
        {"12ab*#", "12AB*#"},
        {"1 2-3 e", "123"},
        {"", ""},
        {"  ", ""},
        {"0123456789ABCD*#9", "0123456789ABCD*#"},
        {"x1x2x3x4x5x6x7x8x9x0x1x2x3x4x5x6x7", "1234567890123456"},
        {"\xe4\xb8\x80"
         "5",
         "5"},  // a character from an input method
    };
    for (const auto& [typed, clean] : cases) EXPECT_EQ(CleanDtmfCode(typed), clean) << typed;
}

TEST(DtmfRules, StoredFieldHasNulAndBlanks) {
    auto data = std::make_unique<RadioData>();
    RadioSettings& s = data->Config.Settings;
    EXPECT_TRUE(StoreDtmfCode(s, 3, "12ab*#"));
    EXPECT_EQ(s.DtmfCodes[2].raw(), std::string("12AB*#\0         ", 16));
    EXPECT_EQ(DtmfCodeText(s, 3), "12AB*#");
    EXPECT_TRUE(StoreDtmfCode(s, 16, "0123456789ABCD*#"));
    EXPECT_EQ(s.DtmfCodes[15].raw(), "0123456789ABCD*#");
    StoreDtmfCode(s, 1, "9");
    EXPECT_TRUE(StoreDtmfCode(s, 1, "E "));  // nothing left of it: empty
    EXPECT_EQ(s.DtmfCodes[0].raw(), std::string("\0               ", 16));
    EXPECT_FALSE(StoreDtmfCode(s, 17, "1"));
    EXPECT_FALSE(StoreDtmfCode(s, 0, "1"));
}

// A code the radio gave (text then NULs) keeps its bytes when its text is committed unchanged.
TEST(DtmfRules, UnchangedCodeIsNotRewritten) {
    auto data = std::make_unique<RadioData>();
    RadioSettings& s = data->Config.Settings;
    s.DtmfCodes[4].assignPadded("55", '\0');
    const std::string before = s.DtmfCodes[4].raw();
    EXPECT_FALSE(StoreDtmfCode(s, 5, "55"));
    EXPECT_EQ(s.DtmfCodes[4].raw(), before);
    EXPECT_FALSE(StoreDtmfCode(s, 7, ""));  // the new document's empty code
    EXPECT_EQ(s.DtmfCodes[6].raw(), std::string(16, '\0'));
}

TEST(DtmfRules, DefinedCodes) {
    auto data = std::make_unique<RadioData>();
    RadioSettings& s = data->Config.Settings;
    s.DtmfCodes[1].assign("12");
    s.DtmfCodes[2].assign(
        std::string("\0"
                    "99",
                    3));  // empty: text cut at the NUL
    s.DtmfCodes[3].assign("   ");
    EXPECT_EQ(IsCodeDefined(s, 2), 2);
    EXPECT_EQ(IsCodeDefined(s, 3), 0);
    EXPECT_EQ(IsCodeDefined(s, 4), 0);
    EXPECT_EQ(IsCodeDefined(s, 1), 0);
    EXPECT_EQ(IsCodeDefined(s, 0), 0);
    EXPECT_EQ(IsCodeDefined(s, 17), 0);
}

// Code 5 is emptied through the window's edit function: every reference to it becomes 0 (channels
// of every band and group, CB memories, the three public blocks), references to code 2 stay.
TEST(DtmfRules, SetDtmfListRepairsEveryReference) {
    auto data = std::make_unique<RadioData>();
    RadioData& d = *data;
    RadioSettings& s = d.Config.Settings;
    StoreDtmfCode(s, 2, "1");
    StoreDtmfCode(s, 5, "2");
    ChannelRecord& hamVfo = d.channel(kBandHam, 1, 14);
    ChannelRecord& hfMem = d.channel(kBandHf, 99, 16);
    ChannelRecord& cb = d.channel(kBandCb, 80, 3);
    ChannelRecord& hf = d.channel(kBandHf, 1, 12);
    for (ChannelRecord* r : {&hamVfo, &hfMem, &cb, &hf, &d.Store.cbMem(96), &d.Store.cbMem(1)}) {
        r->DtmfBot = 5;
        r->DtmfEot = 2;
        r->DtmfCall = 5;
    }
    s.CbPublicParams.DtmfEot = 5;
    s.HfPublicParams.DtmfBot = 5;
    s.HamPublicParams.DtmfCall = 5;
    s.HamPublicParams.DtmfBot = 2;
    EXPECT_EQ(SetDTMFList(d, 5), 0) << "code 5 is defined";

    // Set as the DTMF window sets it, the emptied code takes its references with it.
    EXPECT_FALSE(SetDtmfCode(d, 2, "1")) << "an unchanged code repairs nothing";
    EXPECT_TRUE(SetDtmfCode(d, 5, ""));
    EXPECT_EQ(SetDTMFList(d, 5), 0) << "nothing left to repair";
    for (ChannelRecord* r : {&hamVfo, &hfMem, &cb, &hf, &d.Store.cbMem(96), &d.Store.cbMem(1)}) {
        EXPECT_EQ(r->DtmfBot, 0);
        EXPECT_EQ(r->DtmfEot, 2);
        EXPECT_EQ(r->DtmfCall, 0);
    }
    EXPECT_EQ(s.CbPublicParams.DtmfEot, 0);
    EXPECT_EQ(s.HfPublicParams.DtmfBot, 0);
    EXPECT_EQ(s.HamPublicParams.DtmfCall, 0);
    EXPECT_EQ(s.HamPublicParams.DtmfBot, 2);
}

// References to codes that were empty before the edit (or to numbers outside 1..16) are left as
// the radio holds them; emptying one code clears the references to that code alone.
TEST(DtmfRules, EditsLeaveReferencesThatWereAlreadyUndefined) {
    auto data = std::make_unique<RadioData>();
    RadioData& d = *data;
    RadioSettings& s = d.Config.Settings;
    StoreDtmfCode(s, 4, "44");
    ChannelRecord& cb = d.channel(kBandCb, 3, 1);
    ChannelRecord& ham = d.channel(kBandHam, 9, 2);
    cb.DtmfBot = 7;
    cb.DtmfEot = 4;
    cb.DtmfCall = 40;
    ham.DtmfBot = 4;
    ham.DtmfCall = 16;
    d.Store.cbMem(96).DtmfEot = -3;
    s.CbPublicParams.DtmfCall = 12;

    EXPECT_TRUE(SetDtmfCode(d, 1, "1"));
    EXPECT_TRUE(SetDtmfCode(d, 4, "45"));
    EXPECT_EQ(SetDTMFList(d, 4), 0) << "code 4 is defined: its references stay";
    EXPECT_EQ(cb.DtmfBot, 7);
    EXPECT_EQ(cb.DtmfCall, 40);
    EXPECT_EQ(ham.DtmfCall, 16);
    EXPECT_EQ(d.Store.cbMem(96).DtmfEot, -3);
    EXPECT_EQ(s.CbPublicParams.DtmfCall, 12);
    EXPECT_EQ(cb.DtmfEot, 4);

    EXPECT_TRUE(SetDtmfCode(d, 4, ""));
    EXPECT_EQ(cb.DtmfEot, 0);
    EXPECT_EQ(ham.DtmfBot, 0);
    EXPECT_EQ(cb.DtmfBot, 7);
    EXPECT_EQ(ham.DtmfCall, 16);
}

TEST(DtmfTexts, EncodeRowsHoldTheirLists) {
    const auto rows = DtmfEncodeRows();
    ASSERT_EQ(rows.size(), 5u);
    const struct {
        std::size_t Size;
        const char* First;
        const char* Last;
    } expected[] = {{50, "10", "500"},
                    {11, "0", "1000"},
                    {25, "100", "2500"},
                    {4, "Off", "1000"},
                    {17, "Off", "16s"}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].Param, static_cast<int>(i));
        ASSERT_EQ(rows[i].Choices.size(), expected[i].Size);
        EXPECT_EQ(rows[i].Choices.front().en, expected[i].First);
        EXPECT_EQ(rows[i].Choices.back().en, expected[i].Last);
    }
    EXPECT_EQ(rows[3].Choices[0].zh, "Off");
    EXPECT_EQ(rows[4].Choices[0].zh, "D 码");
    EXPECT_EQ(rows[4].Choices[16].zh, "16秒");
}

}  // namespace
}  // namespace kv
