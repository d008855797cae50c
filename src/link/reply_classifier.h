// Recognising a reply from the radio. A reply is everything buffered when the receive threshold
// was reached; it is accepted only when it is exactly one of the radio's frames.
#pragma once

#include <cstdint>
#include <optional>

#include "link/frames.h"

namespace kv {

enum class ReplyKind { Acknowledgement, Handshake, Identification, Data, Unrecognised };

struct Reply {
    ReplyKind Kind = ReplyKind::Unrecognised;
    std::optional<Identification> Id;  // set for Identification
    std::optional<DataBlock> Block;    // set for Data
};

// First match wins: acknowledgement, handshake reply, identification reply, then a data frame
// for exactly `currentAddress` with a right checksum. A data frame for any other address (a late
// answer to an earlier request) is Unrecognised.
Reply ClassifyReply(ByteView bytes, std::int32_t currentAddress);

}  // namespace kv
