// The frames of the radio programming link: their constants, builders for both directions and
// parsers that check every length and marker before a byte is taken from a frame.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kv {

using Frame = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// Image bytes carried by one read request or data frame.
inline constexpr std::size_t kBlockLength = 16;
using BlockData = std::array<std::uint8_t, kBlockLength>;

// Frame markers.
inline constexpr std::uint8_t kAcknowledgement = 0x06;
inline constexpr std::uint8_t kIdentificationRequestByte = 0x02;
inline constexpr std::uint8_t kIdentificationMarker = 0x49;  // 'I'
inline constexpr std::uint8_t kReadMarker = 0x52;            // 'R'
inline constexpr std::uint8_t kDataMarker = 0x57;            // 'W'
inline constexpr std::array<std::uint8_t, 7> kHandshakeRequest = {0x50, 0x52, 0x4F, 0x47,
                                                                  0x52, 0x41, 0x4D};  // "PROGRAM"
inline constexpr std::array<std::uint8_t, 3> kHandshakeReply = {0x57, 0x4A, 0x06};
inline constexpr std::array<std::uint8_t, 3> kEndRequest = {0x45, 0x4E, 0x44};  // "END"

// Frame lengths in bytes.
inline constexpr std::size_t kHandshakeRequestLength = kHandshakeRequest.size();
inline constexpr std::size_t kIdentificationRequestLength = 1;
inline constexpr std::size_t kReadRequestLength = 6;
inline constexpr std::size_t kDataFrameLength = 24;
inline constexpr std::size_t kEndRequestLength = kEndRequest.size();
inline constexpr std::size_t kHandshakeReplyLength = kHandshakeReply.size();
inline constexpr std::size_t kIdentificationReplyLength = 16;
inline constexpr std::size_t kAcknowledgementLength = 1;

// Identification reply layout: marker, model text, option byte, firmware version, three bytes
// nobody interprets.
inline constexpr std::size_t kModelOffset = 1;
inline constexpr std::size_t kModelLength = 7;
inline constexpr std::size_t kOptionOffset = 8;
inline constexpr std::size_t kFirmwareOffset = 9;
inline constexpr std::size_t kFirmwareLength = 4;

// Data frame layout: marker, big-endian address, block length, data, checksum, acknowledgement.
inline constexpr std::size_t kAddressOffset = 1;
inline constexpr std::size_t kLengthOffset = 5;
inline constexpr std::size_t kDataOffset = 6;
inline constexpr std::size_t kChecksumOffset = 22;
inline constexpr std::size_t kTrailerOffset = 23;

// What an identification reply reports.
struct Identification {
    std::string Model;        // trailing blanks removed, cut before the first NUL
    bool OptionFlag = false;  // option byte equal to 1
    std::string Firmware;     // four characters, taken as they are
};

// A data frame whose markers, length byte and checksum are right.
struct DataBlock {
    std::uint32_t Address = 0;
    BlockData Data{};
};

// What a frame sent to the radio asks for.
enum class RequestKind { Handshake, Identification, Read, Data, End };

// Builders of the frames the program sends.
Frame HandshakeRequest();
Frame IdentificationRequest();
Frame ReadRequest(std::uint32_t address);
Frame DataFrame(std::uint32_t address, const BlockData& data);
Frame EndRequest();

// Builders of the frames the radio sends. The model is padded with blanks or cut to seven
// characters, the firmware version to four; the three uninterpreted bytes are zero.
Frame HandshakeReply();
Frame IdentificationReply(const std::string& model, std::uint8_t option,
                          const std::string& firmware);
Frame Acknowledgement();

// Sum of the address, length and data bytes (offsets 1 to 21) modulo 256.
std::uint8_t DataChecksum(ByteView frame);

// Parsers. Each accepts exactly its frame length and markers, nothing else.
std::optional<Identification> ParseIdentificationReply(ByteView bytes);
std::optional<DataBlock> ParseDataFrame(ByteView bytes);  // checksum checked, address not judged
std::optional<std::uint32_t> ParseReadRequest(ByteView bytes);
bool IsHandshakeReply(ByteView bytes);
bool IsAcknowledgement(ByteView bytes);

// Requests as the radio sees them: the kind announced by a frame's first byte and the length
// such a frame has, so a byte stream can be cut into frames. Empty for an unknown first byte.
std::optional<RequestKind> RequestKindOf(std::uint8_t firstByte);
std::size_t RequestLength(RequestKind kind);

}  // namespace kv
