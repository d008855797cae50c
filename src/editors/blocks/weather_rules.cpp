// Weather window rules.
#include "editors/blocks/weather_rules.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "editors/blocks/weather_texts.h"
#include "model/numeric_text.h"

namespace kv {
namespace {

// The receiver keeps frequencies in units of 10 Hz.
constexpr double kUnitsPerMhz = 100000.0;
constexpr long long k5KHz = 500;
constexpr long long k6_25KHz = 625;

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Digits with at most one point, as the frequency box lets them be typed.
bool IsPlainDecimal(std::string_view text) {
    int digits = 0;
    int points = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

bool ValidChannel(int channel) {
    return channel >= 1 && channel <= kWeatherCount;
}

// The list entry a member of `column` holds, as the grid shows it; "" for a value outside the
// list.
std::string EntryText(const WeatherColumn& column, i16 value, int language) {
    if (column.Entries == nullptr || value < 0 || value >= static_cast<int>(column.Entries->size()))
        return {};
    return (*column.Entries)[value].in(language);
}

}  // namespace

double TV_CH_Step(double mhz) {
    const long long units = std::llround(mhz * kUnitsPerMhz);
    // On a raster the value is kept, held to the 10 Hz the receiver stores.
    if (units % k5KHz == 0 || units % k6_25KHz == 0) return units / kUnitsPerMhz;
    return (units - units % k5KHz) / kUnitsPerMhz;
}

std::string TV_CH_CheckFre(std::string_view text) {
    text = Trimmed(text);
    if (!IsPlainDecimal(text)) return {};
    const auto value = ParseNumber(text);
    if (!value) return {};
    double f = *value;
    if (f < kWeatherFreqMin)
        f = kWeatherFreqMin;
    else if (f > kWeatherFreqMax)
        f = kWeatherFreqMax;
    else
        f = TV_CH_Step(f);
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, f);
    return std::string(buffer, result.ptr);
}

std::string FormatWeatherFreq(double mhz) {
    if (!std::isfinite(mhz)) return {};
    char buffer[48];
    if (mhz >= 0.0 && mhz < 1e6) {
        const long long units = std::llround(mhz * kUnitsPerMhz);
        std::snprintf(buffer, sizeof buffer, "%03lld.%05lld", units / 100000, units % 100000);
    } else {
        std::snprintf(buffer, sizeof buffer, "%09.5f", mhz);
    }
    return buffer;
}

WeatherRecord& WeatherChannel(RadioSettings& settings, int channel) {
    return settings.WeatherChannels.at(static_cast<std::size_t>(channel - 1));
}

const WeatherRecord& WeatherChannel(const RadioSettings& settings, int channel) {
    return settings.WeatherChannels.at(static_cast<std::size_t>(channel - 1));
}

std::string WeatherCellText(const RadioSettings& settings, int channel, int column, int language) {
    if (!ValidChannel(channel)) return {};
    if (column == 0) return channel == kWeatherVfoChannel ? "VFO" : std::to_string(channel);
    const WeatherRecord& record = WeatherChannel(settings, channel);
    const WeatherColumn* shown = WeatherColumnAt(column);
    if (record.WxInUse != 1 || shown == nullptr) return {};
    if (column == kWeatherFrequencyColumn) return FormatWeatherFreq(record.WxFrequency);
    return shown->Member == nullptr ? std::string()
                                    : EntryText(*shown, record.*(shown->Member), language);
}

WeatherCommit CommitWeatherFrequency(RadioSettings& settings, int channel, std::string_view typed) {
    if (!ValidChannel(channel)) return WeatherCommit::Unchanged;
    typed = Trimmed(typed);
    WeatherRecord& record = WeatherChannel(settings, channel);
    // Empty first: a channel whose stored frequency cannot be shown has an empty cell too.
    if (typed.empty()) {
        if (record.WxInUse != 1) return WeatherCommit::Unchanged;
        record.WxInUse = 0;
        return WeatherCommit::Removed;
    }
    if (typed == WeatherCellText(settings, channel, 1, kLanguageEnglish))
        return WeatherCommit::Unchanged;
    const auto value = ParseNumber(TV_CH_CheckFre(typed));
    if (!value) return WeatherCommit::NotANumber;
    if (record.WxInUse != 1) {
        record.WxInUse = 1;
        record.WxOption = 0;
        record.WxBandwidth = 1;
        record.WxFrequency = *value;
        return WeatherCommit::Created;
    }
    if (record.WxFrequency == *value) return WeatherCommit::Unchanged;
    record.WxFrequency = *value;
    return WeatherCommit::Changed;
}

WeatherCommit CommitWeatherColumn(RadioSettings& settings, int channel, int column, int position) {
    if (!ValidChannel(channel)) return WeatherCommit::Unchanged;
    const WeatherColumn* edited = WeatherColumnAt(column);
    if (edited == nullptr || edited->Member == nullptr || edited->Entries == nullptr)
        return WeatherCommit::Unchanged;
    i16& member = WeatherChannel(settings, channel).*(edited->Member);
    const int size = static_cast<int>(edited->Entries->size());
    if (position < 0 || position >= size || member == position) return WeatherCommit::Unchanged;
    member = static_cast<i16>(position);
    return WeatherCommit::Changed;
}

WeatherCommit CommitWeatherSetting(RadioSettings& settings, i16 RadioSettings::*member,
                                   int position, int count) {
    if (position < 0 || position >= count || settings.*member == position)
        return WeatherCommit::Unchanged;
    settings.*member = static_cast<i16>(position);
    return WeatherCommit::Changed;
}

WeatherCommit CommitCurrentWeatherChannel(RadioSettings& settings, std::string_view entry) {
    int number = 1;
    entry = Trimmed(entry);
    const auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), number);
    if (error != std::errc() || end != entry.data() + entry.size() || number < 1 ||
        number >= kWeatherVfoChannel)
        number = 1;
    if (settings.WxCurrentChannel == number - 1) return WeatherCommit::Unchanged;
    settings.WxCurrentChannel = static_cast<i16>(number - 1);
    return WeatherCommit::Changed;
}

std::vector<int> CurrentWeatherChannels(const RadioSettings& settings) {
    std::vector<int> channels;
    for (int channel = 1; channel < kWeatherVfoChannel; ++channel)
        if (WeatherChannel(settings, channel).WxInUse == 1) channels.push_back(channel);
    return channels;
}

}  // namespace kv
