// The radio side of the programming protocol, answering from the simulator's memory image.
#include "sim_radio.h"

namespace kv::sim {

SimRadio::SimRadio(Identity identity, Faults faults)
    : identity_(std::move(identity)), faults_(std::move(faults)) {}

void SimRadio::Receive(std::uint8_t byte, std::vector<Exchange>& completed) {
    pending_.push_back(byte);
    while (!pending_.empty()) {
        const std::optional<RequestKind> kind = RequestStartingWith(pending_.front());
        if (!kind) {
            pending_.erase(pending_.begin());
            continue;
        }
        const std::size_t length = RequestSize(*kind);
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
    const RequestKind kind = *RequestStartingWith(frame.front());
    if (!CheckRequest(kind, frame)) return false;
    exchange.number = ++requests_;
    exchange.kind = kind;
    exchange.request.assign(frame.begin(), frame.end());
    exchange.reply = Answer(exchange.number, kind, frame);
    ApplyFaults(exchange.number, kind, frame, exchange.reply);
    return true;
}

Frame SimRadio::Answer(int number, RequestKind kind, ByteView request) {
    switch (kind) {
        case RequestKind::Handshake:
            return HandshakeAnswer();
        case RequestKind::Identification:
            return IdentificationAnswer(identity_.model, identity_.optionByte, identity_.firmware);
        case RequestKind::Read:
            return BlockAnswer(image_, *CheckRequest(kind, request));
        case RequestKind::Data:
            if (!faults_.loseWrite.contains(number))
                StoreBlock(image_, *CheckRequest(kind, request), DataOf(request));
            return Ack();
        case RequestKind::End:
            return Ack();
    }
    return {};
}

void SimRadio::ApplyFaults(int number, RequestKind kind, ByteView request, Frame& reply) const {
    if (faults_.dropReply.contains(number) ||
        (faults_.silentAfter >= 0 && number > faults_.silentAfter)) {
        reply.clear();
        return;
    }
    if (faults_.wrongAddress.contains(number) && kind == RequestKind::Read)
        reply = BlockAnswer(image_, *CheckRequest(kind, request) - kBlockBytes);
    if (faults_.corruptChecksum.contains(number)) {
        if (kind == RequestKind::Read)
            ++reply[kDataChecksumAt];
        else
            ++reply.back();
    }
    if (faults_.shortReply.contains(number)) reply.pop_back();
}

}  // namespace kv::sim
