// What every command of kv7700-cli is: a name, its arguments, a one-line summary and the function
// that runs it. A new command is one file with its Run function and one line in the table of
// main.cpp.
#pragma once

#include <span>
#include <string>

namespace kv::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

using Arguments = std::span<const std::string>;

// Optional arguments of a command that takes any number of them (write's --port options).
inline constexpr int kUnboundedArguments = 1 << 20;

struct Command {
    const char* name;
    const char* arguments;  // as shown in the usage text
    int argumentCount;      // the command's arguments, the command name not counted
    const char* summary;
    int (*run)(Arguments arguments);
    int optionalArgumentCount = 0;  // arguments that may follow the required ones
};

int RunEncode(Arguments arguments);
int RunDecode(Arguments arguments);
int RunInfo(Arguments arguments);
int RunRead(Arguments arguments);
int RunWrite(Arguments arguments);
int RunNew(Arguments arguments);
int RunExport(Arguments arguments);
int RunImport(Arguments arguments);
int RunDiff(Arguments arguments);
int RunPrint(Arguments arguments);

}  // namespace kv::cli
