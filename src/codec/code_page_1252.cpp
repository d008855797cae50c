// The Windows-1252 code page: the single-byte code page of Western European systems.
#include <array>

#include "codec/code_page.h"

namespace kv {
namespace {

// Characters of bytes 0x80 to 0x9F; the rest of the code page equals Latin-1. The five bytes the
// code page leaves undefined map to the control character of the same number, as the system's
// own conversion does, so every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

class Windows1252CodePage final : public CodePage {
public:
    std::u16string toUtf16(std::string_view bytes) const override {
        std::u16string text;
        text.reserve(bytes.size());
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            text.push_back(byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80]
                                                        : static_cast<char16_t>(byte));
        }
        return text;
    }

    std::string fromUtf16(std::u16string_view text) const override {
        std::string bytes;
        bytes.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t unit = text[i];
            // A surrogate pair is one character outside the code page.
            if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                text[i + 1] <= 0xDFFF)
                ++i;
            bytes.push_back(static_cast<char>(byteOf(unit)));
        }
        return bytes;
    }

private:
    static unsigned char byteOf(char16_t unit) {
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<unsigned char>(unit);
        for (std::size_t i = 0; i < kHighControls.size(); ++i)
            if (kHighControls[i] == unit) return static_cast<unsigned char>(0x80 + i);
        return '?';
    }
};

}  // namespace

const CodePage& Windows1252() {
    static const Windows1252CodePage codePage;
    return codePage;
}

}  // namespace kv
