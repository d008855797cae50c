// The transfer map and the block walk over it.
#include "link/transfer_map.h"

#include <gtest/gtest.h>

#include <memory>

namespace kv {
namespace {

TEST(TransferMap, WalkCoversEveryRegionInOrder) {
    const auto addresses = TransferBlockAddresses();
    ASSERT_EQ(addresses.size(), 1872u);
    EXPECT_EQ(addresses.front(), 0x00000u);
    EXPECT_EQ(addresses.back(), 0x22160u);

    std::size_t index = 0;
    for (const auto& region : kTransferRegions)
        for (std::uint32_t a = region.First; a <= region.Last; a += kBlockLength)
            ASSERT_EQ(addresses[index++], a);
    EXPECT_EQ(index, addresses.size());
}

TEST(TransferMap, RegionBlockCounts) {
    const std::size_t expected[] = {200, 120, 200, 200, 200, 160, 160, 160, 128, 101,
                                    101, 21,  20,  7,   21,  25,  32,  9,   7};
    for (std::size_t i = 0; i < kTransferRegions.size(); ++i)
        EXPECT_EQ(kTransferRegions[i].blocks(), expected[i]) << "region " << i + 1;
}

TEST(TransferMap, NextAddressJumpsGaps) {
    struct Case {
        std::int32_t current;
        std::int32_t next;
    };
    const Case cases[] = {
        {-16, 0x00000},     {0x00000, 0x00010}, {0x00C70, 0x02000}, {0x02770, 0x04000},
        {0x04C70, 0x06000}, {0x06C70, 0x08000}, {0x08C70, 0x0A000}, {0x0A9F0, 0x0C000},
        {0x0C9F0, 0x0E000}, {0x0E9F0, 0x10000}, {0x107F0, 0x12000}, {0x12640, 0x14000},
        {0x14640, 0x16000}, {0x16140, 0x16200}, {0x16330, 0x16400}, {0x16460, 0x18000},
        {0x18140, 0x1C000}, {0x1C180, 0x20000}, {0x201F0, 0x22000}, {0x22080, 0x22100},
        {0x22150, 0x22160}, {0x22160, 0x22200}, {0x22200, 0x22200},
    };
    for (const auto& c : cases) EXPECT_EQ(NextAddress(c.current), c.next) << std::hex << c.current;
}

TEST(TransferMap, BlockMembership) {
    EXPECT_TRUE(IsTransferBlock(0x00000));
    EXPECT_TRUE(IsTransferBlock(0x22160));
    EXPECT_TRUE(IsTransferBlock(0x1C180));
    EXPECT_FALSE(IsTransferBlock(0x00C80));
    EXPECT_FALSE(IsTransferBlock(0x22170));
    EXPECT_FALSE(IsTransferBlock(0x18150));
    EXPECT_FALSE(IsTransferBlock(0x00008));
}

TEST(TransferMap, ImageBlocksCopyExactlySixteenBytes) {
    auto image = std::make_unique<MemoryImage>();
    BlockData data;
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(0xA0 + i);
    PutImageBlock(*image, 0x22160, data);
    EXPECT_EQ(ImageBlock(*image, 0x22160), data);
    EXPECT_EQ(image->at(0x2215F), 0x00);
    EXPECT_EQ(image->at(0x22170), 0x00);
}

TEST(TransferMap, DifferingBlocksComparesOnlyInsideTheMap) {
    auto a = std::make_unique<MemoryImage>();
    auto b = std::make_unique<MemoryImage>();
    EXPECT_TRUE(DifferingBlocks(*a, *b).empty());
    struct Change {
        std::uint32_t address;
        bool inMap;
    };
    const Change changes[] = {{0x00000, true},  {0x0001F, true},  {0x00C80, false},
                              {0x1646F, true},  {0x16470, false}, {0x2216F, true},
                              {0x22170, false}, {0x22200, false}};
    std::vector<std::uint32_t> expected;
    for (const Change& c : changes) {
        b->put(c.address, 0x5A);
        if (c.inMap) expected.push_back(c.address - c.address % kBlockLength);
    }
    EXPECT_EQ(DifferingBlocks(*a, *b), expected);
}

}  // namespace
}  // namespace kv
