// The regions of the memory image a session transfers, in transfer order, and the block walk
// over them. Image bytes outside these regions are never sent or received.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "link/frames.h"
#include "model/memory_image.h"

namespace kv {

struct TransferRegion {
    std::uint32_t First;  // address of the first byte
    std::uint32_t Last;   // address of the last byte, inclusive

    constexpr std::size_t blocks() const { return (Last - First + 1) / kBlockLength; }
};

inline constexpr std::array<TransferRegion, 19> kTransferRegions = {{
    {0x00000, 0x00C7F}, {0x02000, 0x0277F}, {0x04000, 0x04C7F}, {0x06000, 0x06C7F},
    {0x08000, 0x08C7F}, {0x0A000, 0x0A9FF}, {0x0C000, 0x0C9FF}, {0x0E000, 0x0E9FF},
    {0x10000, 0x107FF}, {0x12000, 0x1264F}, {0x14000, 0x1464F}, {0x16000, 0x1614F},
    {0x16200, 0x1633F}, {0x16400, 0x1646F}, {0x18000, 0x1814F}, {0x1C000, 0x1C18F},
    {0x20000, 0x201FF}, {0x22000, 0x2208F}, {0x22100, 0x2216F},
}};

// The walk is complete once the next address is not below this one.
inline constexpr std::int32_t kImageEnd = 0x22200;
// The address before the first block, so that the first step of the walk lands on 0.
inline constexpr std::int32_t kWalkStart = -static_cast<std::int32_t>(kBlockLength);

constexpr std::size_t TransferBlockCount() {
    std::size_t count = 0;
    for (const auto& region : kTransferRegions) count += region.blocks();
    return count;
}
inline constexpr std::size_t kTransferBlockCount = TransferBlockCount();
static_assert(kTransferBlockCount == 1872, "the transfer map holds 1872 blocks");

// One step of the walk: the address one block on, moved to the start of the next region when
// it falls into a gap, and kImageEnd once it passes the last region.
std::int32_t NextAddress(std::int32_t current);

// True when the block starting at `address` belongs to the transfer map.
bool IsTransferBlock(std::uint32_t address);

// Every block address of a whole session, in walk order.
std::vector<std::uint32_t> TransferBlockAddresses();

// The 16 image bytes of the block at `address`, and storing a block there.
BlockData ImageBlock(const MemoryImage& image, std::uint32_t address);
void PutImageBlock(MemoryImage& image, std::uint32_t address, const BlockData& data);

// The blocks of the transfer map whose bytes differ between the two images, in walk order.
// Bytes outside the map are never compared: no session carries them.
std::vector<std::uint32_t> DifferingBlocks(const MemoryImage& a, const MemoryImage& b);

}  // namespace kv
