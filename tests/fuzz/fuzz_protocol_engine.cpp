// The protocol engine fed any bytes and reply-timer expiries in any order, during a read or a
// write. The first input byte chooses the session and what the radio reports; every later byte is
// one event: a right reply from the radio, a spoilt or cut one, raw bytes from the line, a burst
// of right replies (to reach deep into the walk), or the reply timer's expiry. The transport
// below checks every action list against the session's bounds:
//  - a frame is transmitted at most five times, and a retransmission repeats the last frame;
//  - every new frame is the next one of the walk: handshake, identification, the blocks in map
//    order (a write's data frame carries the image block), then the end request;
//  - a session ends once; when the input runs out, the timer alone ends it within five expiries;
//  - a read succeeds only after every block of the map was accepted, the image then holding
//    exactly what was accepted; a write never changes the image; a failed session's outcome
//    hands out no completion.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <variant>

#include "fuzz_support.h"
#include "link/protocol_engine.h"
#include "link/receive_buffer.h"
#include "link/transfer_map.h"

namespace {

using kv::fuzz::Check;

class Input {
public:
    Input(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t next() { return at_ < size_ ? bytes_[at_++] : 0; }

private:
    const std::uint8_t* bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The radio's memory for reads: a pattern that differs in every block.
std::uint8_t RadioByte(std::uint32_t address) {
    return static_cast<std::uint8_t>(address * 31 + (address >> 8) * 7 + 1);
}

// The image a write sends, made once: the target runs many sessions a second.
const kv::MemoryImage& WriteImage() {
    static const std::unique_ptr<kv::MemoryImage> image = [] {
        auto made = std::make_unique<kv::MemoryImage>();
        for (std::uint32_t a = 0; a < kv::MemoryImage::size(); ++a)
            made->put(a, static_cast<std::uint8_t>(a ^ (a >> 9)));
        return made;
    }();
    return *image;
}

bool SameImage(const kv::MemoryImage& a, const kv::MemoryImage& b) {
    return std::memcmp(a.data(), b.data(), kv::MemoryImage::size()) == 0;
}

struct Setup {
    kv::TransferKind Kind;
    std::string Model;
    std::string Firmware;
    bool HandOver;
};

Setup SetupFrom(std::uint8_t choice) {
    static const char* const kFirmware[] = {"V100", "V100", "V101", "V102"};
    return {(choice & 1) ? kv::TransferKind::Write : kv::TransferKind::Read,
            (choice & 2) ? "TALVEN6" : "TALVEN5", kFirmware[(choice >> 2) & 3], (choice & 16) != 0};
}

// The images a session works on, allocated once and reused: fresh large blocks for every run
// would cost more than the run itself.
struct Images {
    std::unique_ptr<kv::MemoryImage> Engine = std::make_unique<kv::MemoryImage>();
    std::unique_ptr<kv::MemoryImage> Accepted = std::make_unique<kv::MemoryImage>();
};

class Session {
public:
    Session(const Setup& setup, Images& images)
        : setup_(setup),
          image_(*images.Engine),
          accepted_(*images.Accepted),
          engine_(image_, facts_, versions_) {
        std::memcpy(image_.data(), WriteImage().data(), kv::MemoryImage::size());
        accepted_.clear();
        engine_.Prepare(setup.Kind);
        apply(engine_.StartHandshake());
    }

    bool ended() const { return outcome_.has_value(); }

    void answerRight() { deliver(RightReply()); }
    void answerSpoilt(std::uint8_t position, std::uint8_t mask) {
        kv::Frame reply = RightReply();
        if (reply.empty()) return;
        reply[position % reply.size()] ^= (mask | 1);
        deliver(reply);
    }
    void answerCut() {
        kv::Frame reply = RightReply();
        if (!reply.empty()) reply.pop_back();
        deliver(reply);
    }
    void deliver(const kv::Frame& bytes) {
        if (bytes.empty() || ended()) return;
        input_.append(bytes);
        if (auto reply = input_.takeReply()) {
            const std::int32_t address = engine_.CurrentAddress();
            const int step = engine_.ReadStep();
            const std::size_t sentBefore = newFrames_;
            const bool endedBefore = ended();
            apply(engine_.OnReceive(*reply));
            const bool accepted = newFrames_ != sentBefore || ended() != endedBefore;
            if (accepted && step == kv::kStepReadBlock) {
                Check(reply->size() == kv::kDataFrameLength, "only a data frame fills a block");
                std::memcpy(accepted_.data() + address, reply->data() + kv::kDataOffset,
                            kv::kBlockLength);
                ++blocksAccepted_;
            }
        }
    }
    // The reply timer fires; only a running timer can.
    void expire() {
        if (ended()) {
            Check(engine_.Retransmit().empty(), "an ended session ignores the timer");
            return;
        }
        if (!timerRunning_) return;
        timerRunning_ = false;
        apply(engine_.Retransmit());
    }

    // The line falls silent: the reply timer alone must end the session.
    void runOut() {
        for (int expiry = 0; expiry < kv::kMaxTransmissions && !ended(); ++expiry) {
            Check(timerRunning_, "a running session always has its reply timer running");
            expire();
        }
        Check(ended(), "a silent radio ends the session within five expiries");
        checkOutcome();
    }

private:
    // What a radio holding its memory answers to the frame outstanding.
    kv::Frame RightReply() const {
        if (last_.empty()) return {};
        switch (last_.front()) {
            case kv::kHandshakeRequest[0]:
                return kv::HandshakeReply();
            case kv::kIdentificationRequestByte:
                return kv::IdentificationReply(setup_.Model, 1, setup_.Firmware);
            case kv::kReadMarker: {
                const auto address = kv::ParseReadRequest(last_);
                Check(address.has_value(), "a read request parses");
                kv::BlockData data{};
                for (std::size_t i = 0; i < data.size(); ++i)
                    data[i] = RadioByte(*address + static_cast<std::uint32_t>(i));
                return kv::DataFrame(*address, data);
            }
            default:
                return kv::Acknowledgement();
        }
    }

    void apply(const kv::SessionActions& actions) {
        int sends = 0;
        for (const auto& action : actions) {
            Check(!ended(), "nothing follows the end of a session");
            if (std::holds_alternative<kv::StartReplyTimer>(action)) timerRunning_ = true;
            if (std::holds_alternative<kv::StopReplyTimer>(action)) timerRunning_ = false;
            if (std::holds_alternative<kv::DiscardBuffers>(action)) input_.discard();
            if (const auto* p = std::get_if<kv::ShowProgress>(&action)) {
                Check(p->Percent > lastPercent_ && p->Percent <= 100, "progress only grows");
                lastPercent_ = p->Percent;
            }
            if (const auto* q = std::get_if<kv::AskVersionQuestion>(&action)) {
                Check(q->FirmwareVersion == facts_.FirmwareVersion,
                      "the question names the firmware");
                apply(engine_.AnswerVersionQuestion(setup_.HandOver));
            }
            if (const auto* s = std::get_if<kv::SendFrame>(&action)) {
                Check(++sends == 1, "one frame per event");
                Check(timerRunning_, "the reply timer runs before a frame is sent");
                input_.setThreshold(s->ExpectedReplyLength);
                sent(*s);
            }
            if (const auto* e = std::get_if<kv::SessionEnded>(&action)) outcome_ = e->Outcome;
        }
    }

    void sent(const kv::SendFrame& frame) {
        if (frame.Retransmission) {
            Check(frame.Bytes == last_, "a retransmission repeats the last frame");
            Check(++transmissions_ <= kv::kMaxTransmissions, "at most five transmissions");
            return;
        }
        ++newFrames_;
        transmissions_ = 1;
        last_ = frame.Bytes;
        checkWalk(frame.Bytes);
    }

    void checkWalk(const kv::Frame& frame) {
        const auto kind = kv::RequestKindOf(frame.front());
        Check(kind.has_value(), "the program sends only frames of the protocol");
        switch (*kind) {
            case kv::RequestKind::Handshake:
                Check(newFrames_ == 1, "the handshake comes first");
                break;
            case kv::RequestKind::Identification:
                Check(newFrames_ == 2, "identification follows the handshake");
                break;
            case kv::RequestKind::Read:
            case kv::RequestKind::Data: {
                const bool read = *kind == kv::RequestKind::Read;
                Check(read == (setup_.Kind == kv::TransferKind::Read), "the session's kind");
                Check(!blocksEnded_ && identificationPassed(),
                      "blocks only after the identification passed");
                const auto block = kv::ParseDataFrame(frame);
                Check(read || block.has_value(), "a data frame parses");
                const auto address = read ? kv::ParseReadRequest(frame)
                                          : std::optional<std::uint32_t>(block->Address);
                walk_ = kv::NextAddress(walk_);
                Check(address && static_cast<std::int32_t>(*address) == walk_,
                      "blocks follow the walk");
                if (!read) {
                    ++blocksAccepted_;
                    Check(block->Data == kv::ImageBlock(WriteImage(), *address),
                          "a data frame carries the image block");
                }
                break;
            }
            case kv::RequestKind::End:
                Check(!blocksEnded_, "one end request");
                blocksEnded_ = true;
                Check(walk_ == kv::kWalkStart || kv::NextAddress(walk_) >= kv::kImageEnd,
                      "the end request follows the last block or no block at all");
                break;
        }
    }

    // What the radio reported last, whether from the right reply or from raw bytes.
    bool identificationPassed() const {
        return facts_.RadioModel == "TALVEN5" &&
               (facts_.FirmwareVersion == "V100" || facts_.FirmwareVersion == "V101");
    }

    void checkOutcome() const {
        Check(outcome_->Kind == setup_.Kind, "the outcome names the session's kind");
        Check(setup_.Kind == kv::TransferKind::Read || SameImage(image_, WriteImage()),
              "a write leaves the image unchanged");
        if (!outcome_->succeeded()) {
            Check(outcome_->Completion.en.empty(), "a failed session reports no completion");
            return;
        }
        Check(blocksEnded_ && walk_ != kv::kWalkStart, "success only after the whole walk");
        Check(blocksAccepted_ == kv::kTransferBlockCount, "success only with every block");
        Check(identificationPassed(), "success only with the right model and a listed firmware");
        if (setup_.Kind == kv::TransferKind::Read)
            Check(SameImage(image_, accepted_), "a read's image holds exactly the blocks accepted");
    }

    Setup setup_;
    kv::MemoryImage& image_;
    kv::MemoryImage& accepted_;
    kv::RadioFacts facts_;
    kv::VersionTable versions_{"V100", {"V100"}, {{"V100", "V100"}, {"V100", "V101"}}};
    kv::ProtocolEngine engine_;
    kv::ReceiveBuffer input_;
    kv::Frame last_;
    bool timerRunning_ = false;
    int transmissions_ = 0;
    std::size_t newFrames_ = 0;
    std::size_t blocksAccepted_ = 0;
    std::int32_t walk_ = kv::kWalkStart;
    bool blocksEnded_ = false;
    int lastPercent_ = 0;
    std::optional<kv::SessionOutcome> outcome_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    Input input(bytes, size);
    if (input.empty()) return 0;
    static Images images;
    Session session(SetupFrom(input.next()), images);
    while (!input.empty() && !session.ended()) {
        const std::uint8_t event = input.next();
        switch (event % 8) {
            case 0:
            case 1:
                session.answerRight();
                break;
            case 2: {
                const std::uint8_t position = input.next();
                session.answerSpoilt(position, input.next());
                break;
            }
            case 3:
                session.answerCut();
                break;
            case 4: {
                kv::Frame raw(input.next() % 32);
                for (auto& b : raw) b = input.next();
                session.deliver(raw);
                break;
            }
            case 5:
                session.expire();
                break;
            case 6:
                for (int burst = (event >> 3) * 64 + 1; burst > 0 && !session.ended(); --burst)
                    session.answerRight();
                break;
            default:
                session.deliver(kv::Frame{event});
                break;
        }
    }
    session.runOut();
    return 0;
}
