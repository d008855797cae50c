// Putting a group's channels in order: Sort Group by Frequency hands the group's own channel
// numbers out again in frequency order, and Move Up / Move Down move channels to the neighbouring
// number. Only numbers change: every record keeps its slot and its fields, and the references
// to a channel follow it. CB groups are refused: their numbers are the national channel plan's.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "model/document.h"
#include "model/text_pair.h"

namespace kv {

struct OrderOutcome {
    bool Changed = false;
    int FirstRow = 0;  // rows to redisplay when changed
    int LastRow = 0;
    std::vector<int> Rows;            // where the moved rows stand now (the selection to keep)
    std::optional<TextPair> Message;  // why the command could not act
};

// The numbers the group's grid rows show that hold a channel, 1 … the group's last list row,
// ascending, with the first slot holding each (the channel the grid shows).
struct NumberedChannel {
    int ChNo = 0;
    int Slot = 0;
};
std::vector<NumberedChannel> OrderableChannels(const RadioData& data, int band, int group);

// Sorts by receive frequency (the value the radio receives, not the text): the lowest frequency
// takes the group's lowest existing number. Numbers that hold no channel stay free, equal
// frequencies keep their order, channels without a frequency go last. HF and HAM named and MEM
// groups; refused in CB groups and the VFO group.
OrderOutcome SortGroupByFrequency(Document& doc, int band, int group);

// Moves the channels of the rows one number up (direction −1) or down (+1): a channel swaps
// with the one at the neighbouring number, or takes that number when it is free. Several rows
// move as a block. Nothing moves when a row would leave the group's rows.
OrderOutcome MoveChannelRows(Document& doc, int band, int group, std::span<const int> rows,
                             int direction);

// Why the commands refuse a CB group.
TextPair CbNumbersFollowPlanText();

}  // namespace kv
