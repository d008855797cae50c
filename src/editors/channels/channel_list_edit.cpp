// List commands of the channel grid.
#include "editors/channels/channel_list_edit.h"

#include <string>

#include "editors/channels/channel_edit.h"
#include "editors/channels/channel_renumber.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/detail_rows.h"
#include "editors/channels/grid_rows.h"
#include "editors/channels/group_references.h"
#include "model/transmit_frequency.h"

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

// Channels row … stop−1 of the group become row+1 … stop, and so do the references to them:
// the group's work channel and reference pairs, the CB memories and the block entries.
void RenumberDown(Document& doc, int band, int group, int row, int stop) {
    ChannelMoves moves;
    for (int chNo = row; chNo < stop; ++chNo) moves[chNo] = chNo + 1;
    RenumberChannels(doc, band, group, moves);
}

// The first number after the row, up to the group's last row, that holds no channel; 0 if none.
int FirstFreeAfter(const RadioData& data, int band, int group, int row) {
    for (int chNo = row + 1; chNo <= ListEditLastRow(band, group); ++chNo)
        if (FindSlot(data, band, group, chNo) == 0) return chNo;
    return 0;
}

bool RowHoldsChannel(const RadioData& data, int band, int group, int row) {
    return FindRowRecord(data, band, group, row).kind == RowRecord::Kind::Channel;
}

bool HasRecordToPaste(const ChannelClipboard& clipboard) {
    return clipboard.Full && clipboard.Record.InUse >= 1;
}

ListEditOutcome Unchanged() {
    return {};
}

ListEditOutcome Refused(TextPair why) {
    return {false, 0, 0, std::move(why)};
}

ListEditOutcome ChangedRows(int first, int last) {
    return {true, first, last, std::nullopt};
}

TextPair RowOutsideGroupText() {
    return {"This row is not one of the group's channels.", "此行不是本组的信道。"};
}

TextPair NothingToPasteText() {
    return {"The copied row holds no channel, so there is nothing to paste.",
            "复制的行没有信道，没有可粘贴的内容。"};
}

TextPair GroupFullText() {
    return {"The group has no free channel. Delete a channel first.",
            "该组没有空闲信道，请先删除一个信道。"};
}

// Why pasting into the row cannot happen, or nothing when it can.
std::optional<ListEditOutcome> PasteRefusal(const Document& doc, int band, int group, int row,
                                            const ChannelClipboard& clipboard) {
    if (!clipboard.Full) return Unchanged();  // the menu item is disabled: nothing to explain
    if (!WithinRows(band, group, row)) return Refused(RowOutsideGroupText());
    if (clipboard.Record.InUse < 1) return Refused(NothingToPasteText());
    if (!RowHoldsChannel(doc.Working, band, group, row) &&
        UsedSlots(doc.Working, band, group) >= SlotCapacity(band, group))
        return Refused(GroupFullText());
    return std::nullopt;
}

}  // namespace

TextPair VfoKeepsItsChannelText() {
    return {"The VFO group keeps its one channel: it cannot be cut, deleted or moved.",
            "VFO 组只有一个信道，不能剪切、删除或移动。"};
}

TextPair NoChannelOnRowText() {
    return {"This row holds no channel.", "此行没有信道。"};
}

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
    if (IsVfoGroup(band, group)) return Refused(VfoKeepsItsChannelText());
    CopyChannel(doc, band, group, row, clipboard);
    return DeleteChannel(doc, band, group, row, refresh);
}

ListEditOutcome DeleteChannel(Document& doc, int band, int group, int row,
                              const ChannelWindowRefresh& refresh) {
    if (IsVfoGroup(band, group)) return Refused(VfoKeepsItsChannelText());
    if (!WithinRows(band, group, row)) return Refused(RowOutsideGroupText());
    const RowRecord found = FindRowRecord(doc.Working, band, group, row);
    if (found.kind != RowRecord::Kind::Channel) return Refused(NoChannelOnRowText());
    const int chNo = doc.Working.channel(band, found.index, group).ChNo;
    RemoveChannelSlot(doc, found.index, band, group);
    RevalidateGroupReferences(doc, band, group, refresh.refreshWorkChannelBox);
    if (band == kBandCb) ClearCbMemReferences(doc.Working, group, chNo);
    return ChangedRows(row, row);
}

