// Record-by-record differences of the working data.
#include "model/working_diff.h"

#include "model/no_edit_members.h"

namespace kv {
namespace {

// Where the user looked and what a save stamps are no edits: undo never brings back an older
// stamp or moves the user.
void CopyPositions(const ConfigRecord& from, ConfigRecord& to) {
    CopyNoEditMembers(from, to, NoEditMembers::PositionsAndStamps);
}

}  // namespace

std::size_t WorkingDiff::bytes() const {
    std::size_t total = sizeof(WorkingDiff) + Channels.capacity() * sizeof(ChannelChange);
    if (ConfigBefore) total += 2 * sizeof(ConfigRecord);
    return total;
}

bool SameBesidesPositions(const ConfigRecord& a, const ConfigRecord& b) {
    if (a == b) return true;
    auto copy = std::make_unique<ConfigRecord>(a);
    CopyPositions(b, *copy);
    return *copy == b;
}

WorkingDiff DiffWorking(const RadioData& before, const RadioData& after) {
    WorkingDiff diff;
    if (!SameBesidesPositions(before.Config, after.Config)) {
        diff.ConfigBefore = std::make_unique<ConfigRecord>(before.Config);
        diff.ConfigAfter = std::make_unique<ConfigRecord>(after.Config);
    }
    const auto& was = before.Store.Channels;
    const auto& now = after.Store.Channels;
    for (int band = 0; band < kBandCount; ++band)
        for (int slot = 0; slot <= kMaxSlot; ++slot)
            for (int group = 0; group <= kMaxGroup; ++group)
                if (!(was[band][slot][group] == now[band][slot][group]))
                    diff.Channels.push_back(
                        {band, slot, group, was[band][slot][group], now[band][slot][group]});
    for (int n = 0; n <= kCbMemCount; ++n)
        if (!(before.Store.CbMemChannels[n] == after.Store.CbMemChannels[n]))
            diff.Channels.push_back(
                {kCbMemoryBand, n, 0, before.Store.CbMemChannels[n], after.Store.CbMemChannels[n]});
    return diff;
}

void ApplyDiff(RadioData& data, const WorkingDiff& diff, bool forward) {
    if (diff.ConfigBefore) {
        auto config =
            std::make_unique<ConfigRecord>(forward ? *diff.ConfigAfter : *diff.ConfigBefore);
        CopyPositions(data.Config, *config);
        data.Config = *config;
    }
    for (const ChannelChange& change : diff.Channels) {
        const ChannelRecord& record = forward ? change.After : change.Before;
        if (change.Band == kCbMemoryBand)
            data.Store.CbMemChannels[change.Slot] = record;
        else
            data.Store.Channels[change.Band][change.Slot][change.Group] = record;
    }
}

}  // namespace kv
