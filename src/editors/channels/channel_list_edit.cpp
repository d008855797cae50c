// List commands of the channel grid.
#include "editors/channels/channel_list_edit.h"

#include "model/band_range.h"
#include "editors/channels/channel_edit.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/defined_references.h"
#include "editors/channels/detail_rows.h"
#include "editors/channels/freq_text.h"
#include "editors/channels/grid_rows.h"
#include "editors/channels/group_references.h"

namespace kv {
namespace {

bool WithinRows(int band, int group, int row) {
    return row >= 1 && row <= ListEditLastRow(band, group);
}

template <typename Visit>
void ForEachBlockMemory(RadioData& data, int group, Visit visit) {
    for (int memory = 1; memory <= kCbMemoriesPerBlock; ++memory)
        if (const int record = CbMemRecord(group, memory); record > 0)
            visit(data.Store.cbMem(record));
}

// Channels row … last−1 of the group become row+1 … last, and so do the references to them.
void RenumberDown(Document& doc, int band, int group, int row, int last) {
    const int used = UsedSlots(doc.Working, band, group);
    for (int slot = 1; slot <= used; ++slot) {
        i16& chNo = doc.Working.channel(band, slot, group).ChNo;
        if (chNo >= row && chNo < last) ++chNo;
    }
    RadioSettings& s = doc.settings();
    for (i16* reference : {&s.GroupRefChannelA(band, group, 0), &s.GroupRefChannelA(band, group, 1),
                           &s.GroupWorkChannel(band, group), &s.GroupRefChannelB(band, group, 0),
                           &s.GroupRefChannelB(band, group, 1)})
        if (*reference >= row && *reference < last) ++*reference;
    if (band != kBandCb) return;
    ForEachBlockMemory(doc.Working, group, [&](ChannelRecord& memory) {
        if (CbMemReferredGroup(group, memory) == group && memory.MemChNo >= row &&
            memory.MemChNo < last)
            ++memory.MemChNo;
    });
}

ListEditOutcome Unchanged() {
    return {};
}

ListEditOutcome ChangedRows(int first, int last) {
    return {true, first, last, std::nullopt};
}

}  // namespace

void ClearCbMemReferences(RadioData& data, int group, int chNo) {
    ForEachBlockMemory(data, group, [&](ChannelRecord& memory) {
        if (CbMemReferredGroup(group, memory) == group && memory.MemChNo == chNo) {
            memory.MemChNo = kCbMemEmpty;
            memory.InUse = 0;
        }
    });
}

void CopyChannel(const Document& doc, int band, int group, int row, ChannelClipboard& clipboard) {
    const RowRecord found = FindRowRecord(doc.Working, band, group, row);
    clipboard.Record = found.kind == RowRecord::Kind::Channel
                           ? doc.Working.channel(band, found.index, group)
                           : ChannelRecord{};
    if (found.kind != RowRecord::Kind::Channel) clipboard.Record.InUse = 0;
    clipboard.Full = true;
}

ListEditOutcome CutChannel(Document& doc, int band, int group, int row, ChannelClipboard& clipboard,
                           const ChannelWindowRefresh& refresh) {
    if (IsVfoGroup(band, group)) return Unchanged();
    CopyChannel(doc, band, group, row, clipboard);
    return DeleteChannel(doc, band, group, row, refresh);
}

ListEditOutcome DeleteChannel(Document& doc, int band, int group, int row,
                              const ChannelWindowRefresh& refresh) {
    if (IsVfoGroup(band, group) || !WithinRows(band, group, row)) return Unchanged();
    const RowRecord found = FindRowRecord(doc.Working, band, group, row);
    if (found.kind != RowRecord::Kind::Channel) return Unchanged();
    const int chNo = doc.Working.channel(band, found.index, group).ChNo;
    // A named group's last normal channel goes only when another valid group keeps one.
    if (chNo <= kLastNormalChannel && !IsMemGroup(band, group)) {
        if (!RemoveGroupChannel(doc, found.index, band, group, refresh)) return Unchanged();
    } else {
        RemoveChannelSlot(doc, found.index, band, group);
        RevalidateGroupReferences(doc, band, group, refresh.refreshWorkChannelBox);
    }
    if (band == kBandCb) ClearCbMemReferences(doc.Working, group, chNo);
    return ChangedRows(row, row);
}

std::optional<ListEditOutcome> PasteRefusal(const Document& doc, int band, int group, int row,
                                            const ChannelClipboard& clipboard) {
    if (!clipboard.Full || !WithinRows(band, group, row) || clipboard.Record.InUse < 1)
        return Unchanged();
    const std::optional<double> mhz = StoredFreqMhz(clipboard.Record.RxFreqText.raw());
    const FreqLimits limits = BandLimits(band);
    if (!mhz || *mhz < limits.min || *mhz > limits.max)
        return ListEditOutcome{false, 0, 0, FreqOutOfRangeText()};
    const RowRecord found = FindRowRecord(doc.Working, band, group, row);
    if (found.kind == RowRecord::Kind::None &&
        UsedSlots(doc.Working, band, group) >= SlotCapacity(band, group))
        return Unchanged();
    return std::nullopt;
}

ListEditOutcome PasteChannel(Document& doc, int band, int group, int row,
                             const ChannelClipboard& clipboard,
                             const ChannelWindowRefresh& refresh) {
    if (auto refusal = PasteRefusal(doc, band, group, row, clipboard)) return *refusal;
    ChannelRecord pasted = clipboard.Record;
    pasted.ChNo = static_cast<i16>(row);
    pasted.InUse = 1;
    DropUndefinedReferences(doc.config(), pasted);
    const RowRecord found = FindRowRecord(doc.Working, band, group, row);
    int slot = found.index;
    if (found.kind == RowRecord::Kind::None) {
        i16& count = doc.Working.channelCount(band, group);
        count = static_cast<i16>(UsedSlots(doc.Working, band, group) + 1);
        slot = count;
    }
    doc.Working.channel(band, slot, group) = pasted;
    RevalidateGroupReferences(doc, band, group, refresh.refreshWorkChannelBox);
    return ChangedRows(row, row);
}

ListEditOutcome InsertPasteChannel(Document& doc, int band, int group, int row,
                                   const ChannelClipboard& clipboard,
                                   const ChannelWindowRefresh& refresh) {
    if (IsVfoGroup(band, group)) return Unchanged();
    if (auto refusal = PasteRefusal(doc, band, group, row, clipboard)) return *refusal;
    const int last = ListEditLastRow(band, group);
    if (const int slot = FindSlot(doc.Working, band, group, last); slot > 0 && last > row) {
        RemoveChannelSlot(doc, slot, band, group);
        if (band == kBandCb) ClearCbMemReferences(doc.Working, group, last);
    }
    RenumberDown(doc, band, group, row, last);
    ListEditOutcome pasted = PasteChannel(doc, band, group, row, clipboard, refresh);
    pasted.Changed = true;
    pasted.FirstRow = row;
    pasted.LastRow = last;
    return pasted;
}

}  // namespace kv
