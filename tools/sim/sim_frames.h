// The radio's own reading of the programming frames: which request a byte stream holds, the
// checks a request must pass, and the replies it builds. Written apart from the program's frame
// code on purpose, so that a mistake in one is caught by the other in the end-to-end tests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/memory_image.h"

namespace kv::sim {

using Frame = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// Image bytes carried by one read request or data frame.
inline constexpr std::uint32_t kBlockBytes = 16;
using Block = std::array<std::uint8_t, kBlockBytes>;

// A data frame: 'W', big-endian address, length 16, the block, checksum, 06.
inline constexpr std::size_t kDataChecksumAt = 22;

enum class RequestKind { Handshake, Identification, Read, Data, End };

// The request a first byte announces, and how long that request is; empty for any other byte.
std::optional<RequestKind> RequestStartingWith(std::uint8_t first);
std::size_t RequestSize(RequestKind kind);

// A whole request of `kind` as it must be; for reads and data frames, the block address.
// Empty when a byte is wrong or the block does not lie wholly inside the image.
std::optional<std::uint32_t> CheckRequest(RequestKind kind, ByteView frame);

// The 16 bytes of a data frame (one that passed CheckRequest).
Block DataOf(ByteView frame);

// Replies.
Frame HandshakeAnswer();
Frame IdentificationAnswer(const std::string& model, std::uint8_t option,
                           const std::string& firmware);
Frame Ack();
// The image block at `address` as a data frame; bytes outside the image read as 0.
Frame BlockAnswer(const MemoryImage& image, std::uint32_t address);

void StoreBlock(MemoryImage& image, std::uint32_t address, const Block& data);

}  // namespace kv::sim
