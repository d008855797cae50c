// Texts of the document (bytes of the system's code page) as UTF-8 and back, for the files and
// listings that are UTF-8 whatever the system.
#pragma once

#include <string>
#include <string_view>

#include "codec/code_page.h"

namespace kv {

std::string ToUtf8(const CodePage& codePage, std::string_view bytes);
// Bytes of the code page; characters it cannot hold become '?'.
std::string FromUtf8(const CodePage& codePage, std::string_view utf8);

}  // namespace kv
