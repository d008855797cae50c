// The band plans the band map draws behind the channels: the amateur 12 m and 10 m bands as the
// three IARU regions divide them, and the CB channel plan the templates are made from. The
// segments are data, one table per region, so a revised plan is a change of rows.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/text_pair.h"

namespace kv {

// What a segment of a band plan is for; the band map judges a channel's mode by it.
enum class SegmentUse {
    Cw,             // CW only
    NarrowDigital,  // narrow band modes: CW and data through an SSB transmitter
    AllModes,
    Fm,          // FM simplex and repeaters
    Beacon,      // beacons only: no other station transmits here
    Satellite,   // amateur satellite downlinks: no transmitting from the ground
    Guard,       // the guard channel below the FM repeater inputs
    CbChannels,  // the CB channel plan
};

struct BandSegment {
    std::int64_t LowHz = 0;
    std::int64_t HighHz = 0;  // exclusive
    SegmentUse Use = SegmentUse::AllModes;
};

enum class IaruRegion { Region1 = 1, Region2 = 2, Region3 = 3 };
inline constexpr IaruRegion kIaruRegions[] = {IaruRegion::Region1, IaruRegion::Region2,
                                              IaruRegion::Region3};

// The 12 m (24.890–24.990 MHz) and 10 m (28.000–29.700 MHz) segments of the region's band plan,
// ascending and without overlap.
std::span<const BandSegment> AmateurSegments(IaruRegion region);

// The channels of a CB group of the channel plan as segments one channel wide (10 kHz centred
// on the channel), ascending; group 0 gives every CB group's channels once.
std::vector<BandSegment> CbPlanSegments(int group);

// "IARU Region 1" / "IARU 第一区".
TextPair RegionName(IaruRegion region);
// The segment's use as the map labels it: "CW", "Beacons" …
TextPair SegmentUseName(SegmentUse use);
// Whether a channel may transmit in the segment at all (not in beacon, satellite or guard
// segments).
bool SegmentAllowsTransmit(SegmentUse use);
// Whether the mode (MemMode: 0 FM, 1 AM, 2 USB, 3 LSB, 4 PA, 5 CW) fits the segment.
bool ModeFitsSegment(int mode, SegmentUse use);

}  // namespace kv
