// A document with every slot of every band and group in use: the largest the benchmarks time.
#pragma once

#include "model/document.h"
#include "model/group_arrays.h"

namespace kv::bench {

inline void FillEveryGroup(kv::Document& doc) {
    for (int band = 0; band < kv::kBandCount; ++band)
        for (int group = 1; group <= kv::kGroupsPerBand[band]; ++group) {
            const int capacity = kv::SlotCapacity(band, group);
            doc.Working.channelCount(band, group) = static_cast<kv::i16>(capacity);
            for (int slot = 1; slot <= capacity; ++slot) {
                kv::ChannelRecord& channel = doc.Working.channel(band, slot, group);
                channel.ChNo = static_cast<kv::i16>(slot);
                channel.InUse = 1;
                channel.RxFreqText.assign("28015000");
            }
        }
}

}  // namespace kv::bench
