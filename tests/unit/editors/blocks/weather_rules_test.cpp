#include "editors/blocks/weather_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "model/text_pair.h"

namespace kv {
namespace {

TEST(TV_CH_CheckFre, ClampsAndPutsOnRaster) {
    const struct {
        const char* typed;
        const char* expected;
    } cases[] = {
        {"162.55", "162.55"},
        {"162.5525", "162.55"},
        {"162.55625", "162.55625"},
        {"162.556", "162.555"},
        {"100", "136"},
        {"200", "174"},
        {"136", "136"},
        {"174", "174"},
        {"173.99999", "173.995"},
        {" 150.0125 ", "150.0125"},
        {"0", "136"},
        {"99999999999999999", "174"},
        {"", ""},
        {".", ""},
        {"1.2.3", ""},
        {"abc", ""},
        {"162,55", ""},
        {"-150", ""},
        {"1e2", ""},
        {"162.5 5", ""},
        {"inf", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(TV_CH_CheckFre(c.typed), c.expected) << c.typed;
}

TEST(TV_CH_Step, KeepsBothRastersAndRoundsDownOtherwise) {
    EXPECT_DOUBLE_EQ(TV_CH_Step(162.55), 162.55);
    EXPECT_DOUBLE_EQ(TV_CH_Step(162.55625), 162.55625);
    EXPECT_DOUBLE_EQ(TV_CH_Step(162.55624), 162.555);
    EXPECT_DOUBLE_EQ(TV_CH_Step(162.5599), 162.555);
}

TEST(FormatWeatherFreq, ThreeIntegerAndFiveDecimalDigits) {
    EXPECT_EQ(FormatWeatherFreq(162.55), "162.55000");
    EXPECT_EQ(FormatWeatherFreq(162.55625), "162.55625");
    EXPECT_EQ(FormatWeatherFreq(0.0), "000.00000");
    EXPECT_EQ(FormatWeatherFreq(28.015), "028.01500");
}

WeatherRecord Channel(i16 inUse, double mhz, i16 option, i16 bandwidth, i16 scan) {
    WeatherRecord r;
    r.WxInUse = inUse;
    r.WxFrequency = mhz;
    r.WxOption = option;
    r.WxBandwidth = bandwidth;
    r.WxScan = scan;
    return r;
}

TEST(CommitWeatherFrequency, CreatesChangesRemovesOrRefuses) {
    const struct {
        const char* what;
        WeatherRecord before;
        const char* typed;
        WeatherCommit outcome;
        WeatherRecord after;
    } cases[] = {
        {"new channel is Wide, option 0, scan kept", Channel(0, 0, 1, 0, 1), "162.55",
         WeatherCommit::Created, Channel(1, 162.55, 0, 1, 1)},
        {"new channel on the 5 kHz raster", Channel(0, 0, 0, 0, 0), "162.5525",
         WeatherCommit::Created, Channel(1, 162.55, 0, 1, 0)},
        {"existing channel keeps option and bandwidth", Channel(1, 150.0, 1, 0, 1), "162.55625",
         WeatherCommit::Changed, Channel(1, 162.55625, 1, 0, 1)},
        {"the text shown changes nothing", Channel(1, 150.0, 1, 0, 1), "150.00000",
         WeatherCommit::Unchanged, Channel(1, 150.0, 1, 0, 1)},
        {"the same value changes nothing", Channel(1, 150.0, 1, 0, 1), "150",
         WeatherCommit::Unchanged, Channel(1, 150.0, 1, 0, 1)},
        {"empty removes", Channel(1, 150.0, 1, 0, 1), "", WeatherCommit::Removed,
         Channel(0, 150.0, 1, 0, 1)},
        {"blanks remove", Channel(1, 150.0, 1, 0, 1), "  ", WeatherCommit::Removed,
         Channel(0, 150.0, 1, 0, 1)},
        {"empty on an empty row changes nothing", Channel(0, 0, 0, 0, 0), "",
         WeatherCommit::Unchanged, Channel(0, 0, 0, 0, 0)},
        {"not a number keeps the channel", Channel(1, 150.0, 1, 0, 1), "15.0.1",
         WeatherCommit::NotANumber, Channel(1, 150.0, 1, 0, 1)},
        {"not a number creates nothing", Channel(0, 0, 0, 0, 0), "x", WeatherCommit::NotANumber,
         Channel(0, 0, 0, 0, 0)},
        {"too low becomes 136", Channel(1, 150.0, 0, 1, 0), "100", WeatherCommit::Changed,
         Channel(1, 136.0, 0, 1, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto settings = std::make_unique<RadioSettings>();
        WeatherChannel(*settings, 3) = c.before;
        EXPECT_EQ(CommitWeatherFrequency(*settings, 3, c.typed), c.outcome);
        EXPECT_EQ(WeatherChannel(*settings, 3), c.after);
        EXPECT_EQ(WeatherChannel(*settings, 2), WeatherRecord{});
        EXPECT_EQ(WeatherChannel(*settings, 4), WeatherRecord{});
    }
}

// A damaged file can hold a frequency the cell cannot show; clearing the cell still removes it.
TEST(CommitWeatherFrequency, EmptyRemovesAChannelShownEmpty) {
    auto settings = std::make_unique<RadioSettings>();
    WeatherChannel(*settings, 9) = Channel(1, std::numeric_limits<double>::quiet_NaN(), 0, 1, 0);
    ASSERT_EQ(WeatherCellText(*settings, 9, 1, kLanguageEnglish), "");
    EXPECT_EQ(CommitWeatherFrequency(*settings, 9, ""), WeatherCommit::Removed);
    EXPECT_EQ(WeatherChannel(*settings, 9).WxInUse, 0);
}

TEST(CommitWeatherFrequency, OutsideTheGridChangesNothing) {
    auto settings = std::make_unique<RadioSettings>();
    const auto before = settings->WeatherChannels;
    EXPECT_EQ(CommitWeatherFrequency(*settings, 0, "150"), WeatherCommit::Unchanged);
    EXPECT_EQ(CommitWeatherFrequency(*settings, 42, "150"), WeatherCommit::Unchanged);
    EXPECT_EQ(CommitWeatherColumn(*settings, 42, 3, 1), WeatherCommit::Unchanged);
    EXPECT_EQ(settings->WeatherChannels, before);
}

TEST(CommitWeatherColumn, StoresPositionsTheListHas) {
    auto settings = std::make_unique<RadioSettings>();
    WeatherChannel(*settings, 5) = Channel(1, 150.0, 0, 0, 0);
    EXPECT_EQ(CommitWeatherColumn(*settings, 5, 2, 1), WeatherCommit::Changed);
    EXPECT_EQ(CommitWeatherColumn(*settings, 5, 3, 1), WeatherCommit::Changed);
    EXPECT_EQ(CommitWeatherColumn(*settings, 5, 4, 1), WeatherCommit::Changed);
    EXPECT_EQ(WeatherChannel(*settings, 5), Channel(1, 150.0, 1, 1, 1));
    EXPECT_EQ(CommitWeatherColumn(*settings, 5, 4, 1), WeatherCommit::Unchanged);
    EXPECT_EQ(CommitWeatherColumn(*settings, 5, 3, 2), WeatherCommit::Unchanged);
    EXPECT_EQ(CommitWeatherColumn(*settings, 5, 3, -1), WeatherCommit::Unchanged);
    EXPECT_EQ(CommitWeatherColumn(*settings, 5, 1, 0), WeatherCommit::Unchanged);
    EXPECT_EQ(WeatherChannel(*settings, 5), Channel(1, 150.0, 1, 1, 1));
}

TEST(WeatherCellText, RowsShowChannelsInUse) {
    auto settings = std::make_unique<RadioSettings>();
    WeatherChannel(*settings, 3) = Channel(1, 162.55, 0, 1, 1);
    WeatherChannel(*settings, 4) = Channel(0, 162.55, 0, 1, 1);
    WeatherChannel(*settings, 6) = Channel(1, 162.4, 0, 7, 9);  // values no list has
    const struct {
        int channel;
        int column;
        int language;
        const char* text;
    } cases[] = {
        {3, 0, kLanguageEnglish, "3"},         {41, 0, kLanguageEnglish, "VFO"},
        {3, 1, kLanguageEnglish, "162.55000"}, {3, 2, kLanguageEnglish, "OFF"},
        {3, 3, kLanguageEnglish, "Wide"},      {3, 3, kLanguageChinese, "宽带"},
        {3, 4, kLanguageEnglish, "Add"},       {3, 4, kLanguageChinese, "添加"},
        {4, 0, kLanguageEnglish, "4"},         {4, 1, kLanguageEnglish, ""},
        {4, 3, kLanguageEnglish, ""},          {6, 3, kLanguageEnglish, ""},
        {6, 4, kLanguageEnglish, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WeatherCellText(*settings, c.channel, c.column, c.language), c.text)
            << c.channel << "/" << c.column;
}

TEST(CurrentWeatherChannels, ChannelsInUseWithoutTheVfo) {
    auto settings = std::make_unique<RadioSettings>();
    for (int channel : {40, 3, 41, 17}) WeatherChannel(*settings, channel).WxInUse = 1;
    EXPECT_EQ(CurrentWeatherChannels(*settings), (std::vector<int>{3, 17, 40}));
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

TEST(CommitWeatherSetting, StoresPositionsTheListHas) {
    auto settings = std::make_unique<RadioSettings>();
    settings->WxStep = 12;  // a value no list entry has
    EXPECT_EQ(CommitWeatherSetting(*settings, &RadioSettings::WxStep, 9, 9),
              WeatherCommit::Unchanged);
    EXPECT_EQ(CommitWeatherSetting(*settings, &RadioSettings::WxStep, -1, 9),
              WeatherCommit::Unchanged);
    EXPECT_EQ(settings->WxStep, 12);
    EXPECT_EQ(CommitWeatherSetting(*settings, &RadioSettings::WxStep, 3, 9),
              WeatherCommit::Changed);
    EXPECT_EQ(settings->WxStep, 3);
    EXPECT_EQ(CommitWeatherSetting(*settings, &RadioSettings::WxStep, 3, 9),
              WeatherCommit::Unchanged);
}

TEST(CommitCurrentWeatherChannel, StoresTheNumberLessOne) {
    const struct {
        const char* entry;
        int stored;
    } cases[] = {{"7", 6}, {"40", 39}, {"1", 0}, {"x", 0}, {"", 0}, {"41", 0}, {"7a", 0}};
    for (const auto& c : cases) {
        auto settings = std::make_unique<RadioSettings>();
        settings->WxCurrentChannel = 20;
        EXPECT_EQ(CommitCurrentWeatherChannel(*settings, c.entry), WeatherCommit::Changed);
        EXPECT_EQ(settings->WxCurrentChannel, c.stored) << c.entry;
        EXPECT_EQ(CommitCurrentWeatherChannel(*settings, c.entry), WeatherCommit::Unchanged);
    }
}

}  // namespace
}  // namespace kv
