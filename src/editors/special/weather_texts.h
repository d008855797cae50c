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

// The entries of the list over grid column 2 (option), 3 (bandwidth) or 4 (scan); empty for
// any other column.
const std::vector<TextPair>& WeatherColumnEntries(int column);
// The object name of that list: Combo2, Combo3, Combo4.
const char* WeatherColumnListName(int column);

// Header texts of grid columns 0 to 4 (column 2 is hidden and has none).
const TextPair& WeatherHeaderText(int column);
const TextPair& WeatherWindowCaption();
// Shown when a committed frequency is not a number; the cell keeps its channel.
const TextPair& WeatherFreqNotNumberText();

}  // namespace kv
