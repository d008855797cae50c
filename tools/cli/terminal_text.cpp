// C1 controls are U+0080 to U+009F, in UTF-8 the byte C2 followed by 80 to 9F.
#include "terminal_text.h"

namespace kv::cli {
namespace {

void AppendEscaped(std::string& out, unsigned value) {
    constexpr char kDigits[] = "0123456789abcdef";
    out += "\\x";
    out += kDigits[(value >> 4) & 0x0F];
    out += kDigits[value & 0x0F];
}

}  // namespace

std::string TerminalText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
        if (b < 0x20 || b == 0x7F) {
            AppendEscaped(out, b);
        } else if (b == 0xC2 && next >= 0x80 && next < 0xA0) {
            AppendEscaped(out, next);
            ++i;
        } else {
            out += static_cast<char>(b);
        }
    }
    return out;
}

}  // namespace kv::cli
