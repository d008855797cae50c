// Wire-time arithmetic, in whole nanoseconds from the byte count so errors do not accumulate.
#include "sim_wire.h"

#include <algorithm>

namespace kv::sim {

Clock::duration Wire::ByteTime(std::size_t count) const {
    if (baud_ <= 0) return Clock::duration::zero();
    const long long bits = static_cast<long long>(count) * 10;
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds(bits * 1'000'000'000LL / baud_));
}

Clock::time_point Wire::Send(Clock::time_point now, std::size_t count) {
    const Clock::time_point start = std::max(now, free_);
    free_ = start + ByteTime(count);
    return start;
}

}  // namespace kv::sim
