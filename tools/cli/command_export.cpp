// export DATAFILE OUT.csv [--format own|common --band HF|HAM --group G]: the channels of a data
// file pair (or memory image) as CSV: every channel in the own format, or one HF or HAM group in
// the common open format, naming the channels that format cannot carry.
#include <iostream>
#include <optional>
#include <vector>

#include "cli_support.h"
#include "command.h"
#include "document_source.h"
#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
#include "exchange/common_export.h"
#include "group_option.h"
#include "output_guard.h"
#include "terminal_text.h"

namespace kv::cli {
namespace {

struct ExportArguments {
    std::string Data;
    std::string Out;
    bool Common = false;
    ImportTarget Group{-1, 0};
};

std::optional<ExportArguments> Parse(Arguments arguments) {
    ExportArguments parsed;
    std::vector<std::string> files;
    for (std::size_t n = 0; n < arguments.size(); ++n) {
        const OptionTaken group = TakeGroupOption(arguments, n, parsed.Group);
        if (group == OptionTaken::Bad) return std::nullopt;
        if (group == OptionTaken::Yes) continue;
        const std::string& word = arguments[n];
        if (word == "--format" && n + 1 < arguments.size()) {
            const std::string& format = arguments[++n];
            if (format != "own" && format != "common") return std::nullopt;
            parsed.Common = format == "common";
        } else if (word.starts_with("--")) {
            return std::nullopt;
        } else {
            files.push_back(word);
        }
    }
    // The common format holds one group; the own format every group.
    const bool grouped = parsed.Group.Band >= 0 || parsed.Group.Group != 0;
    if (files.size() != 2 || grouped != parsed.Common) return std::nullopt;
    if (parsed.Common && !IsCommonExportGroup(parsed.Group.Band, parsed.Group.Group))
        return std::nullopt;
    parsed.Data = files[0];
    parsed.Out = files[1];
    return parsed;
}

}  // namespace

int RunExport(Arguments arguments) {
    const auto parsed = Parse(arguments);
    if (!parsed) {
        std::cerr << "kv7700-cli: export takes DATAFILE OUT.csv [--format own|common --band "
                     "HF|HAM --group G]\n";
        return kExitUsage;
    }
    if (const auto refused = OutputOverwritesInput({{parsed->Out}}, {DocumentFile(parsed->Data)}))
        return *refused;
    const auto doc = OpenDocument(parsed->Data);
    if (!doc) return kExitFailure;
    const CodePage& codePage = *SystemCodec().AnsiCodePage;
    if (!parsed->Common)
        return WriteOutput(parsed->Out, ExportChannels(doc->Working, codePage)) ? kExitOk
                                                                                : kExitFailure;
    const CommonExport out =
        ExportCommonFormat(doc->Working, parsed->Group.Band, parsed->Group.Group, codePage);
    for (const RefusedLine& left : out.Left)
        std::cerr << "not written: CH " << left.Line << ": " << TerminalText(left.Reason.en)
                  << '\n';
    return WriteOutput(parsed->Out, out.Text) ? kExitOk : kExitFailure;
}

}  // namespace kv::cli
