// What the channel grid shows for a band and group: its rows and labels, which record a row
// shows (a channel slot or a CB memory record), and the rows the list commands may change.
#pragma once

#include <string>

#include "model/radio_data.h"

namespace kv {

struct GridShape {
    int rows = 0;            // data rows, numbered from 1
    int channelRows = 0;     // rows 1..channelRows show channels; CB memory rows follow
    bool memLabels = false;  // every row is labelled "M" and its number (the MEM group)
    int freqColumnTwips = 1260;
};

// The grid of a band's group: CB 1..40 (80 in group 3) and M1..M16, HF/HAM named groups 1..40,
// MEM 99 rows M1..M99, VFO one row. A group the band does not have gives no rows.
GridShape GridShapeFor(int band, int group);

// Whether the row of the band's group shows a CB memory record.
bool IsCbMemoryRow(int band, int group, int row);

// Column 0's text of a row.
std::string GridRowLabel(int band, int group, int row);

// CB memories per block of the CB memory store.
inline constexpr int kCbMemoriesPerBlock = 16;

// The groups a band offers in the group selector: 7 (CB), 17 (HF), 14 (HAM).
int SelectableGroups(int band);

// CB memory block of a CB group: the group itself for 1..6, block 5 for group 7, 0 otherwise.
int CbMemBlock(int group);
// CB memory record of memory n (1..16) of a group's block: 16 × (block − 1) + n; 0 when none.
int CbMemRecord(int group, int memory);
// The CB group a memory record of the given group refers into: in the block shared by groups 5
// and 7 MemBand chooses (1 group 7, otherwise 5); else the group itself.
int CbMemReferredGroup(int group, const ChannelRecord& memory);

struct RowRecord {
    enum class Kind { None, Channel, CbMemory };
    Kind kind = Kind::None;
    int index = 0;  // the slot of a channel, the record number of a CB memory
};

// The record a grid row shows: a CB memory row gives its memory record; the VFO row gives slot 1
// whatever its number; other rows the first slot whose ChNo equals the row.
RowRecord FindRowRecord(const RadioData& data, int band, int group, int row);

ChannelRecord* RecordOf(RadioData& data, int band, int group, const RowRecord& found);
const ChannelRecord* RecordOf(const RadioData& data, int band, int group, const RowRecord& found);

// The stored receive frequency a CB memory record shows: that of the channel whose ChNo equals
// its MemChNo in the group it refers into; nothing when the memory is empty or no such channel.
const ChannelRecord* CbMemReferredChannel(const RadioData& data, int group,
                                          const ChannelRecord& memory);

// The highest row the list commands may change in the group: named groups 40 (CB group 3: 80),
// MEM 99, VFO 1 (Paste only), 0 outside the band.
int ListEditLastRow(int band, int group);

}  // namespace kv
