// Rows and records of the channel grid.
#include "editors/channels/grid_rows.h"

#include "editors/channels/channel_names.h"
#include "editors/channels/channel_slots.h"

namespace kv {
namespace {

constexpr int kWideColumnTwips = 1520;
constexpr int kNarrowColumnTwips = 1260;

}  // namespace

int SelectableGroups(int band) {
    return band >= 0 && band < kBandCount ? kGroupsPerBand[band] : 0;
}

GridShape GridShapeFor(int band, int group) {
    if (!IsStoreGroup(band, group)) return {};
    if (band == kBandCb) {
        const int channels = SlotCapacity(band, group);
        return {channels + kCbMemoriesPerBlock, channels, false,
                channels > kLastNormalChannel ? kWideColumnTwips : kNarrowColumnTwips};
    }
    if (IsMemGroup(band, group)) return {99, 99, true, kWideColumnTwips};
    if (IsVfoGroup(band, group)) return {1, 1, false, kWideColumnTwips};
    return {kLastNormalChannel, kLastNormalChannel, false, kNarrowColumnTwips};
}

std::string GridRowLabel(int band, int group, int row) {
    const GridShape shape = GridShapeFor(band, group);
    if (row < 1 || row > shape.rows) return {};
    if (shape.memLabels) return "M" + std::to_string(row);
    if (row > shape.channelRows) return "M" + std::to_string(row - shape.channelRows);
    return std::to_string(row);
}

int CbMemBlock(int group) {
    if (group >= 1 && group <= 6) return group;
    return group == 7 ? 5 : 0;
}

int CbMemRecord(int group, int memory) {
    const int block = CbMemBlock(group);
    if (block == 0 || memory < 1 || memory > kCbMemoriesPerBlock) return 0;
    return kCbMemoriesPerBlock * (block - 1) + memory;
}

int CbMemReferredGroup(int group, const ChannelRecord& memory) {
    if (group == 5 || group == 7) return memory.MemBand == 1 ? 7 : 5;
    return group;
}

RowRecord FindRowRecord(const RadioData& data, int band, int group, int row) {
    const GridShape shape = GridShapeFor(band, group);
    if (row < 1 || row > shape.rows) return {};
    if (band == kBandCb && row > shape.channelRows) {
        const int record = CbMemRecord(group, row - shape.channelRows);
        return record > 0 ? RowRecord{RowRecord::Kind::CbMemory, record} : RowRecord{};
    }
    if (IsVfoGroup(band, group))
        return UsedSlots(data, band, group) >= 1 ? RowRecord{RowRecord::Kind::Channel, 1}
                                                 : RowRecord{};
    const int slot = FindSlot(data, band, group, row);
    return slot > 0 ? RowRecord{RowRecord::Kind::Channel, slot} : RowRecord{};
}

const ChannelRecord* RecordOf(const RadioData& data, int band, int group, const RowRecord& found) {
    switch (found.kind) {
        case RowRecord::Kind::Channel:
            return &data.channel(band, found.index, group);
        case RowRecord::Kind::CbMemory:
            return &data.Store.cbMem(found.index);
        case RowRecord::Kind::None:
            break;
    }
    return nullptr;
}

ChannelRecord* RecordOf(RadioData& data, int band, int group, const RowRecord& found) {
    return const_cast<ChannelRecord*>(
        RecordOf(static_cast<const RadioData&>(data), band, group, found));
}

const ChannelRecord* CbMemReferredChannel(const RadioData& data, int group,
                                          const ChannelRecord& memory) {
    if (memory.InUse != 1 || memory.MemChNo >= 255) return nullptr;
    const int referred = CbMemReferredGroup(group, memory);
    const int slot = FindSlot(data, kBandCb, referred, memory.MemChNo);
    return slot > 0 ? &data.channel(kBandCb, slot, referred) : nullptr;
}

int ListEditLastRow(int band, int group) {
    return SlotCapacity(band, group);
}

bool IsCbMemoryRow(int band, int group, int row) {
    const GridShape shape = GridShapeFor(band, group);
    return band == kBandCb && row > shape.channelRows && row <= shape.rows;
}

}  // namespace kv
