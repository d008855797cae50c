// The difference between two states of a document's working data, record by record: what an undo
// step keeps. The editor positions (CurrentGroup, GroupCurrentChannel: where the user looked)
// are no part of it, so undoing an edit never moves the user; nor are the identity and version
// mark a save stamps on the record.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "model/radio_data.h"

namespace kv {

struct ChannelChange {
    int Band = 0;  // kCbMemoryBand for a CB memory record
    int Slot = 0;  // the CB memory number for a CB memory record
    int Group = 0;
    ChannelRecord Before;
    ChannelRecord After;
};

// Band value of a ChannelChange that holds a CB memory record.
inline constexpr int kCbMemoryBand = -1;

struct WorkingDiff {
    std::vector<ChannelChange> Channels;
    // Both set when the configuration record changed besides the positions.
    std::unique_ptr<ConfigRecord> ConfigBefore;
    std::unique_ptr<ConfigRecord> ConfigAfter;

    bool empty() const { return Channels.empty() && !ConfigBefore; }
    // The memory the difference holds.
    std::size_t bytes() const;
};

// What changed from `before` to `after`, positions left out.
WorkingDiff DiffWorking(const RadioData& before, const RadioData& after);

// Sets the records of the difference to their state after it (forward) or before it; the
// positions `data` holds stay as they are.
void ApplyDiff(RadioData& data, const WorkingDiff& diff, bool forward);

// True when the configuration records differ only in the positions, or not at all.
bool SameBesidesPositions(const ConfigRecord& a, const ConfigRecord& b);

}  // namespace kv
