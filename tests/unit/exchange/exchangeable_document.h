// A random document every channel of which an export can carry: frequencies inside their band,
// distinct channel numbers per group and printable group names (bytes above 0x7F included). The
// rest (settings, details, CB memories) stays random.
#pragma once

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "model/band_range.h"
#include "unit/files/document_samples.h"

namespace kv::test {

inline std::unique_ptr<Document> ExchangeableDocument(unsigned seed) {
    auto doc = RandomDocument(seed);
    RadioData& data = doc->Working;
    std::mt19937 rng(seed);
    for (int band = 0; band < kBandCount; ++band) {
        const long long low = std::llround(BandLimits(band).min * 1e6);
        for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
            std::string name;
            for (int n = 0; n < 2; ++n) name += static_cast<char>(0xA0 + rng() % 0x5F);
            data.Config.Settings.GroupName(band, group).assign(name);
            for (int slot = 1; slot <= data.channelCount(band, group); ++slot) {
                ChannelRecord& record = data.channel(band, slot, group);
                record.ChNo = static_cast<i16>(slot);
                char freq[16];
                std::snprintf(freq, sizeof freq, "%08lld", low + 10 * (rng() % 500));
                record.RxFreqText.assign(freq);
            }
        }
    }
    for (int n = 1; n <= kCbMemCount; ++n) data.Store.cbMem(n).InUse = static_cast<i16>(rng() % 2);
    return doc;
}

}  // namespace kv::test
