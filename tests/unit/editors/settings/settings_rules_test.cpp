// The settings rows without a window: what a stored value shows, what a picked entry, a ticked box
// or a committed text stores, the dependencies and the device name checks.
#include "editors/settings/settings_rules.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "codec/code_page.h"
#include "model/channel_store.h"
#include "unit/editors/settings/setting_members.h"

namespace kv {
namespace {

using test::StoredIn;
using test::StoreIn;

const SettingRow& Row(const char* name) {
    const SettingRow* row = FindSettingRow(name);
    EXPECT_NE(row, nullptr) << name;
    return *row;
}

int EntryWithText(const ChoiceList& choices, const std::string& text) {
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].Text.en == text) return static_cast<int>(i);
    return -1;
}

TEST(SettingRows, ListsHoldTheEntriesOfTheirRows) {
    struct Case {
        const char* row;
        bool option;
        std::size_t count;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {"Tot", false, 61, "Off", "600s"},          {"MicGain", false, 45, "1", "45"},
        {"AsqEnabled", false, 2, "Off", "On"},      {"TalkBack", false, 33, "Off", "32"},
        {"Squelch", false, 80, "Off", "79"},        {"RfGain", false, 18, "Max", "-48db"},
        {"CwFreq", false, 226, "300", "2550"},      {"CwBreakIn", false, 101, "Off", "1000ms"},
        {"VolData", false, 64, "1", "64"},          {"KeyP1", false, 18, "Off", "MODE SET"},
        {"KeyP1", true, 19, "Off", "MODE SET"},     {"BtHoldTime", false, 34, "Off", "Infinite"},
        {"BtHoldDelay", false, 11, "30ms", "5.5S"}, {"BtPttSleep", false, 5, "Infinity", "4 min"},
    };
    const auto config = std::make_unique<ConfigRecord>();
    for (const Case& c : cases) {
        const ChoiceList choices = SettingChoices(Row(c.row), *config, {c.option});
        ASSERT_EQ(choices.size(), c.count) << c.row;
        EXPECT_EQ(choices.front().Text.en, c.first) << c.row;
        EXPECT_EQ(choices.back().Text.en, c.last) << c.row;
    }
}

TEST(SettingRows, OffIsTranslatedWhereTheListSaysSo) {
    const auto config = std::make_unique<ConfigRecord>();
    struct Case {
        const char* row;
        const char* chineseFirst;
    };
    for (const Case& c :
         {Case{"Tot", "关"}, Case{"CwOffset", "关"}, Case{"BtOn", "关"}, Case{"AsqEnabled", "Off"},
          Case{"CwBreakIn", "Off"}, Case{"HfUseVfo", "Off"}, Case{"KeyP1", "Off"}})
        EXPECT_EQ(SettingChoices(Row(c.row), *config, {}).front().Text.zh, c.chineseFirst) << c.row;
    EXPECT_EQ(SettingChoices(Row("ScanType"), *config, {}).back().Text.zh, "时间扫描");
}

