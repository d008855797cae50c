// diff A B: every difference between two data file pairs or memory images, one line each as the
// windows name it, control characters written out. Exit 0 equal, 1 different, 2 when either cannot
// be read.
#include <iostream>

#include "cli_support.h"
#include "command.h"
#include "document_source.h"
#include "exchange/document_diff.h"
#include "terminal_text.h"

namespace kv::cli {

int RunDiff(Arguments arguments) {
    const auto a = OpenDocument(arguments[0]);
    if (!a) return kExitUsage;
    const auto b = OpenDocument(arguments[1]);
    if (!b) return kExitUsage;
    const auto lines = DiffDocuments(a->Working, b->Working, *SystemCodec().AnsiCodePage);
    for (const std::string& line : lines) std::cout << TerminalText(line) << '\n';
    if (!std::cout.flush()) {
        Fail("standard output cannot be written");
        return kExitUsage;
    }
    return lines.empty() ? kExitOk : kExitFailure;
}

}  // namespace kv::cli
