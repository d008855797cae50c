// write --port PORT IN [--verify] [--backup FILE]: a raw image (.img) or a data file pair written
// to the radio; with --backup the radio is read first and its image kept in FILE, with --verify
// it is read back afterwards and every block of the transfer map compared.
#include "cli_link.h"
#include "cli_support.h"
#include "codec/image_codec.h"
#include "command.h"

namespace kv::cli {
namespace {

std::unique_ptr<MemoryImage> ImageToWrite(const std::string& path) {
    if (IsImageFileName(path)) return ReadImage(path);
    const auto doc = OpenPair(path);
    if (!doc) return nullptr;
    auto image = std::make_unique<MemoryImage>();
    EncodeImage(doc->Working, *image, SystemCodec());
    return image;
}

}  // namespace

int RunWrite(Arguments arguments) {
    const std::optional<LinkArguments> link = ParseLinkArguments(arguments, true);
    if (!link) return kExitUsage;
    const auto image = ImageToWrite(link->file);
    if (!image) return kExitFailure;
    return RunWriteJob(link->port, *image, link->verify, link->backup) ? kExitOk : kExitFailure;
}

}  // namespace kv::cli
