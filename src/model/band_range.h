// The band range texts, all in one table: the text the band selector sets for each band, the text
// start-up sets, the text an opened file's BandMode stands for, the range class that names the
// template files and the radio identity, and the two limits parsed from the text in force.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/document.h"
#include "model/group_arrays.h"

namespace kv {

// The range text the band selector sets for each band, indexed by BandMode.
inline constexpr std::array<const char*, kBandCount> kBandRangeTexts = {
    "26.96500 - 27.86125 MHz",
    "24.7150 - 30.1050 MHz",
    "28.0000 - 29.7000 MHz",
};

// The range text start-up sets before it builds the defaults.
inline constexpr const char* kStartupBandRangeText = "28.0000 - 29.6990 MHz";

// The range text an opened file's BandMode stands for: the HF text for 0, the earlier program's
// own texts otherwise.
std::string BandRangeTextFor(int bandMode);

// 0 when the text is exactly the HF range text, 1 for any other text. The template digit and the
// radio identity's range class follow the text, not BandMode.
inline int BandRangeClass(std::string_view rangeText) {
    return rangeText == kBandRangeTexts[kBandHf] ? 0 : 1;
}

// The two limits of a band in MHz, both inclusive.
struct FreqLimits {
    double min = 0.0;
    double max = 0.0;
};

// The limits a range text ("lower - upper MHz") gives. A text without " - " gives 100 to 500 MHz;
// a limit that is not a number gives 100 (lower) or 500 (upper).
FreqLimits ParseRangeText(std::string_view text);

// Reads doc.BandRangeText into doc.FreqMin and doc.FreqMax, as ParseRangeText does.
void ParseBandRange(Document& doc);

// The limits of a band as its range text gives them (HF 24.715–30.105, HAM 28.0–29.7 MHz),
// whatever range text is in force; 100 to 500 MHz for a number that is not a band.
FreqLimits BandLimits(int band);

}  // namespace kv
