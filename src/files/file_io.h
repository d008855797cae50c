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

// Why a file could not be read or written: the file, and the system's error number or what was
// wrong with its contents.
struct FileFailure {
    enum class Kind { System, NotRegularFile, TooShort, Damaged, ReadOnly };
    std::string Path;
    Kind Problem = Kind::System;
    int Error = 0;  // the errno value of a System failure
};

struct FileHead {
    std::vector<std::uint8_t> Bytes;  // at most the limit asked for
    std::uint64_t Size = 0;           // the whole file's size
};

// Reads up to `limit` bytes of a regular file; nothing when it cannot be opened or read, and then
// `failure`, when given, says why.
std::optional<FileHead> ReadFileHead(const std::string& path, std::size_t limit,
                                     FileFailure* failure = nullptr);

struct FileContent {
    std::string Path;
    std::span<const std::uint8_t> Bytes;
};

// Writes every file to a temporary file beside its target, flushes them to the disk, and only
// when all are complete renames them into place, in the order given. A target that is a symbolic
// link has the file it leads to replaced, in that file's folder. A target whose permission bits
// deny its owner writing is refused (ReadOnly) before anything is written, even for root. A
// replaced file keeps its permission bits and, where the system allows, its group; a hard link to
// it keeps the previous contents. When a rename fails the
// targets already replaced get their previous contents back, so a failure leaves every target
// as it was. A process killed between the renames leaves backups of the previous contents that
// RecoverInterruptedReplacement puts back. Returns false on failure, and then `failure`, when
// given, says why.
bool WriteFilesAtomically(std::span<const FileContent> files, FileFailure* failure = nullptr);

// One file replaced as WriteFilesAtomically replaces it, for contents written piece by piece (a
// long sound): the pieces go to the temporary file beside the target, which Commit flushes and
// renames into place. Until then the target is untouched; a replacement destroyed without a
// successful Commit removes its temporary file.
class FileReplacement {
public:
    // Refuses a read-only target at once; Failed() then says why.
    explicit FileReplacement(const std::string& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False once anything failed; later writes do nothing.
    bool Write(std::span<const std::uint8_t> bytes);
    // Nothing when the file is in place; otherwise why not, the target then as it was.
    std::optional<FileFailure> Commit();
    const std::optional<FileFailure>& Failed() const { return failure_; }

private:
    void Abandon();

    std::string given_;
    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    std::optional<FileFailure> failure_;
};

// The file a path names once its symbolic links are followed; the path itself when it is no link.
// A link to a file that does not exist yet leads to where that file would be.
std::string FollowLinks(const std::string& path);

// Completes what a killed WriteFilesAtomically of these targets (in the same order) left: when it
// was interrupted between its renames, every target gets its previous contents back; the side
// files it left are removed. Writing calls it first; a reader of the targets calls it before
// reading, so that it never sees some targets old and others new.
void RecoverInterruptedReplacement(std::span<const std::string> targets);

}  // namespace kv
