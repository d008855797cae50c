// write --port PORT IN [--verify] [--strict] [--backup FILE]: a raw image (.img) or a data file
// pair written to the radio; with --backup the radio is read first and its image kept in FILE,
// with --verify it is read back afterwards and every block of the transfer map compared. The
// check before writing prints what it finds first; with --strict a finding refuses the write.
#include <iostream>

#include "app/write_checks.h"
#include "cli_link.h"
#include "cli_support.h"
#include "codec/image_codec.h"
#include "command.h"

namespace kv::cli {
namespace {

// The document as the radio would receive it: an image is decoded as a read decodes it.
std::unique_ptr<Document> DocumentToWrite(const std::string& path,
                                          std::unique_ptr<MemoryImage>& image) {
    if (!IsImageFileName(path)) {
        auto doc = OpenPair(path);
        if (!doc) return nullptr;
        image = std::make_unique<MemoryImage>();
        EncodeImage(doc->Working, *image, SystemCodec());
        return doc;
    }
    image = ReadImage(path);
    if (!image) return nullptr;
    auto doc = std::make_unique<Document>();
    DecodeImage(*image, doc->Working, SystemCodec());
    return doc;
}

// Prints the findings on standard error; true when there are none.
bool PrintFindings(const Document& doc) {
    const std::vector<WriteFinding> findings = CheckBeforeWriting(doc);
    if (findings.empty()) return true;
    std::cerr << WriteCheckHead().en << '\n';
    for (const WriteFinding& finding : findings) std::cerr << "  " << finding.Line.en << '\n';
    return false;
}

}  // namespace

int RunWrite(Arguments arguments) {
    const std::optional<LinkArguments> link = ParseLinkArguments(arguments, true);
    if (!link) return kExitUsage;
    std::unique_ptr<MemoryImage> image;
    const auto doc = DocumentToWrite(link->file, image);
    if (!doc) return kExitFailure;
    if (!PrintFindings(*doc) && link->strict) return Fail(WriteCheckRefused().en);
    return RunWriteJob(link->port, *image, link->verify, link->backup) ? kExitOk : kExitFailure;
}

}  // namespace kv::cli
