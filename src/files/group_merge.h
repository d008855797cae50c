// Files written by the earlier program may hold over-full groups: more slots than the group has
// channels, or one channel number in several slots. Its encoder wrote every slot in slot order,
// each at its channel number, whatever the group's size, and ORed each slot's in-use and scan
// values into the group's bit maps; so for a number held twice the radio received the bytes of
// the last of them, in use and scanned when any of them was. Opening such a file merges each
// group to what the radio holds, so the grid, the saved file and the image agree.
#pragma once

#include "model/radio_data.h"
#include "model/text_pair.h"

namespace kv {

struct GroupMergeCount {
    int Merged = 0;   // records given up for another record of the same channel number
    int Dropped = 0;  // records whose channel number the group cannot hold

    bool any() const { return Merged > 0 || Dropped > 0; }
};

// In every group holding more slots than its size or a channel number twice: one record per
// channel number, the one the earlier program's encoder wrote last (its last slot, whatever the
// group's size), with InUse and ScanAdd the OR over every slot holding the number; records whose
// number the group cannot hold are dropped (the VFO keeps its first slot). Kept records stay in
// slot order. Other groups are left as they are.
GroupMergeCount MergeOverfullGroups(RadioData& data);

// What the user is told once after such a merge.
TextPair MergedGroupsText(const GroupMergeCount& count);

}  // namespace kv
