// Small builders shared by the codec tests: documents and images on the heap (both are large),
// channels appended to a group, and expected byte runs at image addresses.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ios>
#include <memory>
#include <vector>

#include "model/memory_image.h"
#include "model/radio_data.h"

namespace kv::test {

inline std::unique_ptr<RadioData> NewData() {
    return std::make_unique<RadioData>();
}
inline std::unique_ptr<MemoryImage> NewImage() {
    return std::make_unique<MemoryImage>();
}

inline ChannelRecord MakeChannel(int chNo, const char* freq) {
    ChannelRecord record;
    record.ChNo = static_cast<std::int16_t>(chNo);
    record.InUse = 1;
    record.RxFreqText.assign(freq);
    return record;
}

// Puts the record into the group's next slot.
inline ChannelRecord& Append(RadioData& data, int band, int group, const ChannelRecord& record) {
    const int slot = ++data.channelCount(band, group);
    return data.channel(band, slot, group) = record;
}

struct ByteRun {
    std::uint32_t address;
    std::vector<std::uint8_t> bytes;
};

inline void ExpectBytes(const MemoryImage& image, const std::vector<ByteRun>& runs) {
    for (const auto& run : runs)
        for (std::size_t i = 0; i < run.bytes.size(); ++i) {
            const std::uint32_t address = run.address + static_cast<std::uint32_t>(i);
            EXPECT_EQ(image.at(address), run.bytes[i]) << "at 0x" << std::hex << address;
        }
}

}  // namespace kv::test
