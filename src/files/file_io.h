// Reading the head of a file, and replacing several files so that either all of them take their
// new contents or none does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kv {

struct FileHead {
    std::vector<std::uint8_t> Bytes;  // at most the limit asked for
    std::uint64_t Size = 0;           // the whole file's size
};

// Reads up to `limit` bytes of a regular file; nothing when it cannot be opened or read.
std::optional<FileHead> ReadFileHead(const std::string& path, std::size_t limit);

struct FileContent {
    std::string Path;
    std::span<const std::uint8_t> Bytes;
};

// Writes every file to a temporary file beside its target, flushes them to the disk, and only
// when all are complete renames them into place, in the order given. When a rename fails the
// targets already replaced get their previous contents back, so a failure leaves every target
// as it was. Returns false on failure.
bool WriteFilesAtomically(std::span<const FileContent> files);

}  // namespace kv
