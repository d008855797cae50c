// The application's copy of the radio's configuration memory: one flat byte array that the radio
// link transfers and the codec fills and decodes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kv {

class MemoryImage {
public:
    static constexpr std::uint32_t kSize = 0x22201;  // indices 0x00000..0x22200

    MemoryImage() { clear(); }

    void clear() { bytes_.fill(0x00); }

    // Out-of-range addresses read as 0x00 and are not written: the codec never computes one
    // for data within the model's ranges, and a stray one must not corrupt memory.
    std::uint8_t at(std::uint32_t address) const { return address < kSize ? bytes_[address] : 0; }
    void put(std::uint32_t address, std::uint8_t value) {
        if (address < kSize) bytes_[address] = value;
    }

    const std::uint8_t* data() const { return bytes_.data(); }
    std::uint8_t* data() { return bytes_.data(); }
    static constexpr std::size_t size() { return kSize; }

    bool operator==(const MemoryImage&) const = default;

private:
    std::array<std::uint8_t, kSize> bytes_{};
};

static_assert(MemoryImage::kSize == 0x22201, "the image spans 0x00000..0x22200");

}  // namespace kv
