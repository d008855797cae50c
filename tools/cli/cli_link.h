// What the read and write commands share: their arguments, the port lookup, and running one
// radio session with progress on standard error.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "command.h"
#include "link/session_actions.h"
#include "model/memory_image.h"

namespace kv::cli {

struct LinkArguments {
    std::string port;  // COM<n> or a device path
    std::string file;
    bool verify = false;
};

// "--port PORT FILE" in any order, plus "--verify" when allowed. On a usage error prints it and
// returns nothing.
std::optional<LinkArguments> ParseLinkArguments(Arguments arguments, bool allowVerify);

// Runs one session of `kind` on `port` with `image`: resolves the port, opens it, runs the
// session to its end with progress on standard error, prints the session's messages (an
// unlisted firmware version prints the question and the session fails). True on success.
bool RunLinkSession(TransferKind kind, const std::string& port, MemoryImage& image);

// True when the file name ends in ".img" (any case): such files hold a raw memory image.
bool IsImageFileName(const std::string& path);

}  // namespace kv::cli
