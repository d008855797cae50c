// What the read and write commands share: their arguments, the port lookup, and running radio
// sessions with progress on standard error. Every session leaves its trace in the per-user data
// folder, as the program's do.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "command.h"
#include "link/session_actions.h"
#include "link/write_job.h"
#include "model/memory_image.h"

namespace kv::cli {

struct LinkArguments {
    std::string port;  // COM<n> or a device path
    std::string file;
    bool verify = false;
    bool strict = false;  // a write refuses when the check before writing finds anything
    std::string backup;   // where the write keeps the radio's image before writing; empty: none
};

// "--port PORT FILE" in any order, plus "--verify", "--strict" and "--backup FILE" when writing. On
// a usage error prints it and returns nothing.
std::optional<LinkArguments> ParseLinkArguments(Arguments arguments, bool writing);

// Runs one read session on `port` into `image`: resolves the port, opens it, runs the session to
// its end with progress on standard error, prints the session's messages (an unlisted firmware
// version prints the question and the session fails). True on success.
bool RunReadSession(const std::string& port, MemoryImage& image);

// Writes `toWrite` as a job on one port opening: with `backupFile` the radio is read first and
// its image kept there (nothing is written when that fails); with `verify` the radio is read back
// afterwards and every differing block is listed. True when the radio holds what was sent.
bool RunWriteJob(const std::string& port, const MemoryImage& toWrite, bool verify,
                 const std::string& backupFile);

// True when the file name ends in ".img" (any case): such files hold a raw memory image.
bool IsImageFileName(const std::string& path);

}  // namespace kv::cli
