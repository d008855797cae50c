// One serial session runner of the command line with its port resolved and opened for a first
// session: the version table beside the program, traces in the per-user data folder, and the
// question the window would ask about another program version answered No.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "link/session_actions.h"
#include "model/memory_image.h"
#include "model/radio_facts.h"
#include "platform/serial_session.h"
#include "platform/version_file.h"

namespace kv::cli {

struct SessionLink {
    VersionTable versions = LoadVersionTable(VersionFilePath());
    RadioFacts facts;
    std::unique_ptr<SerialSession> session;

    // Resolves `port` (COM<n> or a device path) and opens it for a session of `kind` on `image`;
    // nothing, or why it could not.
    std::optional<std::string> Open(const std::string& port, TransferKind kind, MemoryImage& image);
};

}  // namespace kv::cli
