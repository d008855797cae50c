// The radio side of the programming protocol, answering from the simulator's memory image.
#include "sim_radio.h"

#include <algorithm>

#include "link/transfer_map.h"

namespace kv::sim {
namespace {

// The block at `address` lies wholly inside the image.
bool BlockFits(std::uint32_t address) {
    return address <= MemoryImage::size() - kBlockLength;
}

// The data frame that answers a read request for `address`.
Frame BlockReply(const MemoryImage& image, std::uint32_t address) {
    return DataFrame(address, ImageBlock(image, address));
}

}  // namespace

SimRadio::SimRadio(Identity identity, Faults faults)
    : identity_(std::move(identity)), faults_(std::move(faults)) {}

void SimRadio::Receive(std::uint8_t byte, std::vector<Exchange>& completed) {
    pending_.push_back(byte);
    while (!pending_.empty()) {
        const std::optional<RequestKind> kind = RequestKindOf(pending_.front());
        if (!kind) {
            pending_.erase(pending_.begin());
            continue;
        }
        const std::size_t length = RequestLength(*kind);
        if (pending_.size() < length) return;
        Exchange exchange;
        // A rejected frame goes as a whole: its inner bytes (block data full of 02, 'R' and
        // 'W') must not be taken for requests.
        if (Complete(ByteView(pending_).first(length), exchange))
            completed.push_back(std::move(exchange));
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(length));
    }
}

bool SimRadio::Complete(ByteView frame, Exchange& exchange) {
    const RequestKind kind = *RequestKindOf(frame.front());
    bool valid = true;
    switch (kind) {
        case RequestKind::Handshake:
            valid = std::equal(frame.begin(), frame.end(), kHandshakeRequest.begin());
            break;
        case RequestKind::Identification:
            break;
        case RequestKind::Read: {
            const std::optional<std::uint32_t> address = ParseReadRequest(frame);
            valid = address && BlockFits(*address);
            break;
        }
        case RequestKind::Data: {
            const std::optional<DataBlock> block = ParseDataFrame(frame);
            valid = block && BlockFits(block->Address);
            break;
        }
        case RequestKind::End:
            valid = std::equal(frame.begin(), frame.end(), kEndRequest.begin());
            break;
    }
    if (!valid) return false;
    exchange.number = ++requests_;
    exchange.kind = kind;
    exchange.request.assign(frame.begin(), frame.end());
    exchange.reply = Answer(kind, frame);
    ApplyFaults(exchange.number, kind, exchange.reply);
    return true;
}

Frame SimRadio::Answer(RequestKind kind, ByteView request) {
    switch (kind) {
        case RequestKind::Handshake:
            return HandshakeReply();
        case RequestKind::Identification:
            return IdentificationReply(identity_.model, identity_.optionByte, identity_.firmware);
        case RequestKind::Read:
            return BlockReply(image_, *ParseReadRequest(request));
        case RequestKind::Data: {
            const DataBlock block = *ParseDataFrame(request);
            PutImageBlock(image_, block.Address, block.Data);
            return Acknowledgement();
        }
        case RequestKind::End:
            return Acknowledgement();
    }
    return {};
}

void SimRadio::ApplyFaults(int number, RequestKind kind, Frame& reply) const {
    if (faults_.dropReply.contains(number) ||
        (faults_.silentAfter >= 0 && number > faults_.silentAfter)) {
        reply.clear();
        return;
    }
    if (faults_.wrongAddress.contains(number) && kind == RequestKind::Read)
        reply = BlockReply(image_, ParseDataFrame(reply)->Address - kBlockLength);
    if (faults_.corruptChecksum.contains(number)) {
        if (kind == RequestKind::Read)
            ++reply[kChecksumOffset];
        else
            ++reply.back();
    }
    if (faults_.shortReply.contains(number)) reply.pop_back();
}

}  // namespace kv::sim
