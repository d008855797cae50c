// Merging over-full groups to one record per channel number.
#include "files/group_merge.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "model/channel_store.h"

namespace kv {
namespace {

int StoredSlots(const RadioData& data, int band, int group) {
    return std::clamp<int>(data.channelCount(band, group), 0, kMaxSlot);
}

bool IsOverfull(const RadioData& data, int band, int group) {
    const int slots = StoredSlots(data, band, group);
    if (slots > SlotCapacity(band, group)) return true;
    std::vector<int> numbers;
    for (int slot = 1; slot <= slots; ++slot)
        numbers.push_back(data.channel(band, slot, group).ChNo);
    std::sort(numbers.begin(), numbers.end());
    return std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end();
}

bool GroupCanHold(int band, int group, int slot, int chNo) {
    if (IsVfoGroup(band, group)) return slot == 1;
    return chNo >= 1 && chNo <= SlotCapacity(band, group);
}

void MergeGroup(RadioData& data, int band, int group, GroupMergeCount& count) {
    const int slots = StoredSlots(data, band, group);
    const int written = std::min(slots, SlotCapacity(band, group));
    // The slot kept for each number: the encoder's last within the size, else the last above it.
    std::map<int, int> kept;
    for (int slot = 1; slot <= slots; ++slot) {
        const int chNo = data.channel(band, slot, group).ChNo;
        if (!GroupCanHold(band, group, slot, chNo)) {
            ++count.Dropped;
            continue;
        }
        const auto found = kept.find(chNo);
        if (found == kept.end()) {
            kept.emplace(chNo, slot);
            continue;
        }
        ++count.Merged;
        if (slot <= written || found->second > written) found->second = slot;
    }
    std::vector<ChannelRecord> records;
    for (int slot = 1; slot <= slots; ++slot) {
        const auto found = kept.find(data.channel(band, slot, group).ChNo);
        if (found != kept.end() && found->second == slot)
            records.push_back(data.channel(band, slot, group));
    }
    for (std::size_t i = 0; i < records.size(); ++i)
        data.channel(band, static_cast<int>(i) + 1, group) = records[i];
    data.channelCount(band, group) = static_cast<i16>(records.size());
}

}  // namespace

GroupMergeCount MergeOverfullGroups(RadioData& data) {
    GroupMergeCount count;
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group)
            if (IsOverfull(data, band, group)) MergeGroup(data, band, group, count);
    return count;
}

TextPair MergedGroupsText(const GroupMergeCount& count) {
    const std::string merged = std::to_string(count.Merged);
    const std::string dropped = std::to_string(count.Dropped);
    return {
        "Some groups of this file held more channel records than they can. Records merged "
        "because their channel number was held twice: " +
            merged +
            " (the last one, which the radio receives, is kept). Records removed because "
            "their group cannot hold their channel number: " +
            dropped + ". Save the file to keep the groups as they are now.",
        "此文件中有些组保存的信道记录超出了组的容量。因信道号重复而合并的记录：" + merged +
            " 条（保留电台收到的最后一条）。因本组无法容纳其信道号而删除的记录：" + dropped +
            " 条。请保存文件以保留现在的组。"};
}

}  // namespace kv
