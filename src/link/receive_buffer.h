// The receive threshold: bytes from the line are collected until at least the expected reply
// length has arrived, then everything collected is handed over as one reply.
#pragma once

#include <cstddef>
#include <optional>

#include "link/frames.h"

namespace kv {

class ReceiveBuffer {
public:
    void setThreshold(std::size_t threshold) { threshold_ = threshold == 0 ? 1 : threshold; }
    std::size_t threshold() const { return threshold_; }

    void append(ByteView bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }
    void discard() { bytes_.clear(); }
    std::size_t size() const { return bytes_.size(); }

    // All collected bytes once the threshold is reached; nothing (and nothing taken) before.
    std::optional<Frame> takeReply();

private:
    Frame bytes_;
    std::size_t threshold_ = 1;
};

}  // namespace kv
