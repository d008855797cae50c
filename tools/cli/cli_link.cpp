// Radio sessions for the command line: the serial session runner on this thread's event loop.
#include "cli_link.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iostream>

#include "cli_support.h"
#include "platform/port_list.h"
#include "platform/serial_session.h"
#include "platform/user_data_folder.h"
#include "platform/version_file.h"
#include "platform/write_job_runner.h"

namespace kv::cli {
namespace {

// Progress as a percentage: one updating line per phase on a terminal; otherwise (a log, a
// script) a line when a phase reaches the next tenth, and the phase's last figure.
class ProgressLine {
public:
    explicit ProgressLine(std::string label)
        : label_(std::move(label)), terminal_(::isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() { EndLine(); }
    void SetLabel(std::string label) {
        EndLine();
        label_ = std::move(label);
    }
    void Show(int percent) {
        last_ = percent;
        if (terminal_) {
            std::cerr << '\r' << label_ << ": " << percent << '%' << std::flush;
        } else if (percent / 10 != printed_ / 10 || printed_ < 0) {
            Print(percent);
        }
    }

private:
    void Print(int percent) {
        printed_ = percent;
        std::cerr << label_ << ": " << percent << "%\n";
    }
    void EndLine() {
        if (terminal_ && last_ >= 0) std::cerr << '\n';
        if (!terminal_ && last_ >= 0 && last_ != printed_) Print(last_);
        last_ = -1;
        printed_ = -1;
    }

    std::string label_;
    bool terminal_;
    int last_ = -1;     // the figure last shown this phase, -1 before the first
    int printed_ = -1;  // the figure last printed on a line of its own
};

// One serial session runner with the port resolved and opened for a first session of `kind`.
struct Link {
    VersionTable versions = LoadVersionTable(VersionFilePath());
    RadioFacts facts;
    std::unique_ptr<SerialSession> session;

    bool Open(const std::string& port, TransferKind kind, MemoryImage& image) {
        const ResolvedPort resolved =
            ResolvePortName(QString::fromStdString(port), SettingsFilePath());
        if (resolved.path.isEmpty()) {
            Fail(resolved.error.toStdString());
            return false;
        }
        session = std::make_unique<SerialSession>(image, facts, versions);
        session->setTraceFolder(TraceFolder());
        // The command line cannot start another program version: it shows the question the
        // window would ask, and the session ends as the answer No ends it.
        session->setVersionQuestion([](const std::string&, const TextPair& question) {
            std::cerr << question.en << '\n';
            return false;
        });
        if (const std::optional<TextPair> failure = session->OpenLink(kind, resolved.path)) {
            Fail(failure->en);
            return false;
        }
        return true;
    }
};

void PrintMessages(const SessionOutcome& outcome) {
    for (const TextPair& message : outcome.PendingMessages) std::cerr << message.en << '\n';
}

}  // namespace

std::optional<LinkArguments> ParseLinkArguments(Arguments arguments, bool writing) {
    LinkArguments parsed;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--port" && i + 1 < arguments.size()) {
            parsed.port = arguments[++i];
        } else if (arguments[i] == "--verify" && writing) {
            parsed.verify = true;
        } else if (arguments[i] == "--strict" && writing) {
            parsed.strict = true;
        } else if (arguments[i] == "--backup" && writing && i + 1 < arguments.size()) {
            parsed.backup = arguments[++i];
        } else if (arguments[i].starts_with("--")) {
            std::cerr << "kv7700-cli: unknown option " << arguments[i] << '\n';
            return std::nullopt;
        } else {
            files.push_back(arguments[i]);
        }
    }
    if (parsed.port.empty() || files.size() != 1) {
        std::cerr << "kv7700-cli: give --port PORT and one file\n";
        return std::nullopt;
    }
    parsed.file = files[0];
    return parsed;
}

bool RunReadSession(const std::string& port, MemoryImage& image) {
    Link link;
    if (!link.Open(port, TransferKind::Read, image)) return false;
    ProgressLine progress("Read data from radio");
    std::optional<SessionOutcome> outcome;
    QEventLoop loop;
    QObject::connect(link.session.get(), &SerialSession::progress,
                     [&](int percent) { progress.Show(percent); });
    QObject::connect(link.session.get(), &SerialSession::finished, [&](const SessionOutcome& o) {
        outcome = o;
        loop.quit();
    });
    link.session->start();
    if (!outcome) loop.exec();

    PrintMessages(*outcome);
    if (!outcome->succeeded()) {
        // The window says nothing more; a script needs to know the session did not complete.
        Fail("the read from the radio did not complete");
        return false;
    }
    std::cout << outcome->Completion.en << '\n';
    return true;
}

bool RunWriteJob(const std::string& port, const MemoryImage& toWrite, bool verify,
                 const std::string& backupFile) {
    auto job = std::make_unique<WriteJob>(toWrite, WriteJobOptions{!backupFile.empty(), verify});
    auto image = std::make_unique<MemoryImage>();
    Link link;
    if (!link.Open(port, job->SessionKind(), *image)) return false;

    WriteJobRunner runner(*link.session, *image,
                          [&](const MemoryImage& read, BackupKind kind) -> std::optional<TextPair> {
                              if (kind != BackupKind::Read) return std::nullopt;
                              // Reported with the job's messages, once.
                              const auto reason = ImageNotWritten(read, backupFile);
                              if (!reason) return std::nullopt;
                              return TextPair{*reason, *reason};
                          });
    ProgressLine progress("");
    std::optional<SessionOutcome> outcome;
    QEventLoop loop;
    QObject::connect(&runner, &WriteJobRunner::phaseStarted,
                     [&](JobPhase phase) { progress.SetLabel(JobPhaseText(phase).en); });
    QObject::connect(&runner, &WriteJobRunner::progress,
                     [&](int percent) { progress.Show(percent); });
    QObject::connect(&runner, &WriteJobRunner::finished, [&](const SessionOutcome& o) {
        outcome = o;
        loop.quit();
    });
    runner.start(std::move(job));
    if (!outcome) loop.exec();
    progress.SetLabel("");

    const std::vector<std::uint32_t>& differing = runner.job()->differingBlocks();
    for (std::uint32_t address : differing) {
        char line[40];
        std::snprintf(line, sizeof line, "block 0x%05X differs\n", address);
        std::cerr << line;
    }
    PrintMessages(*outcome);
    if (!differing.empty()) {
        const bool one = differing.size() == 1;
        Fail(std::to_string(differing.size()) + (one ? " block differs" : " blocks differ"));
        return false;
    }
    if (!outcome->succeeded()) {
        Fail("the write to the radio did not complete");
        return false;
    }
    std::cout << outcome->Completion.en << '\n';
    return true;
}

bool IsImageFileName(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".img";
}

}  // namespace kv::cli
