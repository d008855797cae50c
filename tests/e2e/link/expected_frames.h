// What the radio must receive, written out for the end-to-end tests from the radio's memory map
// and frame layout rather than taken from the program's frame builder and transfer map, so a
// mistake shared by the program and its builders cannot pass unseen.
#pragma once

#include <cstdint>
#include <vector>

#include "model/memory_image.h"

namespace kv::test {

using Bytes = std::vector<std::uint8_t>;

// The regions a session carries, first and last byte, in the order the radio's map lists them.
struct MapRegion {
    std::uint32_t first;
    std::uint32_t last;
};
inline constexpr MapRegion kMapRegions[] = {
    {0x00000, 0x00C7F}, {0x02000, 0x0277F}, {0x04000, 0x04C7F}, {0x06000, 0x06C7F},
    {0x08000, 0x08C7F}, {0x0A000, 0x0A9FF}, {0x0C000, 0x0C9FF}, {0x0E000, 0x0E9FF},
    {0x10000, 0x107FF}, {0x12000, 0x1264F}, {0x14000, 0x1464F}, {0x16000, 0x1614F},
    {0x16200, 0x1633F}, {0x16400, 0x1646F}, {0x18000, 0x1814F}, {0x1C000, 0x1C18F},
    {0x20000, 0x201FF}, {0x22000, 0x2208F}, {0x22100, 0x2216F},
};
inline constexpr std::size_t kMapBlocks = 1872;

inline bool InMap(std::uint32_t address) {
    for (const MapRegion& r : kMapRegions)
        if (address >= r.first && address <= r.last) return true;
    return false;
}

// Every block address of a whole session, in order.
inline std::vector<std::uint32_t> MapBlockAddresses() {
    std::vector<std::uint32_t> addresses;
    for (const MapRegion& r : kMapRegions)
        for (std::uint32_t a = r.first; a < r.last; a += 16) addresses.push_back(a);
    return addresses;
}

inline const Bytes kProgramRequest{'P', 'R', 'O', 'G', 'R', 'A', 'M'};
inline const Bytes kIdentifyRequest{0x02};
inline const Bytes kEndRequestBytes{'E', 'N', 'D'};
inline constexpr std::size_t kDataFrameBytes = 24;

// 'R', the big-endian address, 16.
inline Bytes ReadRequestBytes(std::uint32_t address) {
    return {'R',
            static_cast<std::uint8_t>(address >> 24),
            static_cast<std::uint8_t>(address >> 16),
            static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address),
            16};
}

// 'W', the big-endian address, 16, the image's 16 bytes there, their checksum (the bytes from
// the address on, added modulo 256), 06.
inline Bytes DataFrameBytes(std::uint32_t address, const MemoryImage& image) {
    Bytes frame = ReadRequestBytes(address);
    frame[0] = 'W';
    for (std::uint32_t i = 0; i < 16; ++i) frame.push_back(image.at(address + i));
    unsigned sum = 0;
    for (std::size_t i = 1; i < frame.size(); ++i) sum += frame[i];
    frame.push_back(static_cast<std::uint8_t>(sum % 256));
    frame.push_back(0x06);
    return frame;
}

}  // namespace kv::test
