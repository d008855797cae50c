// Building and parsing the frames of the radio programming link.
#include "link/frames.h"

#include <algorithm>

#include "model/fixed_text.h"

namespace kv {
namespace {

void appendAddress(Frame& frame, std::uint32_t address) {
    for (int shift = 24; shift >= 0; shift -= 8)
        frame.push_back(static_cast<std::uint8_t>(address >> shift));
}

std::uint32_t addressAt(ByteView bytes, std::size_t offset) {
    std::uint32_t address = 0;
    for (std::size_t i = 0; i < 4; ++i) address = (address << 8) | bytes[offset + i];
    return address;
}

// A text placed into a fixed field: padded with `fill` or cut to `length` characters.
void appendText(Frame& frame, const std::string& text, std::size_t length, char fill) {
    std::string field = text.substr(0, length);
    field.resize(length, fill);
    for (char c : field) frame.push_back(static_cast<std::uint8_t>(c));
}

template <std::size_t N>
bool equals(ByteView bytes, const std::array<std::uint8_t, N>& expected) {
    return bytes.size() == N && std::equal(bytes.begin(), bytes.end(), expected.begin());
}

}  // namespace

Frame HandshakeRequest() {
    return Frame(kHandshakeRequest.begin(), kHandshakeRequest.end());
}

Frame IdentificationRequest() {
    return Frame{kIdentificationRequestByte};
}

// Request builders reserve the whole frame at once: one is built for every exchange.
Frame ReadRequest(std::uint32_t address) {
    Frame frame;
    frame.reserve(kReadRequestLength);
    frame.push_back(kReadMarker);
    appendAddress(frame, address);
    frame.push_back(static_cast<std::uint8_t>(kBlockLength));
    return frame;
}

Frame DataFrame(std::uint32_t address, const BlockData& data) {
    Frame frame;
    frame.reserve(kDataFrameLength);
    frame.push_back(kDataMarker);
    appendAddress(frame, address);
    frame.push_back(static_cast<std::uint8_t>(kBlockLength));
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(0);
    frame.push_back(kAcknowledgement);
    frame[kChecksumOffset] = DataChecksum(frame);
    return frame;
}

Frame EndRequest() {
    return Frame(kEndRequest.begin(), kEndRequest.end());
}

Frame HandshakeReply() {
    return Frame(kHandshakeReply.begin(), kHandshakeReply.end());
}

Frame IdentificationReply(const std::string& model, std::uint8_t option,
                          const std::string& firmware) {
    Frame frame{kIdentificationMarker};
    appendText(frame, model, kModelLength, ' ');
    frame.push_back(option);
    appendText(frame, firmware, kFirmwareLength, ' ');
    frame.resize(kIdentificationReplyLength, 0);
    return frame;
}

Frame Acknowledgement() {
    return Frame{kAcknowledgement};
}

std::uint8_t DataChecksum(ByteView frame) {
    std::uint8_t sum = 0;
    const std::size_t end = std::min(frame.size(), kChecksumOffset);
    for (std::size_t i = kAddressOffset; i < end; ++i)
        sum = static_cast<std::uint8_t>(sum + frame[i]);
    return sum;
}

std::optional<Identification> ParseIdentificationReply(ByteView bytes) {
    if (bytes.size() != kIdentificationReplyLength || bytes[0] != kIdentificationMarker)
        return std::nullopt;
    auto text = [&](std::size_t offset, std::size_t length) {
        return std::string(bytes.begin() + offset, bytes.begin() + offset + length);
    };
    Identification id;
    id.Model = TrimName(text(kModelOffset, kModelLength));
    id.OptionFlag = bytes[kOptionOffset] == 1;
    id.Firmware = text(kFirmwareOffset, kFirmwareLength);
    return id;
}

std::optional<DataBlock> ParseDataFrame(ByteView bytes) {
    if (bytes.size() != kDataFrameLength || bytes[0] != kDataMarker ||
        bytes[kLengthOffset] != kBlockLength || bytes[kTrailerOffset] != kAcknowledgement ||
        bytes[kChecksumOffset] != DataChecksum(bytes))
        return std::nullopt;
    DataBlock block;
    block.Address = addressAt(bytes, kAddressOffset);
    std::copy_n(bytes.begin() + kDataOffset, kBlockLength, block.Data.begin());
    return block;
}

std::optional<std::uint32_t> ParseReadRequest(ByteView bytes) {
    if (bytes.size() != kReadRequestLength || bytes[0] != kReadMarker ||
        bytes[kLengthOffset] != kBlockLength)
        return std::nullopt;
    return addressAt(bytes, kAddressOffset);
}

bool IsHandshakeReply(ByteView bytes) {
    return equals(bytes, kHandshakeReply);
}

bool IsAcknowledgement(ByteView bytes) {
    return bytes.size() == kAcknowledgementLength && bytes[0] == kAcknowledgement;
}

std::optional<RequestKind> RequestKindOf(std::uint8_t firstByte) {
    switch (firstByte) {
        case kHandshakeRequest[0]:
            return RequestKind::Handshake;
        case kIdentificationRequestByte:
            return RequestKind::Identification;
        case kReadMarker:
            return RequestKind::Read;
        case kDataMarker:
            return RequestKind::Data;
        case kEndRequest[0]:
            return RequestKind::End;
        default:
            return std::nullopt;
    }
}

std::size_t RequestLength(RequestKind kind) {
    switch (kind) {
        case RequestKind::Handshake:
            return kHandshakeRequestLength;
        case RequestKind::Identification:
            return kIdentificationRequestLength;
        case RequestKind::Read:
            return kReadRequestLength;
        case RequestKind::Data:
            return kDataFrameLength;
        case RequestKind::End:
            return kEndRequestLength;
    }
    return 0;
}

}  // namespace kv
