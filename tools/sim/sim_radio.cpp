// The radio side of the programming protocol, answering from the simulator's memory image.
#include "sim_radio.h"

#include <algorithm>

namespace kv::sim {
namespace {

constexpr std::uint8_t kHandshakeRequest[] = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
constexpr std::uint8_t kEndRequest[] = {'E', 'N', 'D'};
constexpr std::uint8_t kIdentificationRequest = 0x02;
constexpr std::uint8_t kAck = 0x06;
constexpr std::size_t kReadRequestLength = 6;
constexpr std::size_t kDataFrameLength = 24;
constexpr std::size_t kBlockLength = 16;

// SCAFFOLD: replaced by the shared frame layout.
std::uint32_t AddressAt(const Bytes& f) {
    return (std::uint32_t{f[1]} << 24) | (std::uint32_t{f[2]} << 16) | (std::uint32_t{f[3]} << 8) |
           f[4];
}
std::uint8_t Checksum(const Bytes& f) {
    unsigned sum = 0;
    for (std::size_t i = 1; i <= 21; ++i) sum += f[i];
    return static_cast<std::uint8_t>(sum);
}
Bytes DataFrame(std::uint32_t address, const MemoryImage& image) {
    Bytes f{0x57,
            static_cast<std::uint8_t>(address >> 24),
            static_cast<std::uint8_t>(address >> 16),
            static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address),
            0x10};
    for (std::size_t i = 0; i < kBlockLength; ++i) f.push_back(image.at(address + i));
    f.push_back(0);
    f.push_back(0x06);
    f[22] = Checksum(f);
    return f;
}

// How many bytes a request starting with `first` has; 0 when no request starts with it.
std::size_t RequestLength(std::uint8_t first) {
    switch (first) {
        case 'P':
            return sizeof kHandshakeRequest;
        case kIdentificationRequest:
            return 1;
        case 'R':
            return kReadRequestLength;
        case 'W':
            return kDataFrameLength;
        case 'E':
            return sizeof kEndRequest;
        default:
            return 0;
    }
}

bool BlockFits(std::uint32_t address) {
    return address <= MemoryImage::size() - kBlockLength;
}

}  // namespace

SimRadio::SimRadio(Identity identity, Faults faults)
    : identity_(std::move(identity)), faults_(std::move(faults)) {}

void SimRadio::Receive(std::uint8_t byte, std::vector<Exchange>& completed) {
    pending_.push_back(byte);
    while (!pending_.empty()) {
        const std::size_t length = RequestLength(pending_.front());
        if (length == 0) {
            pending_.erase(pending_.begin());
            continue;
        }
        if (pending_.size() < length) return;
        const Bytes frame(pending_.begin(), pending_.begin() + static_cast<long>(length));
        Exchange exchange;
        // A rejected frame goes as a whole: its inner bytes (block data full of 02, 'R' and
        // 'W') must not be taken for requests.
        if (Complete(frame, exchange)) completed.push_back(std::move(exchange));
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(length));
    }
}

bool SimRadio::Complete(const Bytes& f, Exchange& exchange) {
    RequestKind kind;
    switch (f.front()) {
        case 'P':
            if (!std::equal(f.begin(), f.end(), std::begin(kHandshakeRequest))) return false;
            kind = RequestKind::Handshake;
            break;
        case kIdentificationRequest:
            kind = RequestKind::Identification;
            break;
        case 'R':
            if (f[5] != kBlockLength || !BlockFits(AddressAt(f))) return false;
            kind = RequestKind::Read;
            break;
        case 'W':
            if (f[5] != kBlockLength || f[23] != kAck || f[22] != Checksum(f) ||
                !BlockFits(AddressAt(f)))
                return false;
            kind = RequestKind::Write;
            break;
        default:
            if (!std::equal(f.begin(), f.end(), std::begin(kEndRequest))) return false;
            kind = RequestKind::End;
            break;
    }
    exchange.number = ++requests_;
    exchange.kind = kind;
    exchange.request = f;
    exchange.reply = Answer(kind, f);
    ApplyFaults(exchange.number, kind, exchange.reply);
    return true;
}

Bytes SimRadio::Answer(RequestKind kind, const Bytes& request) {
    switch (kind) {
        case RequestKind::Handshake:
            return {0x57, 0x4A, 0x06};
        case RequestKind::Identification: {
            Bytes reply{'I'};
            std::string model = identity_.model.substr(0, 7);
            model.resize(7, ' ');
            std::string firmware = identity_.firmware.substr(0, 4);
            firmware.resize(4, ' ');
            reply.insert(reply.end(), model.begin(), model.end());
            reply.push_back(identity_.optionByte);
            reply.insert(reply.end(), firmware.begin(), firmware.end());
            reply.resize(16, 0x00);
            return reply;
        }
        case RequestKind::Read:
            return DataFrame(AddressAt(request), image_);
        case RequestKind::Write: {
            const std::uint32_t address = AddressAt(request);
            for (std::size_t i = 0; i < kBlockLength; ++i) image_.put(address + i, request[6 + i]);
            return {kAck};
        }
        case RequestKind::End:
            return {kAck};
    }
    return {};
}

void SimRadio::ApplyFaults(int number, RequestKind kind, Bytes& reply) const {
    if (faults_.dropReply.contains(number) ||
        (faults_.silentAfter >= 0 && number > faults_.silentAfter)) {
        reply.clear();
        return;
    }
    if (faults_.wrongAddress.contains(number) && kind == RequestKind::Read)
        reply = DataFrame(AddressAt(reply) - kBlockLength, image_);
    if (faults_.corruptChecksum.contains(number)) {
        if (kind == RequestKind::Read)
            ++reply[22];
        else
            ++reply.back();
    }
    if (faults_.shortReply.contains(number)) reply.pop_back();
}

}  // namespace kv::sim
