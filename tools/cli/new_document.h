// The document a command starts from when it does not open one.
#pragma once

#include <memory>

#include "model/document.h"

namespace kv::cli {

std::unique_ptr<Document> NewDocument();

}  // namespace kv::cli
