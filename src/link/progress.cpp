// The completion percentage of a transfer.
#include "link/progress.h"

#include "link/transfer_map.h"

namespace kv {

int TransferPercent(std::int32_t address) {
    if (address <= 0) return 0;
    const std::int64_t numerator = std::int64_t{address} * 100;
    const std::int64_t quotient = numerator / kImageEnd;
    const std::int64_t twiceRemainder = 2 * (numerator % kImageEnd);
    const bool roundUp =
        twiceRemainder > kImageEnd || (twiceRemainder == kImageEnd && quotient % 2 == 1);
    return static_cast<int>(quotient + (roundUp ? 1 : 0));
}

}  // namespace kv
