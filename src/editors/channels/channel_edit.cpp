// Store edits behind frequency entry: add, change and remove a group's channels.
#include "editors/channels/channel_edit.h"

#include <algorithm>
#include <array>

#include "editors/channels/channel_slots.h"
#include "editors/channels/freq_text.h"
#include "editors/channels/group_references.h"

namespace kv {
namespace {

// Groups scanned for another normal channel before a group's last one may go.
int LastGroupScannedForRemoval(int band) {
    return band == kBandCb ? 10 : 9;
}

// Channels numbered below 40 in the band's valid groups, leaving out the one being removed.
int OtherNormalChannels(const Document& doc, int band, int removedGroup, int removedSlot) {
    int count = 0;
    for (int group = 1; group <= LastGroupScannedForRemoval(band); ++group) {
        if (doc.settings().GroupValid(band, group) != 1) continue;
        const int used = UsedSlots(doc.Working, band, group);
        for (int slot = 1; slot <= used; ++slot) {
            if (group == removedGroup && slot == removedSlot) continue;
            if (doc.Working.channel(band, slot, group).ChNo < kLastNormalChannel) ++count;
        }
    }
    return count;
}

int NormalChannelsInGroup(const Document& doc, int band, int group) {
    int count = 0;
    const int used = UsedSlots(doc.Working, band, group);
    for (int slot = 1; slot <= used; ++slot)
        if (doc.Working.channel(band, slot, group).ChNo <= kLastNormalChannel) ++count;
    return count;
}

}  // namespace

void InitNewChannel(ChannelRecord& record, int chNo, std::string_view storedFreq) {
    record.ChNo = static_cast<i16>(chNo);
    record.InUse = 1;
    record.ScanAdd = 1;
    record.NbAnl = 1;
    record.RxFreqText.assign(storedFreq);
    record.TxFreqText.assign(storedFreq);
    record.Reserved11 = 0;
    for (i16 ChannelRecord::*cleared :
         {&ChannelRecord::MemMode, &ChannelRecord::TxToneType, &ChannelRecord::TxCtcss,
          &ChannelRecord::HiCut, &ChannelRecord::Echo, &ChannelRecord::Add10K, &ChannelRecord::Busy,
          &ChannelRecord::RogerBeep, &ChannelRecord::RepShift, &ChannelRecord::PublicCh,
          &ChannelRecord::DtmfBot, &ChannelRecord::DtmfEot, &ChannelRecord::DtmfCall})
        record.*cleared = 0;
}

bool AddChannel(Document& doc, int chNo, int band, int group, std::string_view text) {
    if (!IsStoreGroup(band, group)) return false;
    i16& count = doc.Working.channelCount(band, group);
    if (count < 0 || count >= SlotCapacity(band, group)) return false;
    ++count;
    InitNewChannel(doc.Working.channel(band, count, group), chNo, FreqTextToStore(doc, text));
    return true;
}

bool RemoveGroupChannel(Document& doc, int slot, int band, int group,
                        const ChannelWindowRefresh& refresh) {
    if (slot < 1 || slot > UsedSlots(doc.Working, band, group)) return false;
    if (NormalChannelsInGroup(doc, band, group) >= 2) {
        RemoveChannelSlot(doc, slot, band, group);
        RevalidateGroupReferences(doc, band, group, refresh.refreshWorkChannelBox);
        return true;
    }
    if (OtherNormalChannels(doc, band, group, slot) > 0) {
        doc.settings().GroupValid(band, group) = 0;
        RemoveChannelSlot(doc, slot, band, group);
        return true;
    }
    return false;
}

bool RemoveChannelSlot(Document& doc, int slot, int band, int group) {
    const int used = UsedSlots(doc.Working, band, group);
    if (slot < 1 || slot > used) return false;
    for (int i = slot; i < used; ++i)
        doc.Working.channel(band, i, group) = doc.Working.channel(band, i + 1, group);
    doc.Working.channelCount(band, group) = static_cast<i16>(used - 1);
    return true;
}

std::optional<TextPair> SetChannelFreq(Document& doc, int chNo, std::string_view typed,
                                       const ChannelWindowRefresh& refresh) {
    const int band = doc.config().BandMode;
    if (band < 0 || band >= kBandCount) {
        // Nothing to store into; the entry is still checked so that its warning is not lost.
        if (typed.empty()) return std::nullopt;
        return CheckFreqEntry(doc, typed).message;
    }
    i16& current = doc.config().CurrentGroup[band];
    if (current == 0) current = 1;
    return ApplyChannelFreq(doc, band, current, chNo, typed, LimitsInForce(doc), refresh);
}

std::optional<TextPair> ApplyChannelFreq(Document& doc, int band, int group, int chNo,
                                         std::string_view typed, const FreqLimits& limits,
                                         const ChannelWindowRefresh& refresh) {
    std::optional<TextPair> warning;
    std::string text;
    if (!typed.empty()) {
        FreqTextResult checked = CheckFreqEntry(limits, typed);
        warning = std::move(checked.message);
        text = std::move(checked.text);
    }
    if (!IsStoreGroup(band, group)) return warning;

    // A rejected entry is a mistyped frequency, not a request to delete: the channel keeps its
    // frequency and the row is redisplayed with it.
    if (!warning) {
        // The VFO group's one row is its single slot, whatever number that channel carries, and
        // the VFO is never removed.
        const bool vfo = IsVfoGroup(band, group);
        const int slot = vfo ? std::min(1, UsedSlots(doc.Working, band, group))
                             : FindSlot(doc.Working, band, group, chNo);
        if (slot > 0 && !text.empty()) {
            doc.Working.channel(band, slot, group).RxFreqText.assign(FreqTextToStore(doc, text));
        } else if (slot > 0 && !vfo) {
            RemoveGroupChannel(doc, slot, band, group, refresh);
        } else if (slot == 0 && !text.empty() && AddChannel(doc, chNo, band, group, text)) {
            RevalidateGroupReferences(doc, band, group, refresh.refreshWorkChannelBox);
        }
    }
    if (doc.ChannelEditorOpen && refresh.reShowGrid) refresh.reShowGrid(chNo);
    return warning;
}

std::string FirstChannelFreqText(int group) {
    static constexpr std::array<const char*, 10> kFirstChannelFreq = {
        "28.015000", "28.145000", "28.115000", "28.085000", "28.055000",
        "28.025000", "28.015000", "28.145000", "28.115000", "28.085000",
    };
    if (group < 1 || group > static_cast<int>(kFirstChannelFreq.size())) return {};
    return kFirstChannelFreq[group - 1];
}

}  // namespace kv