// Stored value → shown entry → picked entry → stored value, for every kind of row.
TEST(SettingRows, StoredValueShowsItsEntryAndAPickStoresTheEntrysValue) {
    struct Case {
        const char* row;
        bool option;
        int bandMode;
        int stored;
        const char* shown;  // the entry the stored value shows; "" none (the value is shown)
        const char* pick;   // the entry the user then picks
        int storedAfter;
    };
    const Case cases[] = {
        // Positions.
        {"Tot", false, kBandCb, 0, "Off", "10s", 1},
        {"Tot", false, kBandCb, 60, "600s", "Off", 0},
        {"Tot", false, kBandCb, 61, "", "600s", 60},  // outside the list: no entry
        {"Tot", false, kBandCb, -3, "", "Off", 0},
        {"VfoStep", false, kBandCb, 6, "1M", "5K", 3},
        {"BtHoldTime", false, kBandCb, 33, "Infinite", "60S", 31},
        {"ChVolKind", false, kBandCb, 1, "VOL", "CH", 0},
        // Rows whose entries count from 1: entry n still stores n.
        {"MicGain", false, kBandCb, 0, "1", "45", 44},
        {"MicGain", false, kBandCb, 45, "", "2", 1},
        {"VoxDelay", false, kBandCb, 8, "9", "1", 0},
        {"EchoTime", false, kBandCb, 31, "32", "3", 2},
        // CW Freq: tens of hertz, entry n is n + 30.
        {"CwFreq", false, kBandCb, 30, "300", "2550", 255},
        {"CwFreq", false, kBandCb, 70, "700", "310", 31},
        {"CwFreq", false, kBandCb, 29, "", "300", 30},
        {"CwFreq", false, kBandCb, 0, "", "1000", 100},
        // Key functions: the number in the full table, whatever the position on screen.
        {"KeyP1", false, kBandCb, 3, "NB.ANL", "NB.ANL", 3},
        {"KeyP1", false, kBandCb, 18, "MODE SET", "VOX", 1},
        {"KeyP2", true, kBandCb, 2, "VFO", "ECHO", 5},
        {"KeyP3", true, kBandCb, 3, "NB.ANL", "VFO", 2},
        {"KeyP4", false, kBandCb, 2, "VFO", "10K", 4},  // kept "VFO" entry
        {"KeyP4", false, kBandCb, 2, "VFO", "VFO", 2},
        {"PfKey", false, kBandCb, 19, "", "TONE", 14},
        {"PfKey", false, kBandCb, -1, "", "Off", 0},
        // The clarifier offers T and RT only outside CB.
        {"Clarifier", false, kBandCb, 3, "", "R", 1},
        {"Clarifier", false, kBandHf, 3, "RT", "T", 2},
        {"Clarifier", false, kBandHam, 1, "R", "Off", 0},
    };
    for (const Case& c : cases) {
        auto config = std::make_unique<ConfigRecord>();
        config->BandMode = static_cast<i16>(c.bandMode);
        const SettingRow& row = Row(c.row);
        StoreIn(*config, c.row, c.stored);
        const SettingsView view{c.option};
        const ChoiceList choices = SettingChoices(row, *config, view);
        const int shown = ShownSettingChoice(row, *config, view);
        if (*c.shown == '\0') {
            EXPECT_EQ(shown, -1) << c.row << " " << c.stored;
        } else {
            ASSERT_GE(shown, 0) << c.row << " " << c.stored;
            EXPECT_EQ(choices[static_cast<std::size_t>(shown)].Text.en, c.shown)
                << c.row << " " << c.stored;
        }
        EXPECT_EQ(StoredIn(*config, c.row), c.stored) << "showing stores nothing";
        const int pick = EntryWithText(choices, c.pick);
        ASSERT_GE(pick, 0) << c.row << " offers no " << c.pick;
        EXPECT_TRUE(StoreSettingChoice(row, *config, view, pick));
        EXPECT_EQ(StoredIn(*config, c.row), c.storedAfter) << c.row << " " << c.pick;
    }
}

TEST(SettingRows, VfoIsOfferedOnlyWithTheOptionOrWhileAKeyHoldsIt) {
    auto config = std::make_unique<ConfigRecord>();
    const SettingRow& key = Row("KeyP1");
    config->Settings.KeyP1 = 2;
    EXPECT_EQ(EntryWithText(SettingChoices(key, *config, {false}), "VFO"), 2);
    ASSERT_TRUE(StoreSettingChoice(key, *config, {false}, 3));  // "NB.ANL" in that list
    EXPECT_EQ(config->Settings.KeyP1, 3);
    EXPECT_EQ(EntryWithText(SettingChoices(key, *config, {false}), "VFO"), -1);
    EXPECT_EQ(EntryWithText(SettingChoices(key, *config, {true}), "VFO"), 2);
    EXPECT_EQ(EntryWithText(SettingChoices(Row("KeyP2"), *config, {false}), "VFO"), -1);
}

TEST(SettingRows, AnEntryOutsideTheListStoresNothing) {
    auto config = std::make_unique<ConfigRecord>();
    config->Settings.Tot = 7;
    EXPECT_FALSE(StoreSettingChoice(Row("Tot"), *config, {}, 61));
    EXPECT_FALSE(StoreSettingChoice(Row("Tot"), *config, {}, -1));
    EXPECT_EQ(config->Settings.Tot, 7);
}

TEST(SettingRows, EveryRowReachesItsOwnField) {
    // Storing the last entry of each list changes that row's field and nothing else.
    for (const SettingRow& row : SettingRows()) {
        if (row.Kind != SettingKind::List) continue;
        auto config = std::make_unique<ConfigRecord>();
        const auto before = std::make_unique<ConfigRecord>(*config);
        const ChoiceList choices = SettingChoices(row, *config, {true});
        ASSERT_TRUE(StoreSettingChoice(row, *config, {true}, static_cast<int>(choices.size()) - 1));
        EXPECT_EQ(StoredSettingValue(row, *config), choices.back().Value) << row.Name;
        row.Field->set(*config, 0);
        EXPECT_TRUE(*config == *before) << row.Name << " wrote another field";
    }
}

