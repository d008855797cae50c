// The band range texts and the limits parsed from them.
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

FreqLimits ParseRangeText(std::string_view text) {
    constexpr double kDefaultMin = 100.0;
    constexpr double kDefaultMax = 500.0;
    const std::size_t dash = text.find(" - ");
    if (dash == std::string_view::npos) return {kDefaultMin, kDefaultMax};
    const std::size_t mhz = text.find(" MHz", dash);
    const std::string_view upper = text.substr(
        dash + 3, mhz == std::string_view::npos ? std::string_view::npos : mhz - (dash + 3));
    return {ParseNumber(text.substr(0, dash)).value_or(kDefaultMin),
            ParseNumber(upper).value_or(kDefaultMax)};
}

void ParseBandRange(Document& doc) {
    const FreqLimits limits = ParseRangeText(doc.BandRangeText);
    doc.FreqMin = limits.min;
    doc.FreqMax = limits.max;
}

FreqLimits BandLimits(int band) {
    if (band < 0 || band >= kBandCount) return ParseRangeText({});
    return ParseRangeText(kBandRangeTexts[band]);
}

}  // namespace kv
