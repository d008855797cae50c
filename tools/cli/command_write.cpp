// write --port PORT IN [--verify]: a raw image (.img) or a data file pair written to the radio;
// with --verify the radio is read back and every block of the transfer map compared.
#include <iomanip>
#include <iostream>

#include "cli_link.h"
#include "cli_support.h"
#include "codec/image_codec.h"
#include "command.h"
#include "link/transfer_map.h"

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

// Lists the blocks whose radio contents differ from what was written; true when none does.
bool SameBlocks(const MemoryImage& written, const MemoryImage& readBack) {
    int mismatches = 0;
    for (std::uint32_t address : TransferBlockAddresses()) {
        if (ImageBlock(written, address) == ImageBlock(readBack, address)) continue;
        ++mismatches;
        std::cerr << "block 0x" << std::hex << std::uppercase << std::setw(5) << std::setfill('0')
                  << address << std::dec << " differs\n";
    }
    if (mismatches > 0) std::cerr << "kv7700-cli: " << mismatches << " blocks differ\n";
    return mismatches == 0;
}

}  // namespace

int RunWrite(Arguments arguments) {
    const std::optional<LinkArguments> link = ParseLinkArguments(arguments, true);
    if (!link) return kExitUsage;
    const auto image = ImageToWrite(link->file);
    if (!image) return kExitFailure;
    if (!RunLinkSession(TransferKind::Write, link->port, *image)) return kExitFailure;
    if (!link->verify) return kExitOk;
    auto readBack = std::make_unique<MemoryImage>();
    if (!RunLinkSession(TransferKind::Read, link->port, *readBack)) return kExitFailure;
    return SameBlocks(*image, *readBack) ? kExitOk : kExitFailure;
}

}  // namespace kv::cli