TEST(SettingChecks, ValuesOtherThanZeroShowTickedAndTheLastModeStaysTicked) {
    auto config = std::make_unique<ConfigRecord>();
    config->Settings.SwrProtect = 5;
    EXPECT_TRUE(IsSettingTicked(Row("SwrProtect"), *config));
    EXPECT_FALSE(StoreSettingCheck(Row("SwrProtect"), *config, false));
    EXPECT_EQ(config->Settings.SwrProtect, 0);

    // Only CW (document index 4) ticked: unticking it keeps it and stores 1.
    config->ModeEnable = {0, 0, 0, 0, 7, 0};
    EXPECT_TRUE(StoreSettingCheck(Row("ModeEnableCW"), *config, false));
    EXPECT_EQ(config->ModeEnable[4], 1);
    // With PA (index 5) also ticked, CW can go.
    EXPECT_TRUE(StoreSettingCheck(Row("ModeEnablePA"), *config, true));
    EXPECT_EQ(config->ModeEnable[5], 1);
    EXPECT_FALSE(StoreSettingCheck(Row("ModeEnableCW"), *config, false));
    EXPECT_EQ((config->ModeEnable), (std::array<i16, 6>{0, 0, 0, 0, 0, 1}));
}

TEST(SettingDependencies, FollowTheirControllingValues) {
    struct Case {
        const char* row;
        const char* controller;
        int value;
        bool enabled;
    };
    const Case cases[] = {
        {"VoxDelay", "VoxLevel", 0, false},
        {"VoxDelay", "VoxLevel", 3, true},
        {"VoxDelay", "VoxLevel", 10, true},  // a level outside the list is shown, and is not Off
        {"PfKey", "HandType", 0, true},
        {"PfKey", "HandType", 1, true},
        {"PfKey", "HandType", 2, false},
        {"PfKey", "HandType", 9, false},
        {"KeyP1", "HandType", 1, false},
        {"KeyP4", "HandType", 2, true},
        {"KeyP2", "HandType", -1, true},
        {"SwrLimit", "SwrProtect", 0, false},
        {"SwrLimit", "SwrProtect", 2, true},
        {"BatteryMin", "BatteryProtect", 0, false},
        {"BatteryMax", "BatteryProtect", 1, true},
    };
    for (const Case& c : cases) {
        auto config = std::make_unique<ConfigRecord>();
        StoreIn(*config, c.controller, c.value);
        EXPECT_EQ(IsSettingEnabled(Row(c.row), *config, {}), c.enabled)
            << c.row << " with " << c.controller << " " << c.value;
    }
}

TEST(SettingNumbers, KeyFilterLetsDigitsPointAndEditingKeysThrough) {
    for (char32_t c : {U'0', U'9', U'.', char32_t{8}, char32_t{13}, char32_t{127}})
        EXPECT_TRUE(NumberKeyPasses(c)) << static_cast<int>(c);
    for (char32_t c : {U'a', U'-', U',', U' ', U'e', char32_t{3}, char32_t{22}, char32_t{24},
                       char32_t{0xE9}, char32_t{0x4E2D}})
        EXPECT_FALSE(NumberKeyPasses(c)) << static_cast<int>(c);
}

TEST(SettingNumbers, CommittedTextsAreClampedRoundedOrReplacedByTheDefault) {
    struct Case {
        const char* row;
        const char* text;
        int stored;
        const char* shown;
    };
    const Case cases[] = {
        {"RepeaterOffset", "0", 1, "0.0001"},
        {"RepeaterOffset", "7", 50000, "5.0000"},
        {"RepeaterOffset", "abc", 50000, "5.0000"},
        {"RepeaterOffset", "", 50000, "5.0000"},
        {"RepeaterOffset", "0.6", 6000, "0.6000"},
        {"RepeaterOffset", "1.23456", 12346, "1.2346"},
        {"RepeaterOffset", "-1", 50000, "5.0000"},  // pasted past the key filter
        {"RepeaterOffset", "1e-3", 50000, "5.0000"},
        {"SwrLimit", "3", 30, "3.0"},
        {"SwrLimit", "1", 12, "1.2"},
        {"SwrLimit", "25", 200, "20.0"},
        {"SwrLimit", "x", 200, "20.0"},
        {"SwrLimit", "1.25", 12, "1.2"},  // halves to the even neighbour, shown as stored
        {"SwrLimit", "1.35", 14, "1.4"},
        {"SwrLimit", "2.04", 20, "2.0"},
        {"SwrLimit", "1.2.3", 200, "20.0"},
        {"BatteryMin", "4", 90, "9.0"},
        {"BatteryMin", "13.8", 138, "13.8"},
        {"BatteryMin", "..", 90, "9.0"},
    };
    for (const Case& c : cases) {
        auto config = std::make_unique<ConfigRecord>();
        config->Settings.BatteryMax = 290;
        const SettingRow& row = Row(c.row);
        CommitSettingNumber(row, *config, c.text);
        EXPECT_EQ(StoredIn(*config, c.row), c.stored) << c.row << " '" << c.text << "'";
        EXPECT_EQ(ShownSettingNumber(row, *config), c.shown) << c.row << " '" << c.text << "'";
    }
}

