// Opening a serial session runner for the command line.
#include "session_link.h"

#include <iostream>

#include "cli_support.h"
#include "platform/port_list.h"
#include "platform/user_data_folder.h"

namespace kv::cli {

std::optional<std::string> SessionLink::Open(const std::string& port, TransferKind kind,
                                             MemoryImage& image) {
    const ResolvedPort resolved = ResolvePortName(QString::fromStdString(port), SettingsFilePath());
    if (resolved.path.isEmpty()) return resolved.error.toStdString();
    session = std::make_unique<SerialSession>(image, facts, versions);
    session->setTraceFolder(TraceFolder());
    // The command line cannot start another program version: it shows the question the window
    // would ask, and the session ends as the answer No ends it.
    session->setVersionQuestion([](const std::string&, const TextPair& question) {
        std::cerr << question.en << '\n';
        return false;
    });
    if (const std::optional<TextPair> failure = session->OpenLink(kind, resolved.path))
        return failure->en;
    return std::nullopt;
}

}  // namespace kv::cli
