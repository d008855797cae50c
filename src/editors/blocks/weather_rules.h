// Rules of the weather channel window: checking a typed frequency against the receiver's range
// and rasters, committing a grid cell to a weather record, and the current-channel list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/config_record.h"

namespace kv {

inline constexpr double kWeatherFreqMin = 136.0;
inline constexpr double kWeatherFreqMax = 174.0;
// Weather channel 41 is the receiver's VFO: edited like the others, never a current channel.
inline constexpr int kWeatherVfoChannel = kWeatherCount;

// f unchanged when it lies on the 5 kHz or the 6.25 kHz raster, otherwise rounded down to the
// 5 kHz raster.
double TV_CH_Step(double mhz);

// The frequency a typed text stands for, as decimal text: below 136 MHz it becomes 136, above
// 174 it becomes 174, in between it is put on a raster by TV_CH_Step. "" when the text is not a
// number made of the digits and at most one point the frequency box accepts.
std::string TV_CH_CheckFre(std::string_view text);

// The frequency as the grid shows it, "000.00000".
std::string FormatWeatherFreq(double mhz);

// Weather channel n (1 to 41).
WeatherRecord& WeatherChannel(RadioSettings& settings, int channel);
const WeatherRecord& WeatherChannel(const RadioSettings& settings, int channel);

// The grid's text of a cell: column 0 the row label, 1 the frequency, 2 the option, 3 the
// bandwidth, 4 the scan state; columns 1 to 4 are empty for a channel not in use.
std::string WeatherCellText(const RadioSettings& settings, int channel, int column, int language);

enum class WeatherCommit {
    Unchanged,   // nothing changed
    Created,     // the channel now exists, Wide, option 0
    Changed,     // a value of the channel changed
    Removed,     // the channel no longer exists
    NotANumber,  // refused; the channel is as it was
};

// Commits the text typed into channel n's frequency cell. An empty text removes the channel; a
// text equal to the one shown changes nothing; a new channel gets option 0 and Wide, an existing
// one keeps them and only takes the new frequency.
WeatherCommit CommitWeatherFrequency(RadioSettings& settings, int channel, std::string_view typed);

// Commits the position picked in the list over column 2 (option), 3 (bandwidth) or 4 (scan).
WeatherCommit CommitWeatherColumn(RadioSettings& settings, int channel, int column, int position);

// Stores the position picked in a settings list of `count` entries into `member`.
WeatherCommit CommitWeatherSetting(RadioSettings& settings, i16 RadioSettings::*member,
                                   int position, int count);

// Stores the entry picked in the current-channel list: its number − 1; an entry that is not a
// number counts as channel 1.
WeatherCommit CommitCurrentWeatherChannel(RadioSettings& settings, std::string_view entry);

// Channels 1 to 40 in use, ascending: what the current-channel list offers.
std::vector<int> CurrentWeatherChannels(const RadioSettings& settings);

}  // namespace kv
