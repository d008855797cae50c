// Band plan segments.
//
// Sources of the amateur tables (12 m and 10 m only; segment edges in kHz as published):
//   Region 1: "IARU Region 1 HF Band Plan", effective 16 October 2020 (IARU Region 1 HF
//             Managers' Handbook).
//   Region 2: "IARU Region 2 MF/HF Band Plan", effective 1 January 2008, as revised by the
//             Region 2 General Assembly 2016.
//   Region 3: "IARU Region 3 Band Plan" (HF), as revised by the Region 3 Conference 2021.
// The usage columns are reduced to what the radio's modes can meet: CW, narrow band (CW and
// data through SSB), all modes, FM, beacons, satellite downlinks and the guard channel.
#include "editors/channels/band_plan_segments.h"

#include <algorithm>
#include <set>

#include "editors/channels/channel_plan.h"
#include "editors/channels/channel_plan_table.h"
#include "model/channel_store.h"
#include "model/stored_frequency.h"

namespace kv {
namespace {

constexpr std::int64_t kKHz = 1000;
using U = SegmentUse;

constexpr BandSegment Seg(std::int64_t lowKHz, std::int64_t highKHz, SegmentUse use) {
    return {lowKHz * kKHz, highKHz * kKHz, use};
}

constexpr BandSegment kRegion1[] = {
    Seg(24890, 24915, U::Cw),        Seg(24915, 24929, U::NarrowDigital),
    Seg(24929, 24931, U::Beacon),    Seg(24931, 24990, U::AllModes),
    Seg(28000, 28070, U::Cw),        Seg(28070, 28190, U::NarrowDigital),
    Seg(28190, 28225, U::Beacon),    Seg(28225, 29300, U::AllModes),
    Seg(29300, 29510, U::Satellite), Seg(29510, 29520, U::Guard),
    Seg(29520, 29700, U::Fm),
};

constexpr BandSegment kRegion2[] = {
    Seg(24890, 24915, U::Cw),        Seg(24915, 24929, U::NarrowDigital),
    Seg(24929, 24931, U::Beacon),    Seg(24931, 24990, U::AllModes),
    Seg(28000, 28070, U::Cw),        Seg(28070, 28190, U::NarrowDigital),
    Seg(28190, 28225, U::Beacon),    Seg(28225, 29300, U::AllModes),
    Seg(29300, 29510, U::Satellite), Seg(29510, 29520, U::Guard),
    Seg(29520, 29700, U::Fm),
};

constexpr BandSegment kRegion3[] = {
    Seg(24890, 24920, U::Cw),        Seg(24920, 24929, U::NarrowDigital),
    Seg(24929, 24931, U::Beacon),    Seg(24931, 24990, U::AllModes),
    Seg(28000, 28050, U::Cw),        Seg(28050, 28190, U::NarrowDigital),
    Seg(28190, 28200, U::Beacon),    Seg(28200, 29300, U::AllModes),
    Seg(29300, 29510, U::Satellite), Seg(29510, 29700, U::AllModes),
};

// A CB channel is 10 kHz wide.
constexpr std::int64_t kCbHalfChannelHz = 5 * kKHz;

}  // namespace

std::span<const BandSegment> AmateurSegments(IaruRegion region) {
    switch (region) {
        case IaruRegion::Region2:
            return kRegion2;
        case IaruRegion::Region3:
            return kRegion3;
        case IaruRegion::Region1:
            break;
    }
    return kRegion1;
}

std::vector<BandSegment> CbPlanSegments(int group) {
    static const ChannelPlan plan = ParseChannelPlan(ChannelPlanTableText());
    std::set<std::int64_t> centres;
    for (const ChannelPlanRow& row : plan.rows) {
        if (row.band != kBandCb || (group != 0 && row.group != group)) continue;
        std::string digits;
        for (char c : row.freqText)
            if (c != '.') digits += c;
        if (const auto hz = StoredFrequencyHz(digits)) centres.insert(*hz);
    }
    std::vector<BandSegment> segments;
    for (std::int64_t centre : centres) {
        BandSegment segment{centre - kCbHalfChannelHz, centre + kCbHalfChannelHz, U::CbChannels};
        // Plans 5 kHz apart (the PL plan) would overlap: the channel nearer below keeps its edge.
        if (!segments.empty() && segments.back().HighHz > segment.LowHz)
            segment.LowHz = segments.back().HighHz;
        segments.push_back(segment);
    }
    return segments;
}

TextPair RegionName(IaruRegion region) {
    switch (region) {
        case IaruRegion::Region2:
            return {"IARU Region 2", "IARU 第二区"};
        case IaruRegion::Region3:
            return {"IARU Region 3", "IARU 第三区"};
        case IaruRegion::Region1:
            break;
    }
    return {"IARU Region 1", "IARU 第一区"};
}

TextPair SegmentUseName(SegmentUse use) {
    switch (use) {
        case U::Cw:
            return {"CW", "CW"};
        case U::NarrowDigital:
            return {"Narrow band", "窄带"};
        case U::AllModes:
            return {"All modes", "全模式"};
        case U::Fm:
            return {"FM", "FM"};
        case U::Beacon:
            return {"Beacons", "信标"};
        case U::Satellite:
            return {"Satellite", "卫星"};
        case U::Guard:
            return {"Guard channel", "保护信道"};
        case U::CbChannels:
            return {"CB", "CB"};
    }
    return {};
}

bool SegmentAllowsTransmit(SegmentUse use) {
    return use != U::Beacon && use != U::Satellite && use != U::Guard;
}

bool ModeFitsSegment(int mode, SegmentUse use) {
    constexpr int kFm = 0, kUsb = 2, kLsb = 3, kCw = 5;
    switch (use) {
        case U::Cw:
            return mode == kCw;
        case U::NarrowDigital:
            return mode == kCw || mode == kUsb || mode == kLsb;
        case U::Fm:
            return mode == kFm;
        default:
            return true;
    }
}

}  // namespace kv
