// A transport for driving the protocol engine in tests: a fake clock for the reply timer, the
// receive threshold, a record of everything sent, and an optional radio that answers each frame.
#pragma once

#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "link/protocol_engine.h"
#include "link/receive_buffer.h"
#include "link/transfer_map.h"

namespace kv::test {

inline std::string Hex(ByteView bytes) {
    std::string text;
    for (auto b : bytes) {
        char part[4];
        std::snprintf(part, sizeof part, "%02X", b);
        if (!text.empty()) text += ' ';
        text += part;
    }
    return text;
}

// One action as a short line, so a test can compare whole action lists with exact bytes.
inline std::string Describe(const SessionAction& action) {
    struct {
        std::string operator()(const StartReplyTimer&) const { return "timer start"; }
        std::string operator()(const StopReplyTimer&) const { return "timer stop"; }
        std::string operator()(const DiscardBuffers&) const { return "discard"; }
        std::string operator()(const SendFrame& f) const {
            return std::string(f.Retransmission ? "resend " : "send ") + Hex(f.Bytes) + " /" +
                   std::to_string(f.ExpectedReplyLength);
        }
        std::string operator()(const ShowProgress& p) const {
            return "progress " + std::to_string(p.Percent);
        }
        std::string operator()(const AskVersionQuestion& q) const {
            return "ask " + q.FirmwareVersion;
        }
        std::string operator()(const ClosePort&) const { return "close"; }
        std::string operator()(const SessionEnded& e) const {
            switch (e.Outcome.Result) {
                case SessionResult::Succeeded:
                    return "ended ok";
                case SessionResult::Failed:
                    return "ended failed";
                case SessionResult::HandedOver:
                    return "ended handed over";
            }
            return "ended ?";
        }
    } visitor;
    return std::visit(visitor, action);
}

inline std::vector<std::string> Describe(const SessionActions& actions) {
    std::vector<std::string> lines;
    for (const auto& a : actions) lines.push_back(Describe(a));
    return lines;
}

// Answers frames as a well-behaved radio holding `image` would.
struct GoodRadio {
    std::string Model = "TALVEN5";
    std::uint8_t Option = 1;
    std::string Firmware = "V100";
    std::unique_ptr<MemoryImage> Image = std::make_unique<MemoryImage>();

    std::optional<Frame> answer(const Frame& request) {
        const auto kind = RequestKindOf(request.at(0));
        if (!kind) return std::nullopt;
        switch (*kind) {
            case RequestKind::Handshake:
                return HandshakeReply();
            case RequestKind::Identification:
                return IdentificationReply(Model, Option, Firmware);
            case RequestKind::Read: {
                const auto address = ParseReadRequest(request);
                if (!address) return std::nullopt;
                return DataFrame(*address, ImageBlock(*Image, *address));
            }
            case RequestKind::Data:
                if (const auto block = ParseDataFrame(request))
                    PutImageBlock(*Image, block->Address, block->Data);
                return Acknowledgement();
            case RequestKind::End:
                return Acknowledgement();
        }
        return std::nullopt;
    }
};

class FakeTransport {
public:
    explicit FakeTransport(ProtocolEngine& engine) : engine_(engine) {}

    // The radio side: when set, every frame sent is answered (or not, when it returns nothing).
    std::function<std::optional<Frame>(const Frame&)> Radio;

    long long NowMs = 0;
    std::optional<long long> Deadline;  // the reply timer, when running
    ReceiveBuffer Input;
    bool PortOpen = true;
    std::vector<SendFrame> Sent;
    std::vector<int> Progress;
    std::vector<std::string> Questions;
    std::optional<SessionOutcome> Outcome;
    SessionActions LastActions;

    void apply(SessionActions actions) {
        LastActions = actions;
        for (auto& action : actions) {
            if (std::holds_alternative<StartReplyTimer>(action)) Deadline = NowMs + 1000;
            if (std::holds_alternative<StopReplyTimer>(action)) Deadline.reset();
            if (std::holds_alternative<DiscardBuffers>(action)) Input.discard();
            if (std::holds_alternative<ClosePort>(action)) PortOpen = false;
            if (auto* p = std::get_if<ShowProgress>(&action)) Progress.push_back(p->Percent);
            if (auto* q = std::get_if<AskVersionQuestion>(&action))
                Questions.push_back(q->FirmwareVersion);
            if (auto* e = std::get_if<SessionEnded>(&action)) Outcome = e->Outcome;
            if (auto* s = std::get_if<SendFrame>(&action)) {
                Input.setThreshold(s->ExpectedReplyLength);
                Sent.push_back(*s);
                if (Radio)
                    if (auto reply = Radio(s->Bytes)) replies_.push_back(std::move(*reply));
            }
        }
    }

    void start() { apply(engine_.StartHandshake()); }

    // Bytes from the radio arrive; a reply is handed over once the threshold is met.
    void receive(ByteView bytes) {
        Input.append(bytes);
        if (auto reply = Input.takeReply()) apply(engine_.OnReceive(*reply));
    }

    // Lets time pass; the reply timer fires when its deadline is reached.
    void advance(long long ms) {
        const long long until = NowMs + ms;
        while (Deadline && *Deadline <= until) {
            NowMs = *Deadline;
            Deadline.reset();
            apply(engine_.Retransmit());
            deliver();
        }
        NowMs = until;
    }

    // Delivers queued radio answers until the radio falls silent.
    void deliver() {
        while (!replies_.empty()) {
            const Frame reply = std::move(replies_.front());
            replies_.pop_front();
            receive(reply);
        }
    }

    // Runs a session with the radio to its end (or until the radio and the timer give up).
    void run() {
        start();
        deliver();
        while (!Outcome && Deadline) advance(1000);
    }

    std::string lastSent() const { return Sent.empty() ? "" : Hex(Sent.back().Bytes); }

private:
    ProtocolEngine& engine_;
    std::deque<Frame> replies_;
};

// An engine with its image, facts and a version table that lists V100-V100 and V100-V101.
struct EngineFixture {
    std::unique_ptr<MemoryImage> Image = std::make_unique<MemoryImage>();
    RadioFacts Facts;
    VersionTable Versions{"V100", {"V100"}, {{"V100", "V100"}, {"V100", "V101"}}};
    ProtocolEngine Engine{*Image, Facts, Versions};
    FakeTransport Link{Engine};
    GoodRadio Radio;

    void prepare(TransferKind kind) {
        Engine.Prepare(kind);
        Link.Radio = [this](const Frame& request) { return Radio.answer(request); };
    }
};

}  // namespace kv::test
