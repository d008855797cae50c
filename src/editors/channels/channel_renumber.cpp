// Renumbering a group's channels with their references.
#include "editors/channels/channel_renumber.h"

#include "editors/blocks/block_channel_entries.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/grid_rows.h"

namespace kv {
namespace {

// The new number of `chNo`, or nothing when it does not move.
const int* NewNumber(const ChannelMoves& moves, int chNo) {
    const auto found = moves.find(chNo);
    return found == moves.end() ? nullptr : &found->second;
}

void Follow(const ChannelMoves& moves, i16& chNo) {
    if (const int* moved = NewNumber(moves, chNo)) chNo = static_cast<i16>(*moved);
}

}  // namespace

void RenumberChannels(Document& doc, int band, int group, const ChannelMoves& moves) {
    if (moves.empty()) return;
    const int used = UsedSlots(doc.Working, band, group);
    for (int slot = 1; slot <= used; ++slot)
        Follow(moves, doc.Working.channel(band, slot, group).ChNo);
    RadioSettings& s = doc.settings();
    for (i16* reference : {&s.GroupRefChannelA(band, group, 0), &s.GroupRefChannelA(band, group, 1),
                           &s.GroupWorkChannel(band, group), &s.GroupRefChannelB(band, group, 0),
                           &s.GroupRefChannelB(band, group, 1)})
        Follow(moves, *reference);
    // Block entries hold the channel number − 1.
    ForEachBlockChannelEntry(doc.config(), band, group, [&](i16& value) {
        if (const int* moved = NewNumber(moves, value + 1)) value = static_cast<i16>(*moved - 1);
    });
    if (band != kBandCb) return;
    for (int memory = 1; memory <= kCbMemoriesPerBlock; ++memory) {
        const int record = CbMemRecord(group, memory);
        if (record <= 0) continue;
        ChannelRecord& entry = doc.Working.Store.cbMem(record);
        if (CbMemReferredGroup(group, entry) == group) Follow(moves, entry.MemChNo);
    }
}

}  // namespace kv
