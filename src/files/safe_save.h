// One output file (a CSV, a PDF, a sound, a report, a backup, an image) replaced the way the data
// files are: written beside its target, flushed, then renamed into place.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "files/file_io.h"

namespace kv {

// Replaces the file at `path` with `bytes`. Nothing on success; otherwise why not, and then the
// previous file is as it was and no partial file is left (a read-only target is refused even
// for root, a link has the file it leads to replaced, a hard link keeps the previous contents).
std::optional<FileFailure> SaveFileSafely(const std::string& path,
                                          std::span<const std::uint8_t> bytes);
std::optional<FileFailure> SaveFileSafely(const std::string& path, std::string_view bytes);

}  // namespace kv
