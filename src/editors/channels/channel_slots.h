// Bounds for walking a group's slots. Counts and group numbers may come from a file or a radio,
// so every walk goes through these before it indexes the store.
#pragma once

#include <algorithm>

#include "model/radio_data.h"

namespace kv {

// Channel numbers up to 40 are a group's normal channels; those above are memory channels.
inline constexpr int kLastNormalChannel = 40;

// A group the store holds for the band: CB 1..7, HF 1..17, HAM 1..14.
inline bool IsStoreGroup(int band, int group) {
    return SlotCapacity(band, group) > 0;
}

// ChannelCount of the group limited to the slots the group offers.
inline int UsedSlots(const RadioData& data, int band, int group) {
    if (!IsStoreGroup(band, group)) return 0;
    return std::clamp<int>(data.channelCount(band, group), 0, SlotCapacity(band, group));
}

}  // namespace kv
