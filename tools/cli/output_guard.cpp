// Comparing files by device and inode, which is what "the same file" means once symbolic and
// hard links are taken into account.
#include "output_guard.h"

#include <sys/stat.h>

#include <iostream>

#include "cli_link.h"
#include "cli_support.h"
#include "command.h"
#include "files/data_file_pair.h"

namespace kv::cli {
namespace {

std::vector<std::string> FilesOf(const CommandFile& file) {
    if (!file.Pair) return {file.Path};
    return {file.Path, CompanionPath(file.Path)};
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

CommandFile DocumentFile(const std::string& path) {
    return {path, !IsImageFileName(path) && !LooksLikeImage(path)};
}

CommandFile PairOrImageOutput(const std::string& path) {
    return {path, !IsImageFileName(path)};
}

std::optional<int> OutputOverwritesInput(const std::vector<CommandFile>& outputs,
                                         const std::vector<CommandFile>& inputs) {
    for (const CommandFile& output : outputs)
        for (const std::string& written : FilesOf(output))
            for (const CommandFile& input : inputs)
                for (const std::string& read : FilesOf(input))
                    if (SameFile(written, read)) {
                        std::cerr << "kv7700-cli: " << written << " is also an input (" << read
                                  << "); give another output file\n";
                        return kExitUsage;
                    }
    return std::nullopt;
}

}  // namespace kv::cli
