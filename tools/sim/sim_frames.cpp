// The simulated radio's frame code.
#include "sim_frames.h"

#include <algorithm>

namespace kv::sim {
namespace {

constexpr std::array<std::uint8_t, 7> kProgramBytes = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
constexpr std::array<std::uint8_t, 3> kEndBytes = {'E', 'N', 'D'};
constexpr std::uint8_t kIdentify = 0x02;
constexpr std::uint8_t kRead = 'R';
constexpr std::uint8_t kWrite = 'W';
constexpr std::uint8_t kAck = 0x06;
constexpr std::size_t kReadSize = 6;
constexpr std::size_t kDataSize = 24;

std::uint32_t BigEndianAt(ByteView frame, std::size_t at) {
    return std::uint32_t{frame[at]} << 24 | std::uint32_t{frame[at + 1]} << 16 |
           std::uint32_t{frame[at + 2]} << 8 | frame[at + 3];
}

// Address, length and block bytes added up, modulo 256.
std::uint8_t SumOf(ByteView frame) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < kDataChecksumAt; ++i) sum += frame[i];
    return static_cast<std::uint8_t>(sum);
}

bool InsideImage(std::uint32_t address) {
    return address <= MemoryImage::size() - kBlockBytes;
}

// A text in a fixed field: cut to `size` characters or padded with blanks.
void AppendField(Frame& frame, const std::string& text, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        frame.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : ' ');
}

}  // namespace

std::optional<RequestKind> RequestStartingWith(std::uint8_t first) {
    if (first == kProgramBytes[0]) return RequestKind::Handshake;
    if (first == kIdentify) return RequestKind::Identification;
    if (first == kRead) return RequestKind::Read;
    if (first == kWrite) return RequestKind::Data;
    if (first == kEndBytes[0]) return RequestKind::End;
    return std::nullopt;
}

std::size_t RequestSize(RequestKind kind) {
    switch (kind) {
        case RequestKind::Handshake:
            return kProgramBytes.size();
        case RequestKind::Identification:
            return 1;
        case RequestKind::Read:
            return kReadSize;
        case RequestKind::Data:
            return kDataSize;
        case RequestKind::End:
            return kEndBytes.size();
    }
    return 0;
}

std::optional<std::uint32_t> CheckRequest(RequestKind kind, ByteView frame) {
    if (frame.size() != RequestSize(kind)) return std::nullopt;
    switch (kind) {
        case RequestKind::Handshake:
            if (!std::equal(frame.begin(), frame.end(), kProgramBytes.begin())) return std::nullopt;
            return 0;
        case RequestKind::Identification:
            return 0;
        case RequestKind::End:
            if (!std::equal(frame.begin(), frame.end(), kEndBytes.begin())) return std::nullopt;
            return 0;
        case RequestKind::Read:
        case RequestKind::Data:
            break;
    }
    if (frame[0] != (kind == RequestKind::Read ? kRead : kWrite) || frame[5] != kBlockBytes)
        return std::nullopt;
    if (kind == RequestKind::Data && (frame[kDataChecksumAt] != SumOf(frame) || frame[23] != kAck))
        return std::nullopt;
    const std::uint32_t address = BigEndianAt(frame, 1);
    if (!InsideImage(address)) return std::nullopt;
    return address;
}

Block DataOf(ByteView frame) {
    Block data;
    std::copy_n(frame.begin() + 6, kBlockBytes, data.begin());
    return data;
}

Frame HandshakeAnswer() {
    return {0x57, 0x4A, kAck};
}

Frame IdentificationAnswer(const std::string& model, std::uint8_t option,
                           const std::string& firmware) {
    Frame frame{'I'};
    AppendField(frame, model, 7);
    frame.push_back(option);
    AppendField(frame, firmware, 4);
    frame.resize(16, 0);
    return frame;
}

Frame Ack() {
    return {kAck};
}

Frame BlockAnswer(const MemoryImage& image, std::uint32_t address) {
    Frame frame{kWrite};
    for (int shift = 24; shift >= 0; shift -= 8)
        frame.push_back(static_cast<std::uint8_t>(address >> shift));
    frame.push_back(kBlockBytes);
    for (std::uint32_t i = 0; i < kBlockBytes; ++i) frame.push_back(image.at(address + i));
    frame.push_back(0);
    frame.push_back(kAck);
    frame[kDataChecksumAt] = SumOf(frame);
    return frame;
}

void StoreBlock(MemoryImage& image, std::uint32_t address, const Block& data) {
    for (std::uint32_t i = 0; i < kBlockBytes; ++i) image.put(address + i, data[i]);
}

}  // namespace kv::sim
