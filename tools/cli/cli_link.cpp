// Radio sessions for the command line: the serial session runner on this thread's event loop.
#include "cli_link.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <cctype>
#include <iostream>

#include "cli_support.h"
#include "platform/port_list.h"
#include "platform/serial_session.h"
#include "platform/version_file.h"

namespace kv::cli {
namespace {

// Progress as a percentage: one updating line on a terminal, a line per step otherwise.
class ProgressLine {
public:
    explicit ProgressLine(TransferKind kind)
        : label_(kind == TransferKind::Read ? "Read data from radio" : "Write data to radio"),
          terminal_(::isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() {
        if (terminal_ && shown_) std::cerr << '\n';
    }
    void Show(int percent) {
        shown_ = true;
        if (terminal_)
            std::cerr << '\r' << label_ << ": " << percent << '%' << std::flush;
        else
            std::cerr << label_ << ": " << percent << "%\n";
    }

private:
    const char* label_;
    bool terminal_;
    bool shown_ = false;
};

}  // namespace

std::optional<LinkArguments> ParseLinkArguments(Arguments arguments, bool allowVerify) {
    LinkArguments parsed;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--port" && i + 1 < arguments.size()) {
            parsed.port = arguments[++i];
        } else if (arguments[i] == "--verify" && allowVerify) {
            parsed.verify = true;
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

bool RunLinkSession(TransferKind kind, const std::string& port, MemoryImage& image) {
    const ResolvedPort resolved = ResolvePortName(QString::fromStdString(port), SettingsFilePath());
    if (resolved.path.isEmpty()) {
        Fail(resolved.error.toStdString());
        return false;
    }

    const VersionTable versions = LoadVersionTable(VersionFilePath());
    RadioFacts facts;
    SerialSession session(image, facts, versions);
    ProgressLine progress(kind);
    std::optional<SessionOutcome> outcome;
    QEventLoop loop;
    QObject::connect(&session, &SerialSession::progress,
                     [&](int percent) { progress.Show(percent); });
    QObject::connect(&session, &SerialSession::finished, [&](const SessionOutcome& o) {
        outcome = o;
        loop.quit();
    });
    // The command line cannot start another program version: it shows the question the window
    // would ask, and the session ends as the answer No ends it.
    session.setVersionQuestion([](const std::string&, const TextPair& question) {
        std::cerr << question.en << '\n';
        return false;
    });

    if (const std::optional<TextPair> failure = session.OpenLink(kind, resolved.path)) {
        Fail(failure->en);
        return false;
    }
    session.start();
    if (!outcome) loop.exec();

    for (const TextPair& message : outcome->PendingMessages) std::cerr << message.en << '\n';
    if (!outcome->succeeded()) {
        // The window says nothing more; a script needs to know the session did not complete.
        Fail(kind == TransferKind::Read ? "the read from the radio did not complete"
                                        : "the write to the radio did not complete");
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
