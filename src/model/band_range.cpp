// The band range texts and the limits parsed from the text in force.
#include "model/band_range.h"

#include "model/numeric_text.h"

namespace kv {

std::string BandRangeTextFor(int bandMode) {
    switch (bandMode) {
        case 0:
            return kBandRangeTexts[kBandHf];
        case 1:
            return "28.0000 - 29.6950 MHz";
        default:
            return kStartupBandRangeText;
    }
}

void ParseBandRange(Document& doc) {
    constexpr double kDefaultMin = 100.0;
    constexpr double kDefaultMax = 500.0;
    const std::string_view text = doc.BandRangeText;
    const std::size_t dash = text.find(" - ");
    if (dash == std::string_view::npos) {
        doc.FreqMin = kDefaultMin;
        doc.FreqMax = kDefaultMax;
        return;
    }
    const std::size_t mhz = text.find(" MHz", dash);
    const std::string_view upper = text.substr(
        dash + 3, mhz == std::string_view::npos ? std::string_view::npos : mhz - (dash + 3));
    doc.FreqMin = ParseNumber(text.substr(0, dash)).value_or(kDefaultMin);
    doc.FreqMax = ParseNumber(upper).value_or(kDefaultMax);
}

}  // namespace kv
