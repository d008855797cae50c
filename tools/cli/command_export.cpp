// export DATAFILE OUT.csv: every channel of a data file pair (or memory image) as CSV of the own
// format.
#include <fstream>

#include "cli_support.h"
#include "command.h"
#include "document_source.h"
#include "exchange/channel_export.h"

namespace kv::cli {

int RunExport(Arguments arguments) {
    const auto doc = OpenDocument(arguments[0]);
    if (!doc) return kExitFailure;
    const std::string text = ExportChannels(doc->Working, *SystemCodec().AnsiCodePage);
    std::ofstream out(arguments[1], std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return out ? kExitOk : Fail(arguments[1] + ": the file cannot be written");
}

}  // namespace kv::cli
