// The starting document of kv7700-cli: an empty document with the program's data version.
#include "new_document.h"

namespace kv::cli {

std::unique_ptr<Document> NewDocument() {
    auto doc = std::make_unique<Document>();
    doc->Working.Config.FileVersion.assign(kProgramDataVersion);
    return doc;
}

}  // namespace kv::cli
