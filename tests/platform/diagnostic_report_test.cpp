// The diagnostic report: a real gzip file that decompresses to text holding the versions, the
// settings file, the version table, the ports and the kept session traces.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "link/session_trace.h"
#include "platform/diagnostic_facts.h"
#include "platform/gzip_file.h"
#include "platform/user_data_folder.h"

namespace kv {
namespace {

// What `gzip -dc` makes of the file.
std::string Gunzip(const QString& path) {
    const std::string command = "gzip -dc '" + path.toStdString() + "'";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {};
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    return ::pclose(pipe) == 0 ? text : std::string();
}

void WriteText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

TEST(Gzip, RoundTripsAndRefusesWhatIsNotGzip) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "line " + std::to_string(i) + " 57 4A 06\n";
    const QByteArray gzip = GzipCompress(text);
    ASSERT_GT(gzip.size(), 10);
    EXPECT_EQ(static_cast<unsigned char>(gzip[0]), 0x1F);
    EXPECT_EQ(static_cast<unsigned char>(gzip[1]), 0x8B);
    EXPECT_LT(gzip.size(), static_cast<qsizetype>(text.size() / 4));
    EXPECT_EQ(GzipDecompress(gzip), text);
    EXPECT_EQ(GzipDecompress(GzipCompress("")), std::string());

    QByteArray truncated = gzip.left(gzip.size() - 4);
    QByteArray corrupted = gzip;
    corrupted[gzip.size() / 2] = static_cast<char>(corrupted[gzip.size() / 2] ^ 0x55);
    for (const QByteArray& bad : {truncated, corrupted, qCompress(QByteArray("zlib, not gzip"))})
        EXPECT_FALSE(GzipDecompress(bad));
}

TEST(DiagnosticReport, DecompressesToTextHoldingTheLastSessionsFrames) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("language/mysetup.ini");
    const QString versions = dir.filePath("Version.ini");
    const QString traces = dir.filePath("traces");
    WriteText(settings, "[language]\ncomPort=3\n[ports]\nCOM3=/dev/kv-nowhere\n");
    WriteText(versions, "[Firm]\n1=V100-V100\n");
    for (int i = 0; i < 2; ++i) {
        SessionTrace trace([] { return std::int64_t{0}; });
        trace.Begin(i == 0 ? TransferKind::Read : TransferKind::Write,
                    {2026, 12, 10, 14, 22, 30 + i, 0});
        trace.Add(TraceEvent::Sent, i == 0 ? HandshakeRequest() : EndRequest(), 1, 1);
        trace.End({trace.kind(), SessionResult::Succeeded, {}, {}});
        ASSERT_TRUE(KeepTrace(ToPath(traces), trace));
    }

    const QString report = dir.filePath("report.txt.gz");
    ASSERT_FALSE(SaveDiagnosticReport(report, GatherDiagnosticFacts(settings, versions, traces)));

    // gzip itself reads it.
    const std::string text = Gunzip(report);
    ASSERT_FALSE(text.empty());

    const char* const expected[] = {
        "KV-7700 diagnostic report",
        "Qt: ",
        "System: ",
        "COM3 = /dev/kv-nowhere  (not present)",
        "[ports]\nCOM3=/dev/kv-nowhere\n",
        "[Firm]\n1=V100-V100\n",
        "== Session traces: 2 ==",
        "Session: read",
        "0 tx 1 1 50 52 4F 47 52 41 4D",
        "Session: write",
        "0 tx 1 1 45 4E 44",
    };
    for (const char* part : expected) EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_LT(text.find("Session: read"), text.find("Session: write")) << "oldest first";
    // The summary at the top: newest first, one line per session.
    const std::size_t summary = text.find(
        "== Summary of the last sessions, newest first ==\n"
        "2026-12-10 14:22:31.000  write: session succeeded\n"
        "2026-12-10 14:22:30.000  read: session succeeded\n");
    EXPECT_LT(summary, text.find("== Versions ==")) << text.substr(0, 400);
}

TEST(DiagnosticReport, MissingFilesAreNamedAndAnUnwritableReportIsAFileError) {
    QTemporaryDir dir;
    const DiagnosticFacts facts = GatherDiagnosticFacts(
        dir.filePath("none.ini"), dir.filePath("Version.ini"), dir.filePath("no-traces"));
    const std::string text = DiagnosticReportText(facts);
    EXPECT_NE(text.find("none.ini ==\n(missing or unreadable)"), std::string::npos) << text;
    EXPECT_NE(text.find("== Session traces: 0 =="), std::string::npos);

    const QString unwritable = dir.filePath("missing-folder/report.gz");
    const std::optional<TextPair> failure = SaveDiagnosticReport(unwritable, facts);
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->en.starts_with("file error.\n" + unwritable.toStdString() + ": "))
        << failure->en;
    EXPECT_TRUE(failure->zh.starts_with("文件错误。\n"));
    EXPECT_FALSE(QFile::exists(unwritable));
    EXPECT_NE(failure->en.find("the file or its folder does not exist"), std::string::npos)
        << failure->en;

    // A report kept read-only is refused and left as it is, even for root; a hard link to a
    // report keeps the previous one.
    const QString kept = dir.filePath("kept.gz");
    WriteText(kept, "previous");
    ASSERT_TRUE(QFile::setPermissions(kept, QFile::ReadOwner));
    const std::optional<TextPair> refused = SaveDiagnosticReport(kept, facts);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->en, "file error.\n" + kept.toStdString() + ": the file is read-only");
    ASSERT_TRUE(QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(kept, dir.filePath("kept-link.gz")));
    ASSERT_EQ(
        ::link(kept.toLocal8Bit().constData(), dir.filePath("twin.gz").toLocal8Bit().constData()),
        0);
    ASSERT_FALSE(SaveDiagnosticReport(dir.filePath("kept-link.gz"), facts));
    EXPECT_NE(Gunzip(kept).find("none.ini"), std::string::npos);
    EXPECT_TRUE(QFileInfo(dir.filePath("kept-link.gz")).isSymLink());
    QFile twin(dir.filePath("twin.gz"));
    ASSERT_TRUE(twin.open(QIODevice::ReadOnly));
    EXPECT_EQ(twin.readAll(), "previous");
}

}  // namespace
}  // namespace kv
