// What crossed the line in one radio session, for a bug report: every frame sent and every chunk
// of bytes received, with the time since the session started, the engine's step and the
// transmission count of the frame outstanding, then how the session ended. Recording copies a
// few bytes into a list; the text is made only when the session is kept.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/civil_time.h"
#include "link/frames.h"
#include "link/session_actions.h"

namespace kv {

enum class TraceEvent {
    Sent,      // a frame written to the radio
    Received,  // bytes read from the line, as they came
    Timeout,   // the reply timer expired
};

struct TraceEntry {
    std::uint32_t Ms = 0;
    TraceEvent Event = TraceEvent::Sent;
    std::int16_t Step = 0;
    std::int16_t Transmission = 0;
    Frame Bytes;
};

class SessionTrace {
public:
    // Milliseconds from any fixed origin; the default is the steady clock.
    using Clock = std::function<std::int64_t()>;

    explicit SessionTrace(Clock clock = {});

    // Starts a new record; the session's clock starts now. `phase` names what the session is for
    // ("backup read", "write", "verify read"); empty names it after its kind.
    void Begin(TransferKind kind, const CivilTime& startedAt, std::string phase = {});
    // Ignored unless a record has begun and not ended.
    void Add(TraceEvent event, ByteView bytes, int step, int transmission);
    void End(const SessionOutcome& outcome);

    bool recording() const { return recording_; }
    bool ended() const { return outcome_.has_value(); }
    TransferKind kind() const { return kind_; }
    const CivilTime& startedAt() const { return startedAt_; }
    const std::vector<TraceEntry>& entries() const { return entries_; }

    // The record as text: a header, one line per entry, the outcome and the session's messages.
    std::string Text() const;

private:
    Clock clock_;
    bool recording_ = false;
    TransferKind kind_ = TransferKind::Idle;
    std::string phase_;
    CivilTime startedAt_;
    std::int64_t origin_ = 0;
    std::vector<TraceEntry> entries_;
    std::optional<SessionOutcome> outcome_;
};

// Session traces kept as text files, the newest kTracesKept of them.
inline constexpr std::size_t kTracesKept = 20;

// Writes the trace as a new file in `folder` (created when missing), then removes the oldest
// traces beyond the limit. The new file's path, or nothing when it could not be written.
std::optional<std::filesystem::path> KeepTrace(const std::filesystem::path& folder,
                                               const SessionTrace& trace);

// Adds `text` at the end of a kept trace: what became of the job its session belonged to, known
// only once the job's later sessions have ended. False when the file could not be written.
bool AppendToTrace(const std::filesystem::path& trace, const std::string& text);

// The trace files in `folder`, oldest first.
std::vector<std::filesystem::path> KeptTraces(const std::filesystem::path& folder);

}  // namespace kv
