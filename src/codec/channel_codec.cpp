// Channel slots, presence and scan bits, CB memories and their reference bytes.
#include "codec/channel_codec.h"

#include <cstdint>
#include <string>

#include "codec/bcd_frequency.h"
#include "codec/bit_layout.h"
#include "codec/channel_layout.h"

namespace kv {
namespace {

constexpr std::uint8_t kNoChannel = 0xFF;
constexpr std::int16_t kEmptyMemory = 255;

// A run of one byte per CB memory. A channel reference holds the referred ChNo − 1, 0xFF for none.
struct MemoryRefRun {
    int first;
    int last;
    std::uint32_t address;
    std::int16_t ChannelRecord::*member;
    bool channelRef;
};
constexpr MemoryRefRun kMemoryRefRuns[] = {
    {1, 80, 0x10600, &ChannelRecord::MemChNo, true},
    {65, 80, 0x10650, &ChannelRecord::MemBand, false},
    {81, 96, 0x10660, &ChannelRecord::MemChNo, true},
};

std::uint32_t CbMemorySlot(int n) {
    return kCbMemSlots + kSlotSize * static_cast<std::uint32_t>(n - 1);
}

void EncodeSlot(const ChannelRecord& record, std::uint32_t slot, MemoryImage& image) {
    PutChannelFrequency(image, slot, record.RxFreqText);
    PackFields<ChannelRecord>(kSlotFields, record, image, slot);
    const bool toned = (record.TxToneType & 3) != 0 || (record.RxToneType & 3) != 0;
    PutBits(image, slot + kToneFlagByte, kToneFlagShift, 1, toned ? 1 : 0);
}

void DecodeSlot(const MemoryImage& image, std::uint32_t slot, const std::string& digits,
                ChannelRecord& record) {
    record.RxFreqText.assign(digits);
    UnpackFields<ChannelRecord>(kSlotFields, image, slot, record);
}

std::uint8_t EncodeChannelRef(std::int16_t memChNo) {
    // 0 has no byte value for "minus one": it is as empty as 255.
    if (memChNo == 0 || memChNo == kEmptyMemory) return kNoChannel;
    return static_cast<std::uint8_t>(memChNo - 1);
}

}  // namespace

void EncodeChannel(int band, int group, const ChannelRecord& record, MemoryImage& image) {
    const auto slot = SlotAddress(band, group, record.ChNo);
    if (!slot) return;
    EncodeSlot(record, *slot, image);
    const GroupMaps maps = GroupMapsOf(band, group);
    if (record.ChNo >= 1 && record.ChNo <= maps.channels) {
        OrMapBit(image, maps.presence, record.ChNo - 1, record.InUse);
        OrMapBit(image, maps.scan, record.ChNo - 1, record.ScanAdd);
    }
}

void DecodeChannel(int band, int group, int chNo, const MemoryImage& image, RadioData& data) {
    const auto slot = SlotAddress(band, group, chNo);
    if (!slot) return;
    const GroupMaps maps = GroupMapsOf(band, group);
    const bool hasBits = chNo >= 1 && chNo <= maps.channels;
    const bool present =
        IsVfoGroup(band, group) || (hasBits && GetMapBit(image, maps.presence, chNo - 1) != 0);
    std::int16_t& count = data.channelCount(band, group);
    if (!present || count < 0 || count >= SlotCapacity(band, group)) return;

    ++count;
    ChannelRecord& record = data.channel(band, count, group);
    record.InUse = 1;
    record.ChNo = static_cast<std::int16_t>(chNo);
    record.ScanAdd = static_cast<std::int16_t>(hasBits ? GetMapBit(image, maps.scan, chNo - 1) : 0);
    const std::string digits = GetFrequencyDigits(image, *slot);
    if (!IsDecimalDigits(digits)) {
        --count;
        return;
    }
    DecodeSlot(image, *slot, digits, record);
}

void EncodeCbMemory(int n, const RadioData& data, MemoryImage& image) {
    if (n < 1 || n > kCbMemCount) return;
    const ChannelRecord& memory = data.Store.cbMem(n);
    EncodeSlot(memory, CbMemorySlot(n), image);
    OrMapBit(image, kCbMemMapA, n - 1, memory.InUse);
    OrMapBit(image, kCbMemMapB, n - 1, memory.ScanAdd);
}

void DecodeCbMemory(int n, const MemoryImage& image, RadioData& data) {
    if (n < 1 || n > kCbMemCount || GetMapBit(image, kCbMemMapA, n - 1) == 0) return;
    ChannelRecord& memory = data.Store.cbMem(n);
    memory.InUse = 1;
    memory.ChNo = static_cast<std::int16_t>(n);
    memory.ScanAdd = static_cast<std::int16_t>(GetMapBit(image, kCbMemMapB, n - 1));
    const std::string digits = GetFrequencyDigits(image, CbMemorySlot(n));
    if (digits == "00000000" || !IsDecimalDigits(digits)) {
        memory.InUse = 0;
        return;
    }
    DecodeSlot(image, CbMemorySlot(n), digits, memory);
}

void EncodeCbMemoryRefs(const RadioData& data, MemoryImage& image) {
    for (const auto& run : kMemoryRefRuns)
        for (int n = run.first; n <= run.last; ++n) {
            const std::int16_t value = data.Store.cbMem(n).*run.member;
            image.put(run.address + static_cast<std::uint32_t>(n - run.first),
                      run.channelRef ? EncodeChannelRef(value) : static_cast<std::uint8_t>(value));
        }
}

void DecodeCbMemoryRefs(const MemoryImage& image, RadioData& data) {
    for (const auto& run : kMemoryRefRuns)
        for (int n = run.first; n <= run.last; ++n) {
            const std::uint8_t byte =
                image.at(run.address + static_cast<std::uint32_t>(n - run.first));
            std::int16_t value = byte;
            if (run.channelRef)
                value = byte == kNoChannel ? kEmptyMemory : static_cast<std::int16_t>(byte + 1);
            data.Store.cbMem(n).*run.member = value;
        }
}

}  // namespace kv
