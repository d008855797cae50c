// Wire-time emulation for the simulated radio: when each byte has fully crossed a serial line of
// a given baud rate (10 bits a byte: start, 8 data, stop), one line per direction.
#pragma once

#include <chrono>
#include <cstddef>

namespace kv::sim {

using Clock = std::chrono::steady_clock;

class Wire {
public:
    // baud 0: an ideal line, every byte arrives at once.
    explicit Wire(int baud) : baud_(baud) {}

    // Time `count` bytes take on the line.
    Clock::duration ByteTime(std::size_t count) const;

    // `count` bytes were handed to the line at `now`; they queue behind those still on it.
    // Returns when the first of them starts; byte k has fully arrived at start + ByteTime(k + 1).
    Clock::time_point Send(Clock::time_point now, std::size_t count);

private:
    int baud_;
    Clock::time_point free_{};  // when the line has carried everything handed to it
};

}  // namespace kv::sim
