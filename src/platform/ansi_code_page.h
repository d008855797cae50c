// The system's single-byte ("ANSI") code page, chosen by the system locale the way Windows does:
// GBK for Simplified Chinese, Big5 for Traditional Chinese, Windows-1252 otherwise.
#pragma once

#include <string_view>

#include "codec/code_page.h"

namespace kv {

const CodePage& AnsiCodePageFor(std::string_view systemLocaleHex);

}  // namespace kv
