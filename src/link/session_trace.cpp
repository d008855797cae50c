// Recording a session's frames and keeping the newest records as text files.
#include "link/session_trace.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace kv {
namespace {

constexpr const char* kTracePrefix = "trace_";
constexpr const char* kTraceExtension = ".txt";

std::int64_t SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

const char* KindName(TransferKind kind) {
    switch (kind) {
        case TransferKind::Read:
            return "read";
        case TransferKind::Write:
            return "write";
        case TransferKind::Idle:
            break;
    }
    return "none";
}

const char* EventName(TraceEvent event) {
    switch (event) {
        case TraceEvent::Sent:
            return "tx";
        case TraceEvent::Received:
            return "rx";
        case TraceEvent::Timeout:
            return "--";
    }
    return "";
}

const char* ResultName(SessionResult result) {
    switch (result) {
        case SessionResult::Succeeded:
            return "succeeded";
        case SessionResult::Failed:
            return "failed";
        case SessionResult::HandedOver:
            return "handed over to another program version";
    }
    return "";
}

void AppendNumber(std::string& out, long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

void AppendHex(std::string& out, const Frame& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (std::uint8_t b : bytes) {
        out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
}

bool IsTraceFile(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    return name.starts_with(kTracePrefix) && name.ends_with(kTraceExtension);
}

}  // namespace

SessionTrace::SessionTrace(Clock clock)
    : clock_(clock ? std::move(clock) : Clock(SteadyMilliseconds)) {}

void SessionTrace::Begin(TransferKind kind, const CivilTime& startedAt, std::string phase) {
    recording_ = true;
    kind_ = kind;
    phase_ = phase.empty() ? KindName(kind) : std::move(phase);
    startedAt_ = startedAt;
    origin_ = clock_();
    entries_.clear();
    // A whole session is two entries per exchange; room for them up front keeps recording to a
    // copy of the frame's bytes.
    entries_.reserve(4096);
    outcome_.reset();
}

void SessionTrace::Add(TraceEvent event, ByteView bytes, int step, int transmission) {
    if (!recording_) return;
    entries_.push_back({static_cast<std::uint32_t>(clock_() - origin_), event,
                        static_cast<std::int16_t>(step), static_cast<std::int16_t>(transmission),
                        Frame(bytes.begin(), bytes.end())});
}

void SessionTrace::End(const SessionOutcome& outcome) {
    if (!recording_) return;
    recording_ = false;
    outcome_ = outcome;
}

std::string SessionTrace::Text() const {
    std::string out = "KV-7700 session trace\nSession: ";
    out += KindName(kind_);
    out += "\nPhase: " + phase_;
    char started[40];
    std::snprintf(started, sizeof started, "%s.%03d", ReadableTime(startedAt_).c_str(),
                  startedAt_.Millisecond);
    out += "\nStarted: ";
    out += started;
    out +=
        "\nColumns: ms since the start, direction (tx to the radio, rx from the radio, -- reply "
        "timer expired), step, transmission, bytes in hex\n";
    out.reserve(out.size() + entries_.size() * 40);
    // Formatted by hand: a whole session is some 3 750 lines, and printf-style formatting of
    // them took longer than all the exchanges' own work.
    for (const TraceEntry& e : entries_) {
        AppendNumber(out, e.Ms);
        out += ' ';
        out += EventName(e.Event);
        out += ' ';
        AppendNumber(out, e.Step);
        out += ' ';
        AppendNumber(out, e.Transmission);
        AppendHex(out, e.Bytes);
        out += '\n';
    }
    out += "Session outcome: ";
    out += outcome_ ? ResultName(outcome_->Result) : "not ended";
    out += '\n';
    if (outcome_)
        for (const TextPair& message : outcome_->PendingMessages)
            out += "Message: " + message.en + '\n';
    return out;
}

std::optional<std::filesystem::path> KeepTrace(const std::filesystem::path& folder,
                                               const SessionTrace& trace) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return std::nullopt;
    const CivilTime& t = trace.startedAt();
    std::filesystem::path path;
    for (int sequence = 1; sequence < 100; ++sequence) {
        char name[64];
        std::snprintf(name, sizeof name, "%s%s_%03d_%02d%s", kTracePrefix, StampText(t).c_str(),
                      t.Millisecond, sequence, kTraceExtension);
        path = folder / name;
        if (!std::filesystem::exists(path, error)) break;
    }
    // A trace is worth less than the time a flush to the disk takes at the end of every
    // session: it is written without one, under a temporary name until it is complete.
    const std::string text = trace.Text();
    std::filesystem::path partial = path;
    partial += ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out.flush()) {
            std::filesystem::remove(partial, error);
            return std::nullopt;
        }
    }
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::filesystem::remove(partial, error);
        return std::nullopt;
    }

    const std::vector<std::filesystem::path> kept = KeptTraces(folder);
    for (std::size_t i = 0; i + kTracesKept < kept.size(); ++i)
        std::filesystem::remove(kept[i], error);
    return path;
}

bool AppendToTrace(const std::filesystem::path& trace, const std::string& text) {
    std::ofstream out(trace, std::ios::binary | std::ios::app);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out.flush());
}

std::vector<std::filesystem::path> KeptTraces(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> traces;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error))
        if (IsTraceFile(it->path()) && it->is_regular_file(error)) traces.push_back(it->path());
    // The names hold the start time with fixed-width fields, so their order is the age order.
    std::sort(traces.begin(), traces.end());
    return traces;
}

}  // namespace kv
