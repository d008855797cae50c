// Bit fields of packed bytes and one-bit-per-item maps in the memory image. A layout is a table
// of rows; packing and unpacking walk the same rows, and every value is masked to its width so a
// value too wide for its field never reaches a neighbouring field or byte.
#pragma once

#include <cstdint>
#include <span>

#include "model/memory_image.h"

namespace kv {

// One member of Owner kept in `width` bits from bit `shift` of byte `byte` of a block.
template <typename Owner>
struct BitField {
    std::int16_t Owner::*member;
    std::uint8_t byte;
    std::uint8_t shift;
    std::uint8_t width;
};

constexpr unsigned FieldMask(unsigned width) {
    return (1u << width) - 1u;
}

// Replaces the field's bits of the byte at `address`, leaving its other bits as they are.
inline void PutBits(MemoryImage& image, std::uint32_t address, unsigned shift, unsigned width,
                    int value) {
    const unsigned mask = FieldMask(width) << shift;
    const unsigned bits = (static_cast<unsigned>(value) << shift) & mask;
    image.put(address, static_cast<std::uint8_t>((image.at(address) & ~mask) | bits));
}

inline int GetBits(const MemoryImage& image, std::uint32_t address, unsigned shift,
                   unsigned width) {
    return static_cast<int>((image.at(address) >> shift) & FieldMask(width));
}

template <typename Owner>
void PackFields(std::span<const BitField<Owner>> layout, const Owner& record, MemoryImage& image,
                std::uint32_t base) {
    for (const auto& f : layout) PutBits(image, base + f.byte, f.shift, f.width, record.*f.member);
}

template <typename Owner>
void UnpackFields(std::span<const BitField<Owner>> layout, const MemoryImage& image,
                  std::uint32_t base, Owner& record) {
    for (const auto& f : layout)
        record.*f.member =
            static_cast<std::int16_t>(GetBits(image, base + f.byte, f.shift, f.width));
}

// Item n (from 0) of a bit map starting at `map` is bit n mod 8 of byte n / 8. Bits are ORed in,
// so two channels sharing a number leave the bit set when either is in use.
inline void OrMapBit(MemoryImage& image, std::uint32_t map, int item, int value) {
    const std::uint32_t address = map + static_cast<std::uint32_t>(item / 8);
    const unsigned bit = (static_cast<unsigned>(value) & 1u) << (item % 8);
    image.put(address, static_cast<std::uint8_t>(image.at(address) | bit));
}

inline int GetMapBit(const MemoryImage& image, std::uint32_t map, int item) {
    return GetBits(image, map + static_cast<std::uint32_t>(item / 8),
                   static_cast<unsigned>(item % 8), 1);
}

}  // namespace kv
