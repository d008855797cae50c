// The band map's model: the frequency range of a band, the band plan's segments behind it and a
// mark for every channel of the group shown (or of all groups), with its transmit frequency when
// the repeater shift moves it, and flags where the channel does not fit the segment it transmits
// in (FM in the CW segment; transmitting in the beacon, satellite or guard segment). The window
// draws exactly this; tests read it without drawing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editors/channels/band_plan_segments.h"
#include "model/document.h"
#include "model/text_pair.h"

namespace kv {

enum class MarkFlag {
    ModeOutsideSegment,  // the mode does not fit the segment the channel transmits in
    TransmitInReserved,  // the channel transmits in a beacon, satellite or guard segment
};

struct BandMark {
    int Band = 0;
    int Group = 0;
    int ChNo = 0;
    std::int64_t RxHz = 0;
    std::optional<std::int64_t> TxHz;  // only when it differs from the receive frequency
    int Mode = 0;                      // MemMode as stored, shown as itself when unknown
    std::vector<MarkFlag> Flags;
    SegmentUse FlagSegment = SegmentUse::AllModes;  // the segment the flags name

    std::int64_t TransmitHz() const { return TxHz.value_or(RxHz); }
};

struct BandMapModel {
    int Band = 0;
    int Group = 0;  // 0: all groups
    IaruRegion Region = IaruRegion::Region1;
    std::int64_t LowHz = 0;
    std::int64_t HighHz = 0;
    std::vector<BandSegment> Segments;  // ascending
    std::vector<BandMark> Marks;        // ascending by receive frequency
    int OutsideRange = 0;               // channels whose frequency lies outside the range
};

// The map of the band's group (0: every group the band offers). CB shows the CB range with the
// plan of the group shown; HF the HF range with the CB plan and the 12 m and 10 m amateur bands;
// HAM the HAM range with the 10 m band.
BandMapModel BuildBandMap(const Document& doc, int band, int group, IaruRegion region);

// The segment a frequency lies in; nothing between segments.
const BandSegment* SegmentAt(const BandMapModel& model, std::int64_t hz);

// Where a frequency lies across the map, 0 at the low end and 1 at the high end.
double MapFraction(const BandMapModel& model, std::int64_t hz);

// "FM", "AM" … for MemMode; the stored number itself for a value outside the list.
std::string ModeName(int mode);

// The mark as the map names it on hover: "HF B CH 5: 28.50000 MHz FM, TX 28.60000 MHz".
TextPair MarkName(const Document& doc, const BandMark& mark);
// Why the mark is flagged: "HF B CH 5: FM in the CW segment".
TextPair FlagText(const Document& doc, const BandMark& mark);

}  // namespace kv
