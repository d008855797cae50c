// The band map's model.
#include "editors/channels/band_map.h"

#include <algorithm>

#include "editors/channels/channel_names.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/freq_text.h"
#include "editors/channels/grid_rows.h"
#include "model/band_range.h"
#include "model/stored_frequency.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

constexpr int kModePa = 4;
constexpr const char* kModeNames[] = {"FM", "AM", "USB", "LSB", "PA", "CW"};

std::int64_t MhzToHz(double mhz) {
    return static_cast<std::int64_t>(mhz * 1'000'000.0 + (mhz >= 0 ? 0.5 : -0.5));
}

void AddSegments(BandMapModel& model, std::span<const BandSegment> segments) {
    for (const BandSegment& s : segments)
        if (s.HighHz > model.LowHz && s.LowHz < model.HighHz) model.Segments.push_back(s);
}

// Flags the mark by the segment its transmit frequency lies in. PA sends nothing on the air.
void Judge(const BandMapModel& model, BandMark& mark) {
    if (mark.Mode == kModePa) return;
    const BandSegment* segment = SegmentAt(model, mark.TransmitHz());
    if (segment == nullptr) return;
    mark.FlagSegment = segment->Use;
    if (!SegmentAllowsTransmit(segment->Use))
        mark.Flags.push_back(MarkFlag::TransmitInReserved);
    else if (mark.Mode >= 0 && mark.Mode < static_cast<int>(std::size(kModeNames)) &&
             !ModeFitsSegment(mark.Mode, segment->Use))
        mark.Flags.push_back(MarkFlag::ModeOutsideSegment);
}

std::string MhzText(std::int64_t hz) {
    return FormatFreq(static_cast<double>(hz) / 1'000'000.0) + " MHz";
}

TextPair PlaceName(const Document& doc, const BandMark& mark) {
    static constexpr const char* kBands[] = {"CB", "HF", "HAM"};
    const std::string group = GroupIndexToName(doc, mark.Band, mark.Group);
    const std::string label = GridRowLabel(mark.Band, mark.Group, mark.ChNo);
    const std::string where =
        std::string(kBands[mark.Band]) + " " + (group.empty() ? std::to_string(mark.Group) : group);
    return {where + " CH " + label, where + " 信道 " + label};
}

}  // namespace

BandMapModel BuildBandMap(const Document& doc, int band, int group, IaruRegion region) {
    BandMapModel model;
    if (band < 0 || band >= kBandCount) band = kBandCb;
    model.Band = band;
    model.Group = group;
    model.Region = region;
    const FreqLimits limits = BandLimits(band);
    model.LowHz = MhzToHz(limits.min);
    model.HighHz = MhzToHz(limits.max);
    if (band == kBandCb) {
        AddSegments(model, CbPlanSegments(group));
    } else {
        if (band == kBandHf) AddSegments(model, CbPlanSegments(1));
        AddSegments(model, AmateurSegments(region));
    }
    std::sort(model.Segments.begin(), model.Segments.end(),
              [](const BandSegment& a, const BandSegment& b) { return a.LowHz < b.LowHz; });

    const RadioData& data = doc.Working;
    const std::int32_t offset = doc.settings().RepeaterOffset;
    for (int g = 1; g <= SelectableGroups(band); ++g) {
        if (group != 0 && g != group) continue;
        const int used = UsedSlots(data, band, g);
        for (int slot = 1; slot <= used; ++slot) {
            const ChannelRecord& record = data.channel(band, slot, g);
            const std::optional<std::int64_t> rx = StoredFrequencyHz(record.RxFreqText.raw());
            if (!rx) continue;
            if (*rx < model.LowHz || *rx > model.HighHz) {
                ++model.OutsideRange;
                continue;
            }
            BandMark mark;
            mark.Band = band;
            mark.Group = g;
            mark.ChNo = record.ChNo;
            mark.RxHz = *rx;
            mark.Mode = record.MemMode;
            const std::optional<std::int64_t> tx = TransmitFrequencyHz(band, record, offset);
            if (tx && *tx != *rx) mark.TxHz = *tx;
            Judge(model, mark);
            model.Marks.push_back(mark);
        }
    }
    std::stable_sort(model.Marks.begin(), model.Marks.end(),
                     [](const BandMark& a, const BandMark& b) { return a.RxHz < b.RxHz; });
    return model;
}

const BandSegment* SegmentAt(const BandMapModel& model, std::int64_t hz) {
    for (const BandSegment& s : model.Segments)
        if (hz >= s.LowHz && hz < s.HighHz) return &s;
    return nullptr;
}

double MapFraction(const BandMapModel& model, std::int64_t hz) {
    if (model.HighHz <= model.LowHz) return 0.0;
    return static_cast<double>(hz - model.LowHz) / static_cast<double>(model.HighHz - model.LowHz);
}

std::string ModeName(int mode) {
    if (mode >= 0 && mode < static_cast<int>(std::size(kModeNames))) return kModeNames[mode];
    return std::to_string(mode);
}

TextPair MarkName(const Document& doc, const BandMark& mark) {
    TextPair name = PlaceName(doc, mark);
    const std::string rx = ": " + MhzText(mark.RxHz) + " " + ModeName(mark.Mode);
    name.en += rx;
    name.zh += "：" + MhzText(mark.RxHz) + " " + ModeName(mark.Mode);
    if (mark.TxHz) {
        name.en += ", TX " + MhzText(*mark.TxHz);
        name.zh += "，发射 " + MhzText(*mark.TxHz);
    }
    return name;
}

TextPair FlagText(const Document& doc, const BandMark& mark) {
    TextPair text = PlaceName(doc, mark);
    const TextPair segment = SegmentUseName(mark.FlagSegment);
    for (MarkFlag flag : mark.Flags) {
        if (flag == MarkFlag::TransmitInReserved) {
            text.en += ": transmits on " + MhzText(mark.TransmitHz()) + " in the " + segment.en +
                       " segment";
            text.zh += "：在" + segment.zh + "段内发射（" + MhzText(mark.TransmitHz()) + "）";
        } else {
            text.en += ": " + ModeName(mark.Mode) + " in the " + segment.en + " segment";
            text.zh += "：" + ModeName(mark.Mode) + " 位于" + segment.zh + "段";
        }
    }
    return text;
}

}  // namespace kv
