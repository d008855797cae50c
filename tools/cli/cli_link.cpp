// Radio sessions for the command line: the serial session runner on this thread's event loop.
#include "cli_link.h"

#include <QEventLoop>
#include <algorithm>
#include <cctype>
#include <iostream>
#include <set>

#include "cli_support.h"
#include "link/port_numbering.h"
#include "progress_line.h"
#include "session_link.h"

namespace kv::cli {
namespace {

void PrintMessages(const SessionOutcome& outcome) {
    for (const TextPair& message : outcome.PendingMessages) std::cerr << message.en << '\n';
}

}  // namespace

std::optional<LinkArguments> ParseLinkArguments(Arguments arguments, bool writing) {
    LinkArguments parsed;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const bool takesValue = arguments[i] == "--port" || (arguments[i] == "--backup" && writing);
        if (takesValue && i + 1 >= arguments.size()) {
            std::cerr << "kv7700-cli: " << arguments[i] << " needs a value\n";
            return std::nullopt;
        }
        if (arguments[i] == "--port") {
            const std::string& port = arguments[++i];
            if (!port.starts_with('/') && !ParsePortName(port)) {
                std::cerr << "kv7700-cli: --port \"" << port << "\" is neither COM"
                          << kFirstPortNumber << " to COM" << kLastPortNumber
                          << " nor a device path\n";
                return std::nullopt;
            }
            parsed.ports.push_back(port);
        } else if (arguments[i] == "--verify" && writing) {
            parsed.verify = true;
        } else if (arguments[i] == "--strict" && writing) {
            parsed.strict = true;
        } else if (arguments[i] == "--backup" && writing) {
            parsed.backup = arguments[++i];
            if (parsed.backup.empty()) {
                std::cerr << "kv7700-cli: --backup needs a file or folder name\n";
                return std::nullopt;
            }
        } else if (arguments[i].starts_with("--")) {
            std::cerr << "kv7700-cli: unknown option " << arguments[i] << '\n';
            return std::nullopt;
        } else {
            files.push_back(arguments[i]);
        }
    }
    if (parsed.ports.empty() || files.size() != 1) {
        std::cerr << "kv7700-cli: give --port PORT and one file\n";
        return std::nullopt;
    }
    if (parsed.ports.size() > 1 && !writing) {
        std::cerr << "kv7700-cli: a read takes one --port\n";
        return std::nullopt;
    }
    std::set<std::string> seen;
    for (const std::string& port : parsed.ports) {
        if (!seen.insert(port).second) {
            std::cerr << "kv7700-cli: --port " << port << " is given twice\n";
            return std::nullopt;
        }
    }
    parsed.port = parsed.ports.front();
    parsed.file = files[0];
    return parsed;
}

bool RunReadSession(const std::string& port, MemoryImage& image) {
    SessionLink link;
    if (const auto failure = link.Open(port, TransferKind::Read, image)) {
        Fail(*failure);
        return false;
    }
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

bool IsImageFileName(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".img";
}

}  // namespace kv::cli
