// Session traces: what a record holds, its text, and the newest twenty kept as files.
#include "link/session_trace.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "link/link_texts.h"
#include "unit/files/document_samples.h"

namespace kv {
namespace {

constexpr CivilTime kStart{2026, 12, 10, 14, 22, 33, 45};

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SessionTrace, RecordsFramesWithTimeStepAndTransmissionThenTheOutcome) {
    std::int64_t now = 5000;
    SessionTrace trace([&] { return now; });
    trace.Add(TraceEvent::Sent, HandshakeRequest(), 1, 1);  // before Begin: not recorded
    trace.Begin(TransferKind::Read, kStart);
    trace.Add(TraceEvent::Sent, HandshakeRequest(), 1, 1);
    now += 3;
    trace.Add(TraceEvent::Received, HandshakeReply(), 1, 1);
    now += 1000;
    trace.Add(TraceEvent::Timeout, {}, 3, 1);
    trace.Add(TraceEvent::Sent, IdentificationRequest(), 3, 2);
    SessionOutcome outcome{TransferKind::Read, SessionResult::Failed, {ModelWrongText()}, {}};
    trace.End(outcome);
    trace.Add(TraceEvent::Sent, EndRequest(), 69, 1);  // after End: not recorded

    ASSERT_EQ(trace.entries().size(), 4u);
    EXPECT_EQ(trace.Text(),
              "KV-7700 session trace\n"
              "Session: read\n"
              "Phase: read\n"
              "Started: 2026-12-10 14:22:33.045\n"
              "Columns: ms since the start, direction (tx to the radio, rx from the radio, -- "
              "reply timer expired), step, transmission, bytes in hex\n"
              "0 tx 1 1 50 52 4F 47 52 41 4D\n"
              "3 rx 1 1 57 4A 06\n"
              "1003 -- 3 1\n"
              "1003 tx 3 2 02\n"
              "Session outcome: failed\n"
              "Message: Model type is wrong.\n");

    trace.Begin(TransferKind::Read, kStart, "verify read");
    EXPECT_TRUE(trace.entries().empty()) << "a new record starts empty";
    EXPECT_NE(trace.Text().find("Session: read\nPhase: verify read\n"), std::string::npos);
    EXPECT_NE(trace.Text().find("Session outcome: not ended"), std::string::npos);
}

TEST(SessionTrace, KeepsTheNewestTwentyAsTextFiles) {
    test::TempFolder temp;
    const auto folder = temp.path() / "traces";
    SessionTrace trace([] { return std::int64_t{0}; });
    std::filesystem::path last;
    for (int i = 0; i < 25; ++i) {
        CivilTime start = kStart;
        start.Minute = i;
        trace.Begin(TransferKind::Write, start);
        trace.Add(TraceEvent::Sent, ReadRequest(static_cast<std::uint32_t>(i * 16)), 5, 1);
        trace.End({TransferKind::Write, SessionResult::Succeeded, {}, {}});
        const auto kept = KeepTrace(folder, trace);
        ASSERT_TRUE(kept);
        last = *kept;
    }
    // Two sessions starting in the same millisecond are both kept.
    const auto twin = KeepTrace(folder, trace);
    ASSERT_TRUE(twin);
    EXPECT_NE(*twin, last);

    const auto kept = KeptTraces(folder);
    ASSERT_EQ(kept.size(), kTracesKept);
    EXPECT_EQ(kept.back(), *twin);
    EXPECT_EQ(kept[kept.size() - 2], last);
    EXPECT_NE(ReadAll(kept.front()).find("Started: 2026-12-10 14:06:33.045"), std::string::npos)
        << "the oldest kept is the seventh of 26";
    EXPECT_NE(ReadAll(last).find("tx 5 1 52 00 00 01 80 10"), std::string::npos);
    EXPECT_NE(ReadAll(last).find("Session outcome: succeeded"), std::string::npos);

    // What became of the job is added at the end once it is known.
    ASSERT_TRUE(AppendToTrace(last, "Job outcome: failed\n"));
    const std::string text = ReadAll(last);
    EXPECT_EQ(text.substr(text.size() - 47), "Session outcome: succeeded\nJob outcome: failed\n");
}

}  // namespace
}  // namespace kv
