// Where channels live in the memory image: the group bases, the special groups' slots, the
// presence (A) and scan (B) bit maps, and the 16-byte channel slot layout.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "codec/bit_layout.h"
#include "model/channel_record.h"
#include "model/channel_store.h"

namespace kv {

inline constexpr std::uint32_t kSlotSize = 16;
inline constexpr std::uint32_t kGroupMapSize = 5;  // bits of channels 1..40 of a group

struct BandChannelLayout {
    std::array<std::uint32_t, 15> groupBases;  // slot of channel 1 of regular groups 1..n
    std::uint32_t memSlots;                    // slot of channel 1 of the MEM group; CB has none
    std::uint32_t vfoSlot;                     // the VFO group's single slot
    std::uint32_t mapA;                        // presence map of group 1; 5 bytes per group
    std::uint32_t mapB;                        // scan map of group 1
    std::uint32_t memMapA;                     // the MEM group's own 13-byte maps
    std::uint32_t memMapB;
};

inline constexpr std::array<BandChannelLayout, kBandCount> kChannelLayout = {{
    {{0x0000, 0x0280, 0x0500, 0x0A00, 0x2000, 0x2280, 0x2500}, 0, 0, 0x16000, 0x16200, 0, 0},
    {{0x4000, 0x4280, 0x4500, 0x4780, 0x4A00, 0x6000, 0x6280, 0x6500, 0x6780, 0x6A00, 0x8000,
      0x8280, 0x8500, 0x8780, 0x8A00},
     0x12000,
     0x12640,
     0x16080,
     0x16280,
     0x16410,
     0x16440},
    {{0xA000, 0xA280, 0xA500, 0xA780, 0xC000, 0xC280, 0xC500, 0xC780, 0xE000, 0xE280, 0xE500,
      0xE780},
     0x14000,
     0x14640,
     0x16100,
     0x16300,
     0x16420,
     0x16450},
}};

// The 96 CB memory channels: their slots and their own presence and scan maps.
inline constexpr std::uint32_t kCbMemSlots = 0x10000;
inline constexpr std::uint32_t kCbMemMapA = 0x16400;
inline constexpr std::uint32_t kCbMemMapB = 0x16430;

// Slot bytes 0..3 hold the frequency; the option fields follow.
inline constexpr BitField<ChannelRecord> kSlotFields[] = {
    {&ChannelRecord::RxCtcss, 4, 0, 8},    {&ChannelRecord::RxDcs, 5, 0, 8},
    {&ChannelRecord::TxCtcss, 6, 0, 8},    {&ChannelRecord::TxDcs, 7, 0, 8},
    {&ChannelRecord::HiCut, 8, 0, 1},      {&ChannelRecord::Echo, 8, 1, 1},
    {&ChannelRecord::Add10K, 8, 2, 1},     {&ChannelRecord::Busy, 8, 3, 1},
    {&ChannelRecord::NbAnl, 8, 4, 2},      {&ChannelRecord::TxPower, 8, 6, 2},
    {&ChannelRecord::RepShift, 9, 0, 2},   {&ChannelRecord::TxToneType, 9, 2, 2},
    {&ChannelRecord::RxToneType, 9, 4, 2}, {&ChannelRecord::PublicCh, 9, 7, 1},
    {&ChannelRecord::RogerBeep, 10, 0, 4}, {&ChannelRecord::MemMode, 10, 4, 4},
    {&ChannelRecord::DtmfBot, 11, 0, 8},   {&ChannelRecord::DtmfEot, 12, 0, 8},
    {&ChannelRecord::DtmfCall, 13, 0, 8},
};
// Set when either sub-tone type is not off; the radio reads it, the decoder ignores it.
inline constexpr std::uint8_t kToneFlagByte = 9;
inline constexpr std::uint8_t kToneFlagShift = 6;

// The slot of a channel; none when the number lies outside the group's slots, where the address
// would fall into another group. A VFO group has one slot whatever the number.
inline std::optional<std::uint32_t> SlotAddress(int band, int group, int chNo) {
    const int capacity = SlotCapacity(band, group);
    if (capacity == 0) return std::nullopt;
    const auto& layout = kChannelLayout[band];
    if (IsVfoGroup(band, group)) return layout.vfoSlot;
    if (chNo < 1 || chNo > capacity) return std::nullopt;
    const std::uint32_t first =
        IsMemGroup(band, group) ? layout.memSlots : layout.groupBases[group - 1];
    return first + kSlotSize * static_cast<std::uint32_t>(chNo - 1);
}

struct GroupMaps {
    std::uint32_t presence;
    std::uint32_t scan;
    int channels;  // channel numbers 1..channels have bits
};

// Regular and VFO groups use 5 bytes at 5 × (group − 1) from the band's map; MEM groups their own.
inline GroupMaps GroupMapsOf(int band, int group) {
    const auto& layout = kChannelLayout[band];
    if (IsMemGroup(band, group)) return {layout.memMapA, layout.memMapB, kMaxSlot};
    const std::uint32_t offset = kGroupMapSize * static_cast<std::uint32_t>(group - 1);
    return {layout.mapA + offset, layout.mapB + offset, 40};
}

}  // namespace kv
