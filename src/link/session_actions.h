// What the protocol engine asks its transport to do, and how a session ended. The engine
// performs no I/O: every step returns a list of these actions for the transport to carry out
// in order.
#pragma once

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "link/frames.h"
#include "model/text_pair.h"

namespace kv {

// `SessionKind` values.
enum class TransferKind { Idle = 0, Read = 1, Write = 2 };

enum class SessionResult { Succeeded, Failed, HandedOver };

struct SessionOutcome {
    TransferKind Kind = TransferKind::Idle;
    SessionResult Result = SessionResult::Failed;
    std::vector<TextPair> PendingMessages;  // shown one by one, oldest first
    TextPair Completion;                    // "Read Data Completed." etc.; empty unless succeeded
    bool DataSent = false;                  // a write sent at least one data frame
    bool PartlyWritten = false;  // a write ended with data blocks the radio had not acknowledged

    bool succeeded() const { return Result == SessionResult::Succeeded; }
};

// Start (or restart) the one-shot reply timer `WaitTimer`.
struct StartReplyTimer {};
struct StopReplyTimer {};
// Discard the output buffer, then the input buffer.
struct DiscardBuffers {};
// Write the frame; the reply is complete once ExpectedReplyLength bytes are buffered.
// Retransmission marks the same frame sent again after the reply timer expired.
struct SendFrame {
    Frame Bytes;
    std::size_t ExpectedReplyLength = 0;
    bool Retransmission = false;
};
// The completion percentage grew.
struct ShowProgress {
    int Percent = 0;
};
// The radio's firmware is not listed with this program's version: ask the question at once and
// answer the engine (AnswerVersionQuestion). No timer runs while the question is open.
struct AskVersionQuestion {
    std::string FirmwareVersion;
    TextPair Question;
};
struct ClosePort {};
struct SessionEnded {
    SessionOutcome Outcome;
};

using SessionAction = std::variant<StartReplyTimer, StopReplyTimer, DiscardBuffers, SendFrame,
                                   ShowProgress, AskVersionQuestion, ClosePort, SessionEnded>;
using SessionActions = std::vector<SessionAction>;

}  // namespace kv
