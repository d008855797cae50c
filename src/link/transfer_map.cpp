// The block walk over the transfer map.
#include "link/transfer_map.h"

namespace kv {

std::int32_t NextAddress(std::int32_t current) {
    if (current >= kImageEnd) return kImageEnd;
    const std::int32_t next = current + static_cast<std::int32_t>(kBlockLength);
    for (const auto& region : kTransferRegions) {
        const auto first = static_cast<std::int32_t>(region.First);
        const auto last = static_cast<std::int32_t>(region.Last);
        if (next <= last) return next < first ? first : next;
    }
    return kImageEnd;
}

bool IsTransferBlock(std::uint32_t address) {
    if (address % kBlockLength != 0) return false;
    for (const auto& region : kTransferRegions)
        if (address >= region.First && address <= region.Last) return true;
    return false;
}

std::vector<std::uint32_t> TransferBlockAddresses() {
    std::vector<std::uint32_t> addresses;
    addresses.reserve(kTransferBlockCount);
    for (std::int32_t a = NextAddress(kWalkStart); a < kImageEnd; a = NextAddress(a))
        addresses.push_back(static_cast<std::uint32_t>(a));
    return addresses;
}

BlockData ImageBlock(const MemoryImage& image, std::uint32_t address) {
    BlockData data;
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = image.at(address + i);
    return data;
}

void PutImageBlock(MemoryImage& image, std::uint32_t address, const BlockData& data) {
    for (std::size_t i = 0; i < data.size(); ++i) image.put(address + i, data[i]);
}

std::vector<std::uint32_t> DifferingBlocks(const MemoryImage& a, const MemoryImage& b) {
    std::vector<std::uint32_t> differing;
    for (const auto& region : kTransferRegions)
        for (std::uint32_t address = region.First; address < region.Last; address += kBlockLength)
            if (ImageBlock(a, address) != ImageBlock(b, address)) differing.push_back(address);
    return differing;
}

}  // namespace kv
