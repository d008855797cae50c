#include "app/startup_settings.h"

#include <gtest/gtest.h>

#include "app/locale_ids.h"

namespace kv {
namespace {

TEST(ParseSettingInt, ReadsSixteenBitNumbersAndRejectsTheRest) {
    struct Case {
        const char* Text;
        std::optional<int> Value;
    };
    const Case cases[] = {
        {"3", 3},
        {" 12 ", 12},
        {"-1", -1},
        {"2.5", 2},
        {"3.5", 4},
        {"32767", 32767},
        {"-32768", -32768},
        {"32768", std::nullopt},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"1,5", std::nullopt},
        {"nan", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseSettingInt(c.Text), c.Value) << c.Text;
}

struct StartCase {
    const char* Name;
    StoredSettings Stored;
    const char* LocaleHex;
    int Language;
    int Port;
    std::vector<SettingsWrite> Writes;
};

TEST(ApplyStartupSettings, ChoosesLanguageAndPortAndSaysWhatToWrite) {
    const StartCase cases[] = {
        {"first run on a Simplified Chinese system",
         {"1", "3", "0", "1", "1"},
         "804",
         kLanguageChinese,
         3,
         {{"IsFirstRun", "0"}, {"comPort", "3"}, {"CurrentLanguage", "2"}}},
        {"first run on a Traditional Chinese system",
         {"1", "1", "0", "1", "2"},
         "404",
         kLanguageEnglish,
         1,
         {{"IsFirstRun", "0"}, {"comPort", "1"}, {"CurrentLanguage", "1"}}},
        {"the file's language wins after the first run",
         {"0", "2", "0", "1", "1"},
         "804",
         kLanguageEnglish,
         2,
         {{"comPort", "2"}, {"CurrentLanguage", "1"}}},
        {"no settings file at all",
         {},
         "409",
         kLanguageEnglish,
         1,
         {{"IsFirstRun", "0"}, {"comPort", "1"}, {"CurrentLanguage", "1"}}},
        {"a language with no texts counts as missing",
         {"0", "1", "0", "1", "3"},
         "804",
         kLanguageChinese,
         1,
         {{"comPort", "1"}, {"CurrentLanguage", "2"}}},
        {"values that are not numbers fall back",
         {"yes", "COM3", "x", "y", "English"},
         "407",
         kLanguageEnglish,
         1,
         {{"IsFirstRun", "0"}, {"comPort", "1"}, {"CurrentLanguage", "1"}}},
    };
    for (const auto& c : cases) {
        AppState state;
        state.SystemLocaleHex = c.LocaleHex;
        EXPECT_EQ(ApplyStartupSettings(c.Stored, state), c.Writes) << c.Name;
        EXPECT_EQ(state.CurrentLanguage, c.Language) << c.Name;
        EXPECT_EQ(state.LanguageShownByMainWindow, c.Language) << c.Name;
        EXPECT_EQ(state.SystemLanguage, LanguageForLocaleHex(c.LocaleHex)) << c.Name;
        EXPECT_EQ(state.comPort, c.Port) << c.Name;
    }
}

TEST(ApplyStartupSettings, KeepsHandshakingAndStopBitWithTheirFallbacks) {
    AppState state;
    ApplyStartupSettings({"0", "1", "2", "0", "1"}, state);
    EXPECT_EQ(state.Handshaking, 2);
    EXPECT_EQ(state.StopBit, 0);
    ApplyStartupSettings({"0", "1", std::nullopt, "two", "1"}, state);
    EXPECT_EQ(state.Handshaking, 0);
    EXPECT_EQ(state.StopBit, 1);
}

}  // namespace
}  // namespace kv
