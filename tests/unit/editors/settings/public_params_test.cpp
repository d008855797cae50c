// The band public parameter rows and the band PUBLIC switches, on a real document.
#include "editors/settings/public_params.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/channel_store.h"

namespace kv {
namespace {

const PublicBand& Band(int band) {
    return PublicBands()[static_cast<std::size_t>(band)];
}

const PublicRow& Row(const std::string& field) {
    for (const PublicRow& row : PublicRows())
        if (row.Field == field) return row;
    ADD_FAILURE() << field;
    return PublicRows().front();
}

std::vector<std::string> Texts(const ChoiceList& choices, int language = kLanguageEnglish) {
    std::vector<std::string> texts;
    for (const Choice& c : choices) texts.push_back(c.Text.in(language));
    return texts;
}

using Strings = std::vector<std::string>;

void DefineCode(ConfigRecord& config, int n, const char* digits) {
    config.Settings.DtmfCodes[static_cast<std::size_t>(n - 1)].assign(digits);
}

void DefineTone(ConfigRecord& config, int n) {
    ToneRecord& tone = config.ToneTable[static_cast<std::size_t>(n - 1)];
    tone.ToneRepeat = 1;
    tone.Steps[13].ToneTime = 5;
}

TEST(PublicRows, FramesShowTheirRowsWithTheCbExceptions) {
    Strings cb;
    Strings hf;
    for (const PublicRow& row : PublicRows()) {
        if (IsPublicRowShown(row, Band(kBandCb)))
            cb.push_back(PublicRowCaption(row, Band(kBandCb)));
        if (IsPublicRowShown(row, Band(kBandHf)))
            hf.push_back(PublicRowCaption(row, Band(kBandHf)));
    }
    EXPECT_EQ(cb, (Strings{"BOT", "EOT", "CALL", "HI-CUT", "NB/ANL", "ECHO", "Chan Rb", "Mode",
                           "Power"}));
    EXPECT_EQ(hf, (Strings{"BOT", "EOT", "CALL", "HI-CUT", "NB/ANL", "ECHO", "+10KHz", "Roger",
                           "Mode", "Power"}));
    EXPECT_EQ(PublicFrameCaption(Band(kBandHam)), (TextPair{"HAM Public", "HAM 公共信道设置"}));
    EXPECT_EQ(Texts(PublicSwitchChoices(), kLanguageChinese), (Strings{"On", "Off"}));
}

TEST(PublicRows, FixedListsInBothLanguages) {
    const auto config = std::make_unique<ConfigRecord>();
    EXPECT_EQ(Texts(PublicChoices(Row("NbAnl"), *config), kLanguageChinese),
              (Strings{"关", "NB", "ANL", "NB/ANL"}));
    EXPECT_EQ(Texts(PublicChoices(Row("Echo"), *config), kLanguageChinese), (Strings{"关", "开"}));
    EXPECT_EQ(Texts(PublicChoices(Row("Mode"), *config)),
              (Strings{"FM", "AM", "USB", "LSB", "PA", "CW"}));
    EXPECT_EQ(Texts(PublicChoices(Row("TxPower"), *config)), (Strings{"Low", "Mid", "High"}));
}

TEST(PublicRows, DtmfAndRogerListsOfferTheDefinedNumbersOnly) {
    auto config = std::make_unique<ConfigRecord>();
    DefineCode(*config, 2, "12#");
    DefineCode(*config, 5, "A");
    config->Settings.DtmfCodes[6].assignPadded("", '\0');
    DefineCode(*config, 9, "   ");
    DefineTone(*config, 3);
    DefineTone(*config, 8);
    config->ToneTable[4].ToneRepeat = 1;         // repeats but no step lasts
    config->ToneTable[5].Steps[0].ToneTime = 1;  // lasts but never repeats
    EXPECT_EQ(Texts(PublicChoices(Row("DtmfBot"), *config)), (Strings{"Off", "2", "5"}));
    EXPECT_EQ(Texts(PublicChoices(Row("RogerBeep"), *config)), (Strings{"Off", "3", "8"}));
}

// Stored value → shown entry → picked entry → stored value.
TEST(PublicRows, StoredValueShowsItsEntryAndAPickStoresTheEntrysValue) {
    struct Case {
        int band;
        const char* field;
        int stored;
        const char* shown;  // "" when no entry holds the stored value
        const char* pick;
        int storedAfter;
    };
    const Case cases[] = {
        {kBandCb, "DtmfBot", 5, "5", "2", 2},
        {kBandCb, "DtmfBot", 3, "", "5", 5},  // code 3 is not defined: no entry, 3 kept
        {kBandHf, "DtmfEot", 5, "5", "Off", 0},
        {kBandHam, "DtmfCall", 17, "", "Off", 0},
        {kBandCb, "RogerBeep", 8, "8", "3", 3},
        {kBandHf, "RogerBeep", 4, "", "8", 8},
        {kBandHam, "HiCut", 1, "On", "Off", 0},
        {kBandHam, "NbAnl", 3, "NB/ANL", "ANL", 2},
        {kBandHf, "NbAnl", 4, "", "NB", 1},
        {kBandHf, "Add10K", 1, "On", "Off", 0},
        {kBandCb, "Mode", 5, "CW", "PA", 4},
        {kBandCb, "Mode", 9, "", "USB", 2},
        {kBandHam, "TxPower", 2, "High", "Mid", 1},
        {kBandHam, "TxPower", 3, "", "Low", 0},
    };
    for (const Case& c : cases) {
        auto config = std::make_unique<ConfigRecord>();
        DefineCode(*config, 2, "1");
        DefineCode(*config, 5, "2");
        DefineTone(*config, 3);
        DefineTone(*config, 8);
        const PublicRow& row = Row(c.field);
        const PublicBand& band = Band(c.band);
        config->Settings.*band.Params.*row.Member = static_cast<i16>(c.stored);
        const Strings texts = Texts(PublicChoices(row, *config));
        const int shown = ShownPublicChoice(row, band, *config);
        if (*c.shown == '\0') {
            EXPECT_EQ(shown, -1) << c.field << " " << c.stored;
        } else {
            ASSERT_GE(shown, 0) << c.field << " " << c.stored;
            EXPECT_EQ(texts[static_cast<std::size_t>(shown)], c.shown)
                << c.field << " " << c.stored;
        }
        EXPECT_EQ(StoredPublicValue(row, band, *config), c.stored);
        const auto pick = std::find(texts.begin(), texts.end(), c.pick) - texts.begin();
        ASSERT_LT(static_cast<std::size_t>(pick), texts.size()) << c.pick;
        ASSERT_TRUE(StorePublicChoice(row, band, *config, static_cast<int>(pick)));
        EXPECT_EQ(StoredPublicValue(row, band, *config), c.storedAfter) << c.field << " " << c.pick;
        // Only this band's block changed.
        for (const PublicBand& other : PublicBands()) {
            if (other.Band == c.band) continue;
            EXPECT_TRUE(config->Settings.*other.Params == PublicParams{}) << other.Prefix;
        }
    }
}

TEST(PublicSwitch, HamOffWritesOneIntoEveryHamSlotIncludingMem) {
    auto data = std::make_unique<RadioData>();
    data->channel(kBandHf, 1, 1).PublicCh = 7;
    ASSERT_TRUE(SwitchBandPublic(*data, Band(kBandHam), 1));
    EXPECT_EQ(data->Config.HamPublic, 1);
    for (int group = 1; group <= 14; ++group)
        for (int slot = 1; slot <= kMaxSlot; ++slot)
            EXPECT_EQ(data->channel(kBandHam, slot, group).PublicCh,
                      slot <= SlotCapacity(kBandHam, group) ? 1 : 0)
                << group << "/" << slot;
    EXPECT_EQ(data->channel(kBandHam, 99, 13).PublicCh, 1);
    EXPECT_EQ(data->channel(kBandHam, 2, 14).PublicCh, 0);
    EXPECT_EQ(data->channel(kBandHf, 1, 1).PublicCh, 7);
    EXPECT_EQ(data->channel(kBandCb, 1, 1).PublicCh, 0);

    // Picking the stored value again changes nothing.
    data->channel(kBandHam, 5, 2).PublicCh = 0;
    EXPECT_FALSE(SwitchBandPublic(*data, Band(kBandHam), 1));
    EXPECT_EQ(data->channel(kBandHam, 5, 2).PublicCh, 0);
}

TEST(PublicSwitch, HfWritesFortySlotsPerGroupAndOneVfoSlot) {
    auto off = std::make_unique<RadioData>();
    ASSERT_TRUE(SwitchBandPublic(*off, Band(kBandHf), 1));
    EXPECT_EQ(off->channel(kBandHf, 40, 14).PublicCh, 1);
    EXPECT_EQ(off->channel(kBandHf, 41, 14).PublicCh, 0);
    EXPECT_EQ(off->channel(kBandHf, 99, 16).PublicCh, 1);
    EXPECT_EQ(off->channel(kBandHf, 1, 17).PublicCh, 1);
    EXPECT_EQ(off->channel(kBandHf, 2, 17).PublicCh, 0);
    EXPECT_EQ(off->Config.HfPublic, 1);
}

TEST(PublicSwitch, CbCoversAllEightySlotsOfGroupThree) {
    auto data = std::make_unique<RadioData>();
    ASSERT_TRUE(SwitchBandPublic(*data, Band(kBandCb), 1));
    EXPECT_EQ(data->channel(kBandCb, 80, 3).PublicCh, 1);
    EXPECT_EQ(data->channel(kBandCb, 41, 3).PublicCh, 1);
    EXPECT_EQ(data->channel(kBandCb, 41, 2).PublicCh, 0);
    EXPECT_EQ(data->channel(kBandCb, 40, 7).PublicCh, 1);
    EXPECT_EQ(data->Config.CbPublic, 1);
}

TEST(PublicSwitch, OnlyCbCanBeChangedWithoutTheRadiosOption) {
    EXPECT_TRUE(IsPublicBandEnabled(Band(kBandCb), false));
    EXPECT_FALSE(IsPublicBandEnabled(Band(kBandHf), false));
    EXPECT_FALSE(IsPublicBandEnabled(Band(kBandHam), false));
    EXPECT_TRUE(IsPublicBandEnabled(Band(kBandHam), true));
}

}  // namespace
}  // namespace kv
