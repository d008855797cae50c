// Refusing a command whose output would replace one of its own inputs: a data file pair is read
// with its companion file, so writing either of them destroys what the command reads.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kv::cli {

struct CommandFile {
    std::string Path;
    bool Pair = false;  // a data file pair: its companion file is read or written with it
};

// A document argument as the commands open it: a memory image, or a data file pair.
CommandFile DocumentFile(const std::string& path);
// An output saved as a memory image when its name ends in .img, otherwise as a data file pair.
CommandFile PairOrImageOutput(const std::string& path);

// When a file an output writes is a file an input reads (the same file once links are
// followed, hard links included), prints the usage error and returns its exit status.
std::optional<int> OutputOverwritesInput(const std::vector<CommandFile>& outputs,
                                         const std::vector<CommandFile>& inputs);

}  // namespace kv::cli
