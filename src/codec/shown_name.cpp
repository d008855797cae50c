// Names made fit for lists and captions.
#include "codec/shown_name.h"

#include <cstdio>

namespace kv {
namespace {

bool Showable(char16_t c) {
    return c >= 0x20 && !(c >= 0x7F && c <= 0x9F) && c != 0xFFFD && !(c >= 0xD800 && c <= 0xDFFF);
}

void AppendUtf8(std::string& out, char16_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void AppendEscape(std::string& out, unsigned char byte) {
    char text[5];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    out += text;
}

}  // namespace

std::string ShownName(std::string_view bytes, const CodePage& page) {
    std::string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        bool shown = false;
        // One byte, or a lead byte and its trail byte in a double-byte code page.
        for (std::size_t length = 1; length <= 2 && i + length <= bytes.size() && !shown;
             ++length) {
            if (length == 2 && byte < 0x80) break;
            const std::u16string text = page.toUtf16(bytes.substr(i, length));
            if (text.size() == 1 && Showable(text[0])) {
                AppendUtf8(out, text[0]);
                i += length;
                shown = true;
            }
        }
        if (!shown) {
            AppendEscape(out, byte);
            ++i;
        }
    }
    return out;
}

}  // namespace kv
