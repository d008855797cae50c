// Block entries that name a channel, read from the three block window tables.
#include "editors/blocks/block_channel_entries.h"

#include "editors/blocks/block_windows.h"
#include "model/channel_store.h"

namespace kv {
namespace {

// The group an entry of the table names, or 0 when the list names no channel.
int NamedGroup(const BlockWindowDescription& description, std::span<const i16> values,
               const BlockListRow& row) {
    switch (row.Kind) {
        case BlockListKind::CbChannels:
            return row.Group;
        case BlockListKind::MemChannels:
            return row.Band > kBandCb && row.Band < kBandCount ? kMemGroup[row.Band] : 0;
        case BlockListKind::BandChannels: {
            const int groupValue = description.Lists.at(row.FollowsList).Value;
            if (groupValue < 0 || groupValue >= static_cast<int>(values.size())) return 0;
            return values[groupValue] + 1;
        }
        default:
            return 0;
    }
}

int BandOf(const BlockListRow& row) {
    return row.Kind == BlockListKind::CbChannels ? kBandCb : row.Band;
}

}  // namespace

void ForEachBlockChannelEntry(ConfigRecord& config, int band, int group,
                              const std::function<void(i16& value)>& visit) {
    for (const BlockWindowDescription* description :
         {&EmergencyWindowDescription(), &DualWatchWindowDescription(),
          &MemoryKeyWindowDescription()}) {
        const std::span<i16> values = BlockValues(config, description->Block);
        for (const BlockListRow& row : description->Lists) {
            if (row.Value < 0 || row.Value >= static_cast<int>(values.size())) continue;
            if (BandOf(row) != band || NamedGroup(*description, values, row) != group) continue;
            visit(values[row.Value]);
        }
    }
}

}  // namespace kv
