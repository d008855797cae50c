// The channel store: channels per band, slot and group, and the 96 CB memory channels.
// The used-slot counts live in ConfigRecord::ChannelCount, where the data file keeps them.
#pragma once

#include <array>
#include <cstdint>

#include "model/channel_record.h"
#include "model/group_arrays.h"

namespace kv {

inline constexpr int kMaxSlot = 99;
inline constexpr int kCbMemCount = 96;
// Groups the store iterates per band: CB 1..7, HF 1..17 (16 MEM, 17 VFO), HAM 1..14 (13 MEM, 14
// VFO).
inline constexpr std::array<int, kBandCount> kGroupsPerBand = {7, 17, 14};
// Regular (named) groups per band: those with names and enable bits.
inline constexpr std::array<int, kBandCount> kRegularGroupsPerBand = {7, 15, 12};

// The MEM and VFO group of each band; 0 for CB, which has neither.
inline constexpr std::array<int, kBandCount> kMemGroup = {0, 16, 13};
inline constexpr std::array<int, kBandCount> kVfoGroup = {0, 17, 14};

inline constexpr bool IsMemGroup(int band, int group) {
    return band > kBandCb && band < kBandCount && group == kMemGroup[band];
}
inline constexpr bool IsVfoGroup(int band, int group) {
    return band > kBandCb && band < kBandCount && group == kVfoGroup[band];
}

// Number of slots a group offers: 40 (80 for CB group 3), 99 for MEM, 1 for VFO, 0 outside the
// band.
inline constexpr int SlotCapacity(int band, int group) {
    if (band < 0 || band >= kBandCount || group < 1 || group > kGroupsPerBand[band]) return 0;
    if (IsMemGroup(band, group)) return 99;
    if (IsVfoGroup(band, group)) return 1;
    if (band == kBandCb && group == 3) return 80;
    return 40;
}

struct ChannelStore {
    // Channels[band][slot][group]; slot 1..99 and group 1..17, index 0 unused.
    std::array<std::array<std::array<ChannelRecord, kMaxGroup + 1>, kMaxSlot + 1>, kBandCount>
        Channels{};
    // CbMemChannels[1..96]; index 0 unused. Records 1–16 belong to CB group 1, 17–32 to 2,
    // 33–48 to 3, 49–64 to 4, 65–80 are shared by groups 5 and 7, 81–96 belong to group 6.
    std::array<ChannelRecord, kCbMemCount + 1> CbMemChannels{};

    ChannelRecord& channel(int band, int slot, int group) { return Channels[band][slot][group]; }
    const ChannelRecord& channel(int band, int slot, int group) const {
        return Channels[band][slot][group];
    }
    ChannelRecord& cbMem(int n) { return CbMemChannels[n]; }
    const ChannelRecord& cbMem(int n) const { return CbMemChannels[n]; }
};

}  // namespace kv
