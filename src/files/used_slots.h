// The walk over the used channel slots that the data file pair, the staging copy and the
// unsaved-changes test share: CB groups 1 to 7, HF groups 1 to 17, HAM groups 1 to 14, and in each
// group the slots 1 to its ChannelCount. A file may hold up to the store's 99 slots in any group:
// Paste into a full group raises its count past the group's capacity, and such files exist. The
// codec and the windows use only the slots the group offers.
#pragma once

#include <algorithm>

#include "model/channel_store.h"
#include "model/config_record.h"

namespace kv {

// True when every ChannelCount lies within 0..99, the slots the store holds.
inline bool CountsFit(const ConfigRecord& config) {
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
            const int count = config.ChannelCount(band, group);
            if (count < 0 || count > kMaxSlot) return false;
        }
    return true;
}

// Calls visit(band, group, slot) for every used slot, in companion file order.
template <typename Visit>
void ForEachUsedSlot(const ConfigRecord& config, Visit&& visit) {
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
            const int used = std::clamp<int>(config.ChannelCount(band, group), 0, kMaxSlot);
            for (int slot = 1; slot <= used; ++slot) visit(band, group, slot);
        }
}

}  // namespace kv
