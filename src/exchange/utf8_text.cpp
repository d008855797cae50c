// UTF-8 to and from the code page through UTF-16.
#include "exchange/utf8_text.h"

namespace kv {

std::string ToUtf8(const CodePage& codePage, std::string_view bytes) {
    std::string out;
    for (char16_t c : codePage.toUtf16(bytes)) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string FromUtf8(const CodePage& codePage, std::string_view utf8) {
    std::u16string text;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : 0;
        bool valid = length > 0 && i + length <= utf8.size();
        char32_t c = length == 1 ? b : length == 2 ? (b & 0x1F) : (b & 0x0F);
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next >> 6) == 2;
            c = (c << 6) | (next & 0x3F);
        }
        text += valid ? static_cast<char16_t>(c) : u'?';
        i += valid ? length : 1;
    }
    return codePage.fromUtf16(text);
}

}  // namespace kv
