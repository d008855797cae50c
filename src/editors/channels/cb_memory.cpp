// CB memory references.
#include "editors/channels/cb_memory.h"

#include <algorithm>

#include "editors/channels/channel_slots.h"
#include "editors/channels/detail_rows.h"
#include "editors/channels/grid_rows.h"

namespace kv {
namespace {

bool IsCbMemRecord(int record) {
    return record >= 1 && record <= kCbMemCount;
}

void CopyReferredFreq(const RadioData& data, int group, ChannelRecord& memory) {
    if (const ChannelRecord* channel = CbMemReferredChannel(data, group, memory)) {
        memory.RxFreqText = channel->RxFreqText;
        memory.TxFreqText = channel->TxFreqText;
    }
}

}  // namespace

std::vector<int> CbMemChannelChoices(const RadioData& data, int group,
                                     const ChannelRecord& memory) {
    const int referred = CbMemReferredGroup(group, memory);
    std::vector<int> numbers;
    const int used = UsedSlots(data, kBandCb, referred);
    for (int slot = 1; slot <= used; ++slot) {
        const int chNo = data.channel(kBandCb, slot, referred).ChNo;
        if (chNo >= 1 && chNo < kCbMemEmpty) numbers.push_back(chNo);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

void SetCbMemReference(RadioData& data, int group, int record, int chNo) {
    if (!IsCbMemRecord(record)) return;
    ChannelRecord& memory = data.Store.cbMem(record);
    if (chNo < 1 || chNo >= kCbMemEmpty) {
        memory.MemChNo = kCbMemEmpty;
        memory.InUse = 0;
        return;
    }
    memory.MemChNo = static_cast<i16>(chNo);
    memory.InUse = 1;
    CopyReferredFreq(data, group, memory);
}

void SetCbMemBand(RadioData& data, int group, int record, int memBand) {
    if (!IsCbMemRecord(record)) return;
    ChannelRecord& memory = data.Store.cbMem(record);
    memory.MemBand = static_cast<i16>(memBand);
    memory.InUse = memory.MemChNo == kCbMemEmpty ? 0 : 1;
    if (memory.InUse == 1) CopyReferredFreq(data, group, memory);
}

}  // namespace kv