TEST(SettingNumbers, StoredValuesShowWithTheirDecimals) {
    auto config = std::make_unique<ConfigRecord>();
    config->Settings.RepeaterOffset = 65535;
    config->Settings.SwrLimit = -5;
    config->Settings.BatteryMax = 0;
    EXPECT_EQ(ShownSettingNumber(Row("RepeaterOffset"), *config), "6.5535");
    EXPECT_EQ(ShownSettingNumber(Row("SwrLimit"), *config), "-0.5");
    EXPECT_EQ(ShownSettingNumber(Row("BatteryMax"), *config), "0.0");
}

TEST(SettingNumbers, BatteryLimitsAreExchangedWhenMaxEndsBelowMin) {
    struct Case {
        const char* left;
        const char* text;
        int min;
        int max;
        int storedMin;
        int storedMax;
    };
    const Case cases[] = {
        {"BatteryMin", "12", 100, 100, 100, 120}, {"BatteryMin", "12", 90, 100, 100, 120},
        {"BatteryMax", "9.5", 120, 200, 95, 120}, {"BatteryMax", "30", 120, 130, 120, 290},
        {"BatteryMin", "11", 90, 120, 110, 120},
    };
    for (const Case& c : cases) {
        auto config = std::make_unique<ConfigRecord>();
        config->Settings.BatteryMin = static_cast<i16>(c.min);
        config->Settings.BatteryMax = static_cast<i16>(c.max);
        CommitSettingNumber(Row(c.left), *config, c.text);
        EXPECT_EQ(config->Settings.BatteryMin, c.storedMin) << c.left << " " << c.text;
        EXPECT_EQ(config->Settings.BatteryMax, c.storedMax) << c.left << " " << c.text;
    }
}

TEST(DeviceName, StoresWhatTheCodecCanCarryAndRefusesTheRest) {
    const CodecOptions english{"409", &Windows1252()};
    const CodecOptions german{"407", &Windows1252()};
    struct Case {
        std::u16string text;
        const CodecOptions* codec;
        DeviceNameCommit result;
        std::string raw;  // the stored 16 bytes when stored
    };
    const std::u16string euro8(8, u'€');
    const Case cases[] = {
        {u"Handset 1", &english, DeviceNameCommit::Stored, "Handset 1       "},
        {u"Handset   ", &english, DeviceNameCommit::Stored, "Handset         "},
        {u"  lead", &english, DeviceNameCommit::Stored, "  lead          "},
        {u"ABCDEFGHIJKLMNOP", &english, DeviceNameCommit::Stored, "ABCDEFGHIJKLMNOP"},
        {u"ABCDEFGHIJKLMNOPQ", &english, DeviceNameCommit::TooLong, ""},
        {u"Caf\u00e9", &english, DeviceNameCommit::Stored, "Caf\xe9            "},
        // "€" is one byte in the document and the same one byte as the radio receives it.
        {euro8, &english, DeviceNameCommit::Stored, std::string(8, '\x80') + "        "},
        {euro8 + euro8, &english, DeviceNameCommit::Stored, std::string(16, '\x80')},
        {euro8 + euro8, &german, DeviceNameCommit::Stored, std::string(16, '\x80')},
        {euro8 + euro8 + u"€", &english, DeviceNameCommit::TooLong, ""},
        {u"\u4e2d", &english, DeviceNameCommit::Unfit, ""},
        {u"ok?\u0141", &english, DeviceNameCommit::Unfit, ""},
    };
    for (const Case& c : cases) {
        auto config = std::make_unique<ConfigRecord>();
        config->Settings.BtDeviceName.assign("before");
        const std::string before = config->Settings.BtDeviceName.raw();
        EXPECT_EQ(CommitDeviceName(*config, c.text, *c.codec), c.result) << c.raw;
        EXPECT_EQ(config->Settings.BtDeviceName.raw(),
                  c.result == DeviceNameCommit::Stored ? c.raw : before);
    }
}

TEST(DeviceName, AnUnchangedNameKeepsItsBytes) {
    auto config = std::make_unique<ConfigRecord>();
    config->Settings.BtDeviceName.assignPadded("KV", '\0');
    const CodecOptions codec;
    EXPECT_EQ(ShownDeviceName(*config, codec), u"KV");
    EXPECT_EQ(CommitDeviceName(*config, u"KV", codec), DeviceNameCommit::Stored);
    EXPECT_EQ(config->Settings.BtDeviceName.raw(), std::string("KV") + std::string(14, '\0'));
}

}  // namespace
}  // namespace kv
