// Writing one document to one or several radios at the same time: every port its own session and
// write job (backup read, write, verify read), all on one event loop, each with its own progress
// lines; with several ports every line says its port and a summary names the radios that
// succeeded and those that failed.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "model/memory_image.h"

namespace kv::cli {

struct WriteTarget {
    std::string port;        // COM<n> or a device path
    std::string backupFile;  // where the radio's image is kept before writing; empty: none
};

// Writes `toWrite` to every target at once; with `verify` each radio is read back afterwards and
// every differing block is listed. A target whose port cannot be opened fails alone. True when
// every radio holds what was sent.
bool RunWriteJobs(const std::vector<WriteTarget>& targets, const MemoryImage& toWrite, bool verify);

// The backup file of `port` in `folder` when several radios are written: the port and the time
// in its name, and a number added when such a file is there already or in `taken` (the names
// given to the other ports, which it is added to).
std::string BackupFileInFolder(const std::string& folder, const std::string& port,
                               const std::string& stamp, std::set<std::string>& taken);

}  // namespace kv::cli
