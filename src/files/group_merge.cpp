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
    struct Kept {
        int slot = 0;   // the last slot holding the number: its bytes reach the radio
        int held = 0;   // how many slots hold the number
        i16 inUse = 0;  // the presence and scan bits are ORed over all of them
        i16 scan = 0;
    };
    std::map<int, Kept> kept;
    for (int slot = 1; slot <= slots; ++slot) {
        const ChannelRecord& record = data.channel(band, slot, group);
        if (!GroupCanHold(band, group, slot, record.ChNo)) {
            ++count.Dropped;
            continue;
        }
        Kept& number = kept[record.ChNo];
        if (number.held++ > 0) ++count.Merged;
        number.slot = slot;
        number.inUse = static_cast<i16>(number.inUse | (record.InUse & 1));
        number.scan = static_cast<i16>(number.scan | (record.ScanAdd & 1));
    }
    std::vector<ChannelRecord> records;
    for (int slot = 1; slot <= slots; ++slot) {
        ChannelRecord record = data.channel(band, slot, group);
        const auto found = kept.find(record.ChNo);
        if (found == kept.end() || found->second.slot != slot) continue;
        if (found->second.held > 1) {
            record.InUse = found->second.inUse;
            record.ScanAdd = found->second.scan;
        }
        records.push_back(record);
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
            " (the last one, which the radio receives, is kept, in use and scanned when any of "
            "them was). Records removed because "
            "their group cannot hold their channel number: " +
            dropped + ". Save the file to keep the groups as they are now.",
        "此文件中有些组保存的信道记录超出了组的容量。因信道号重复而合并的记录：" + merged +
            " 条（保留电台收到的最后一条；其中任一条在用或扫描时，保留的一条也在用或扫描）。因本组"
            "无法容纳其信道号而删除的记录：" +
            dropped + " 条。请保存文件以保留现在的组。"};
}

}  // namespace kv
