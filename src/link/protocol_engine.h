// The programming session as a state machine without I/O. The transport feeds it events (start,
// a complete reply, the reply timer's expiry, a lost port, the user's abandon, the answer to the
// version question) and carries out the actions each event returns, in order. One engine runs
// one session at a time and can run any number of sessions one after another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "files/version_table.h"
#include "link/frames.h"
#include "link/reply_classifier.h"
#include "link/session_actions.h"
#include "model/memory_image.h"
#include "model/radio_facts.h"
#include "model/text_pair.h"

namespace kv {

// Steps of a session (`ReadStep`, `WriteStep`).
inline constexpr int kStepPrepared = 0;
inline constexpr int kStepHandshake = 1;
inline constexpr int kStepIdentification = 3;
inline constexpr int kStepWriteBlock = 4;
inline constexpr int kStepReadBlock = 5;
inline constexpr int kStepEnd = 69;
inline constexpr int kStepEndAfterFailedIdentification = 70;
inline constexpr int kStepStopping = 71;  // the user stopped: the end request goes out once

// Transmissions of one frame before the session fails.
inline constexpr int kMaxTransmissions = 5;
// Messages kept for the end of a session; later ones are dropped.
inline constexpr std::size_t kMaxPendingMessages = 1001;
// The program's own version, checked against the radio's firmware.
inline constexpr const char* kProgramVersion = "V100";

// Expected reply lengths.
inline constexpr std::size_t kHandshakeExpects = kHandshakeReplyLength;
inline constexpr std::size_t kIdentificationExpects = kIdentificationReplyLength;
inline constexpr std::size_t kReadExpects = kDataFrameLength;
inline constexpr std::size_t kWriteExpects = kAcknowledgementLength;
inline constexpr std::size_t kEndExpects = kAcknowledgementLength;

enum class IdentificationCheck { Passed, ModelWrong, VersionUnlisted };

class ProtocolEngine {
public:
    // The engine reads the image for a write and fills it during a read; it records what the
    // radio reports in `radio` and checks the firmware against `versions`.
    ProtocolEngine(MemoryImage& image, RadioFacts& radio, const VersionTable& versions);

    // The session counters of opening the link: kind set, step 0, walk before its first block,
    // progress 0, reply threshold 1. Nothing is sent until StartHandshake, which also clears the
    // image before a read.
    void Prepare(TransferKind kind);

    // Events. Each returns the actions to carry out; an event that does not fit the current
    // state (no session, a reply while the version question is open) returns none.
    SessionActions StartHandshake();
    SessionActions OnReceive(ByteView reply);  // everything buffered once the threshold was met
    SessionActions Retransmit();               // `WaitTimer` expired
    SessionActions AnswerVersionQuestion(bool handedOver);
    SessionActions LinkFailed(const TextPair& reason);  // the port cannot carry the session on
    // The user stopped the transfer. Once the handshake has gone out, the end request is sent
    // once, so that the radio leaves programming mode, and its acknowledgement or the expiry of
    // one reply timer ends the session as failed; before that the session ends at once.
    SessionActions Stop();
    // Ends the session as failed at once, without the end request: the user cancelled before the
    // handshake, or the program is closing.
    SessionActions Abandon();

    // Session state, as the transport and tests read it.
    TransferKind SessionKind() const { return kind_; }
    int ReadStep() const { return kind_ == TransferKind::Read ? step_ : 0; }
    int WriteStep() const { return kind_ == TransferKind::Write ? step_ : 0; }
    std::int32_t CurrentAddress() const { return currentAddress_; }
    int LastPercent() const { return lastPercent_; }
    int RetryCount() const { return retryCount_; }
    const Frame& LastFrame() const { return lastFrame_; }
    std::size_t ExpectedReplyLength() const { return expectedReplyLength_; }
    const std::vector<TextPair>& PendingMessages() const { return pendingMessages_; }
    bool running() const { return kind_ != TransferKind::Idle && step_ != kStepPrepared; }
    bool awaitingVersionAnswer() const { return awaitingVersionAnswer_; }
    bool stopping() const { return step_ == kStepStopping; }

    // The identification check against the facts the last identification reply stored.
    IdentificationCheck CheckIdentification() const;

    // Queues a message for the end of the session; false when the list is full.
    bool AddPendingMessage(const TextPair& message);

private:
    using StepHandler = void (ProtocolEngine::*)(SessionActions&);
    struct StepRow {
        int step;
        ReplyKind expects;
        StepHandler onReply;
    };
    const StepRow& currentRow() const;

    void send(Frame frame, std::size_t expectedReplyLength, SessionActions& actions);
    void RequestIdentification(SessionActions& actions);
    void readAfterIdentification(SessionActions& actions);
    void writeAfterIdentification(SessionActions& actions);
    void afterIdentification(int nextStep, StepHandler next, SessionActions& actions);
    void ReadNextBlock(SessionActions& actions);
    void WriteNextBlock(SessionActions& actions);
    void SendEnd(bool afterFailedIdentification, SessionActions& actions);
    void UpdateProgress(SessionActions& actions);
    void endWithSuccess(SessionActions& actions);
    void endWithFailure(SessionActions& actions);
    void EndSession(SessionResult result, SessionActions& actions);

    MemoryImage& image_;
    RadioFacts& radio_;
    const VersionTable& versions_;

    TransferKind kind_ = TransferKind::Idle;
    int step_ = kStepPrepared;
    std::int32_t currentAddress_ = 0;
    int lastPercent_ = 0;
    int retryCount_ = 0;
    Frame lastFrame_;
    std::size_t expectedReplyLength_ = 1;
    std::vector<TextPair> pendingMessages_;
    bool awaitingVersionAnswer_ = false;
    bool dataSent_ = false;           // a data frame of this write has gone out
    bool blocksOutstanding_ = false;  // ... and not every block has been acknowledged yet
};

}  // namespace kv
