// Address tables of the tone records and the emergency, dual-watch and memory-key blocks.
#include "codec/block_codec.h"

#include <array>
#include <cstdint>
#include <span>

#include "codec/bit_layout.h"

namespace kv {
namespace {

// One block value at one address. A decoded byte at or above `zeroFrom` gives 0.
struct BlockByte {
    std::uint32_t address;
    std::uint8_t index;
    std::uint16_t zeroFrom = 0x100;
};

// Values 0..11 pair i with i + 6, so do values 12..23; values 24..35 follow in their own order.
constexpr auto kEmgLayout = [] {
    std::array<BlockByte, 36> rows{};
    std::size_t r = 0;
    for (std::uint32_t i = 0; i < 6; ++i)
        for (std::uint32_t j = 0; j < 2; ++j) {
            rows[r++] = {0x18040 + 2 * i + j, static_cast<std::uint8_t>(i + 6 * j)};
            rows[r++] = {0x1804C + 2 * i + j, static_cast<std::uint8_t>(12 + i + 6 * j)};
            rows[r++] = {0x18058 + 2 * i + j, static_cast<std::uint8_t>(24 + 2 * i + j)};
        }
    return rows;
}();

constexpr auto kDwLayout = [] {
    std::array<BlockByte, 18> rows{};
    for (std::uint8_t k = 0; k < rows.size(); ++k) rows[k] = {0x18080u + k, k};
    rows[12].zeroFrom = 15;
    rows[15].zeroFrom = 12;
    return rows;
}();

constexpr BlockByte kMemKeyLayout[] = {
    {0x180C0, 6},  {0x180C1, 7},  {0x180C2, 8},  {0x180C3, 9},  {0x180C4, 10}, {0x180C5, 11},
    {0x180C6, 0},  {0x180C7, 1},  {0x180C8, 2},  {0x180C9, 3},  {0x180CA, 4},  {0x180CB, 5},
    {0x180CC, 13}, {0x180CD, 12}, {0x180CE, 15}, {0x180CF, 14},
};

template <std::size_t N>
void EncodeBlock(const std::array<i16, N>& values, std::span<const BlockByte> layout,
                 MemoryImage& image) {
    for (const auto& row : layout)
        image.put(row.address, static_cast<std::uint8_t>(values[row.index]));
}

template <std::size_t N>
void DecodeBlock(const MemoryImage& image, std::span<const BlockByte> layout,
                 std::array<i16, N>& values) {
    for (const auto& row : layout) {
        const std::uint8_t byte = image.at(row.address);
        values[row.index] = byte >= row.zeroFrom ? 0 : byte;
    }
}

// Tone r: 32 bytes from 0x20100 + 32 × (r − 1); repeat, interval, 14 frequencies, 14 times.
constexpr std::uint32_t kTones = 0x20100;
constexpr std::uint32_t kToneSize = 32;
constexpr BitField<ToneRecord> kToneFields[] = {
    {&ToneRecord::ToneRepeat, 0, 0, 8},
    {&ToneRecord::ToneInterval, 1, 0, 8},
};
constexpr std::uint32_t kToneFreqs = 2;
constexpr std::uint32_t kToneTimes = 16;

std::uint32_t ToneBase(std::size_t tone) {
    return kTones + kToneSize * static_cast<std::uint32_t>(tone);
}

}  // namespace

void EncodeTones(const ConfigRecord& config, MemoryImage& image) {
    for (std::size_t t = 0; t < config.ToneTable.size(); ++t) {
        const ToneRecord& tone = config.ToneTable[t];
        const std::uint32_t base = ToneBase(t);
        PackFields<ToneRecord>(kToneFields, tone, image, base);
        for (std::uint32_t s = 0; s < tone.Steps.size(); ++s) {
            image.put(base + kToneFreqs + s, static_cast<std::uint8_t>(tone.Steps[s].ToneFreq));
            image.put(base + kToneTimes + s, static_cast<std::uint8_t>(tone.Steps[s].ToneTime));
        }
    }
}

void DecodeTones(const MemoryImage& image, ConfigRecord& config) {
    for (std::size_t t = 0; t < config.ToneTable.size(); ++t) {
        ToneRecord& tone = config.ToneTable[t];
        const std::uint32_t base = ToneBase(t);
        UnpackFields<ToneRecord>(kToneFields, image, base, tone);
        for (std::uint32_t s = 0; s < tone.Steps.size(); ++s) {
            tone.Steps[s].ToneFreq = image.at(base + kToneFreqs + s);
            tone.Steps[s].ToneTime = image.at(base + kToneTimes + s);
        }
    }
}

void EncodeEmgBlock(const ConfigRecord& config, MemoryImage& image) {
    EncodeBlock(config.EmgBlock, kEmgLayout, image);
}
void EncodeDwBlock(const ConfigRecord& config, MemoryImage& image) {
    EncodeBlock(config.DwBlock, kDwLayout, image);
}
void EncodeMemKeyBlock(const ConfigRecord& config, MemoryImage& image) {
    EncodeBlock(config.MemKeyBlock, kMemKeyLayout, image);
}

void DecodeEmgBlock(const MemoryImage& image, ConfigRecord& config) {
    DecodeBlock(image, kEmgLayout, config.EmgBlock);
}
void DecodeDwBlock(const MemoryImage& image, ConfigRecord& config) {
    DecodeBlock(image, kDwLayout, config.DwBlock);
}
void DecodeMemKeyBlock(const MemoryImage& image, ConfigRecord& config) {
    DecodeBlock(image, kMemKeyLayout, config.MemKeyBlock);
}

}  // namespace kv
