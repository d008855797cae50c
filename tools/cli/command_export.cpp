// export DATAFILE OUT.csv: every channel of a data file pair (or memory image) as CSV of the own
// format.
#include "cli_support.h"
#include "command.h"
#include "document_source.h"
#include "exchange/channel_export.h"
#include "output_guard.h"

namespace kv::cli {

int RunExport(Arguments arguments) {
    if (const auto refused = OutputOverwritesInput({{arguments[1]}}, {DocumentFile(arguments[0])}))
        return *refused;
    const auto doc = OpenDocument(arguments[0]);
    if (!doc) return kExitFailure;
    const std::string text = ExportChannels(doc->Working, *SystemCodec().AnsiCodePage);
    return WriteOutput(arguments[1], text) ? kExitOk : kExitFailure;
}

}  // namespace kv::cli
