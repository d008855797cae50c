// A random document every channel of which an export can carry: frequencies inside their band,
// distinct channel numbers per group, printable group names (bytes above 0x7F included) and
// details fields holding any value their field in the image can hold (values outside every list
// included) and reserved fields at 0, as a new channel has them. The rest (settings, CB memories)
// stays random.
#pragma once

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "editors/channels/detail_rows.h"
#include "limits/channel_limits.h"
#include "model/band_range.h"
#include "unit/files/document_samples.h"

namespace kv::test {

// Every details field of the record moved into what the image holds for it.
inline void FitDetailsToImage(ChannelRecord& record) {
    for (const DetailBox& box : DetailBoxes()) {
        const ValueRange range = ImageRange(box.field);
        const int span = range.Last - range.First + 1;
        const int value = record.*(box.field);
        record.*(box.field) = static_cast<i16>(range.First + ((value % span) + span) % span);
    }
}

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
                FitDetailsToImage(record);
                // The reserved fields live in the data file only; no export carries them.
                record.Reserved6 = record.Reserved7 = record.Reserved11 = 0;
            }
        }
    }
    for (int n = 1; n <= kCbMemCount; ++n) {
        data.Store.cbMem(n).InUse = static_cast<i16>(rng() % 2);
        FitDetailsToImage(data.Store.cbMem(n));
        ChannelRecord& memory = data.Store.cbMem(n);
        memory.Reserved6 = memory.Reserved7 = memory.Reserved11 = 0;
    }
    return doc;
}

}  // namespace kv::test
