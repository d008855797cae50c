// Names as lists and captions show them. A name's bytes are in the system's code page; a byte
// the code page cannot show, and every control character, is shown as "\x8C", so that names
// that differ only in such bytes still look different and no control character (a tab breaking
// a row) reaches a list. Editing a name replaces it whole, so this text is never stored back.
#pragma once

#include <string>
#include <string_view>

#include "codec/code_page.h"

namespace kv {

// The name as UTF-8 text.
std::string ShownName(std::string_view bytes, const CodePage& page);

}  // namespace kv
