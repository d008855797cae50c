// Text from a document as a terminal may be given it: a stored name may hold any byte, and an
// escape or other control character would be run by the terminal rather than shown.
#pragma once

#include <string>
#include <string_view>

namespace kv::cli {

// UTF-8 text with every control character (C0, DEL and C1) written as \xNN, as info shows them.
std::string TerminalText(std::string_view utf8);

}  // namespace kv::cli
