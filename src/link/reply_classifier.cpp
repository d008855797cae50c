// Recognising a reply from the radio.
#include "link/reply_classifier.h"

namespace kv {

Reply ClassifyReply(ByteView bytes, std::int32_t currentAddress) {
    if (IsAcknowledgement(bytes)) return {ReplyKind::Acknowledgement, {}, {}};
    if (IsHandshakeReply(bytes)) return {ReplyKind::Handshake, {}, {}};
    if (auto id = ParseIdentificationReply(bytes)) return {ReplyKind::Identification, id, {}};
    if (auto block = ParseDataFrame(bytes);
        block && currentAddress >= 0 &&
        block->Address == static_cast<std::uint32_t>(currentAddress))
        return {ReplyKind::Data, {}, block};
    return {};
}

}  // namespace kv
