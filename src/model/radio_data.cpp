// Whole-store operations on the document's data.
#include "model/radio_data.h"

namespace kv {

void ClearChannels(RadioData& data) {
    data.Config.ChannelCount = {};
    for (auto& band : data.Store.Channels)
        for (auto& slot : band)
            for (auto& record : slot) {
                record.ChNo = 0;
                record.InUse = 0;
            }
    for (auto& memory : data.Store.CbMemChannels) memory.InUse = 0;
}

int FindSlot(const RadioData& data, int band, int group, int chNo) {
    const int count = data.channelCount(band, group);
    const int capacity = SlotCapacity(band, group);
    for (int slot = 1; slot <= count && slot <= capacity; ++slot)
        if (data.channel(band, slot, group).ChNo == chNo) return slot;
    return 0;
}

}  // namespace kv
