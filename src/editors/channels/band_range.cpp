// A band's limits from its range text.
#include "editors/channels/band_range.h"

namespace kv {

FreqLimits BandLimits(int band) {
    const RangeLimits limits =
        ParseRangeText(band >= 0 && band < kBandCount ? kBandRangeTexts[band] : "");
    return {limits.min, limits.max};
}

}  // namespace kv
