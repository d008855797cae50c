// What the read and write commands share: their arguments, the port lookup, and running radio
// sessions with progress on standard error. Every session leaves its trace in the per-user data
// folder, as the program's do.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "command.h"
#include "link/session_actions.h"
#include "model/memory_image.h"

namespace kv::cli {

struct LinkArguments {
    std::string port;                // COM<n> or a device path: the first --port
    std::vector<std::string> ports;  // every --port, in order (a write may take several)
    std::string file;
    bool verify = false;
    bool strict = false;  // a write refuses when the check before writing finds anything
    // Where the write keeps the radio's image before writing: a file, or with several ports a
    // folder holding one image per port; empty: none.
    std::string backup;
};

// "--port PORT FILE" in any order, plus "--verify", "--strict", "--backup FILE" and more "--port"
// options when writing (each port once). On a usage error prints it and returns nothing.
std::optional<LinkArguments> ParseLinkArguments(Arguments arguments, bool writing);

// Runs one read session on `port` into `image`: resolves the port, opens it, runs the session to
// its end with progress on standard error, prints the session's messages (an unlisted firmware
// version prints the question and the session fails). True on success.
bool RunReadSession(const std::string& port, MemoryImage& image);

// True when the file name ends in ".img" (any case): such files hold a raw memory image.
bool IsImageFileName(const std::string& path);

}  // namespace kv::cli