ListEditOutcome PasteChannel(Document& doc, int band, int group, int row,
                             const ChannelClipboard& clipboard,
                             const ChannelWindowRefresh& refresh) {
    if (auto refusal = PasteRefusal(doc, band, group, row, clipboard)) return *refusal;
    ChannelRecord pasted = clipboard.Record;
    pasted.ChNo = static_cast<i16>(row);
    pasted.InUse = 1;
    SetTransmitText(band, pasted, doc.settings().RepeaterOffset);
    const RowRecord found = FindRowRecord(doc.Working, band, group, row);
    int slot = found.index;
    if (found.kind == RowRecord::Kind::None) {
        i16& count = doc.Working.channelCount(band, group);
        count = static_cast<i16>(UsedSlots(doc.Working, band, group) + 1);
        slot = count;
    }
    // A paste adds or replaces the channel of its row: no reference it finds valid becomes
    // invalid, and references the radio held invalid already stay as they are.
    doc.Working.channel(band, slot, group) = pasted;
    if (refresh.refreshWorkChannelBox && doc.ChannelEditorOpen) refresh.refreshWorkChannelBox();
    return ChangedRows(row, row);
}

std::optional<int> InsertPasteWouldLose(const Document& doc, int band, int group, int row) {
    if (IsVfoGroup(band, group) || !WithinRows(band, group, row)) return std::nullopt;
    if (!RowHoldsChannel(doc.Working, band, group, row)) return std::nullopt;
    if (FirstFreeAfter(doc.Working, band, group, row) > 0) return std::nullopt;
    return ListEditLastRow(band, group);
}

TextPair InsertPasteLosesText(int band, int group, int chNo) {
    const std::string label = GridRowLabel(band, group, chNo);
    return {"The group is full: inserting here pushes out channel " + label + ". Insert anyway?",
            "该组已满：在此插入将移除信道 " + label + "。仍要插入吗？"};
}

ListEditOutcome InsertPasteChannel(Document& doc, int band, int group, int row,
                                   const ChannelClipboard& clipboard,
                                   const ChannelWindowRefresh& refresh, bool dropLast) {
    if (IsVfoGroup(band, group)) return Refused(VfoKeepsItsChannelText());
    if (!WithinRows(band, group, row)) return Refused(RowOutsideGroupText());
    const bool pasting = HasRecordToPaste(clipboard);
    if (!RowHoldsChannel(doc.Working, band, group, row))
        return pasting ? PasteChannel(doc, band, group, row, clipboard, refresh) : Unchanged();

    const std::optional<int> lost = InsertPasteWouldLose(doc, band, group, row);
    if (lost && !dropLast) return Refused(GroupFullText());
    // The slots must hold the pasted channel once the row is open.
    const int slotsAfter = UsedSlots(doc.Working, band, group) - (lost ? 1 : 0) + (pasting ? 1 : 0);
    if (slotsAfter > SlotCapacity(band, group)) return Refused(GroupFullText());

    const int stop = lost ? *lost : FirstFreeAfter(doc.Working, band, group, row);
    if (lost) {
        RemoveChannelSlot(doc, FindSlot(doc.Working, band, group, *lost), band, group);
        if (band == kBandCb) ClearCbMemReferences(doc.Working, group, *lost);
    }
    RenumberDown(doc, band, group, row, stop);
    if (pasting) PasteChannel(doc, band, group, row, clipboard, refresh);
    RevalidateGroupReferences(doc, band, group, refresh.refreshWorkChannelBox);
    return ChangedRows(row, stop);
}

}  // namespace kv
