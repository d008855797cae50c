// The receive threshold.
#include "link/receive_buffer.h"

#include <utility>

namespace kv {

std::optional<Frame> ReceiveBuffer::takeReply() {
    if (bytes_.size() < threshold_) return std::nullopt;
    return std::exchange(bytes_, Frame{});
}

}  // namespace kv
