// Opening a pair or an image as a document.
#include "document_source.h"

#include "cli_link.h"
#include "cli_support.h"
#include "codec/image_codec.h"
#include "new_document.h"

namespace kv::cli {

std::unique_ptr<Document> OpenDocument(const std::string& path) {
    // A file named .img is read as an image, so that one of the wrong size is named as such.
    if (!IsImageFileName(path) && !LooksLikeImage(path)) return OpenPair(path);
    const auto image = ReadImage(path);
    if (!image) return nullptr;
    auto doc = NewDocument();
    DecodeImage(*image, doc->Working, SystemCodec());
    return doc;
}

}  // namespace kv::cli
