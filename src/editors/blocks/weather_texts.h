// The weather window's texts in both languages: its seven settings lists, the lists over the
// grid's columns, the grid headers and its messages.
#pragma once

#include <span>
#include <vector>

#include "model/config_record.h"
#include "model/text_pair.h"

namespace kv {

struct WeatherSettingRow {
    const char* ListName;   // object name of the list
    const char* LabelName;  // object name of its label
    TextPair Caption;
    // The entries; empty for the current-channel list, which lists the channels in use.
    std::vector<TextPair> Entries;
    i16 RadioSettings::*Member;
};

// In the order the window shows them; the current-channel list is the second row.
std::span<const WeatherSettingRow> WeatherSettingRows();
inline constexpr const char* kCurrentWeatherList = "Combo1";

// One column of the weather grid: its header, the record member it shows, the list over it
// (entries and object name) and its width. The label column (CH No.) and the frequency column
// have no member and no list; the option column is stored but hidden.
struct WeatherColumn {
    TextPair Header;
    i16 WeatherRecord::*Member;            // nullptr for the label and frequency columns
    const std::vector<TextPair>* Entries;  // nullptr for columns edited without a list
    const char* ListName;                  // object name of the list over the column; "" if none
    int WidthTwips;                        // 0: hidden
};
inline constexpr int kWeatherLabelColumn = 0;
inline constexpr int kWeatherFrequencyColumn = 1;

// The grid's columns, left to right.
std::span<const WeatherColumn> WeatherColumns();
// Column `column` of the grid; nullptr outside it.
const WeatherColumn* WeatherColumnAt(int column);

const TextPair& WeatherWindowCaption();
// Shown when a committed frequency is not a number; the cell keeps its channel.
const TextPair& WeatherFreqNotNumberText();

}  // namespace kv
