// The CB memory rows of the details panel: which channels a memory can refer to and how a
// reference or the shared block's band choice is stored.
#pragma once

#include <vector>

#include "model/radio_data.h"

namespace kv {

// The ChNo of the channels of the group the memory refers into, ascending, without repeats.
std::vector<int> CbMemChannelChoices(const RadioData& data, int group, const ChannelRecord& memory);

// Makes CB memory `record` (of the given CB group's block) refer to channel chNo, or empty it
// with kCbMemEmpty. A reference copies the referred channel's frequency texts into the memory,
// because the radio drops a memory without a frequency.
void SetCbMemReference(RadioData& data, int group, int record, int chNo);

// Stores the shared block's band choice (0 group 5, 1 group 7); the memory stays in use while it
// refers to a number, and takes the frequency of the channel of that number in the new group.
void SetCbMemBand(RadioData& data, int group, int record, int memBand);

}  // namespace kv
