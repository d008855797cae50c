// The document a command reads: a data file pair, or a memory image laid over the new document.
#pragma once

#include <memory>
#include <string>

#include "model/document.h"

namespace kv::cli {

// On failure prints the message and returns nothing.
std::unique_ptr<Document> OpenDocument(const std::string& path);

}  // namespace kv::cli
