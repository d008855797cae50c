// The completion percentage of a transfer, which follows the block address through the image.
#pragma once

#include <cstdint>

namespace kv {

// address × 100 / 0x22200, rounded to the nearest integer with halves to even.
int TransferPercent(std::int32_t address);

}  // namespace kv
