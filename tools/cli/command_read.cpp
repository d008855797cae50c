// read --port PORT OUT: the radio's memory read into a raw image (.img) or a data file pair.
#include "cli_link.h"
#include "cli_support.h"
#include "codec/image_codec.h"
#include "command.h"
#include "files/data_file.h"
#include "new_document.h"

namespace kv::cli {

int RunRead(Arguments arguments) {
    const std::optional<LinkArguments> link = ParseLinkArguments(arguments, false);
    if (!link) return kExitUsage;
    auto image = std::make_unique<MemoryImage>();
    if (!RunReadSession(link->port, *image)) return kExitFailure;
    if (IsImageFileName(link->file)) return WriteImage(*image, link->file) ? kExitOk : kExitFailure;
    auto doc = NewDocument();
    DecodeImage(*image, doc->Working, SystemCodec());
    const FileResult result = SaveDataFile(*doc, link->file);
    return result.ok() ? kExitOk : Fail(link->file + ": " + result.Message.en);
}

}  // namespace kv::cli
