// Code pages converted through glibc's iconv.
#include "platform/code_page_iconv.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace kv {
namespace {

// One conversion descriptor for one call; iconv keeps shift state in it.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; returns false at an input it cannot convert, leaving `in` at it.
    bool run(const char*& in, std::size_t& inLeft, std::string& out) {
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result =
                iconv(handle_, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t handle_;
};

constexpr char16_t kReplacement = u'\uFFFD';

}  // namespace

IconvCodePage::IconvCodePage(std::string encoding) : encoding_(std::move(encoding)) {}

std::u16string IconvCodePage::toUtf16(std::string_view bytes) const {
    Converter converter("UTF-16LE", encoding_.c_str());
    std::u16string text;
    if (!converter.valid()) return std::u16string(bytes.size(), kReplacement);
    const char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    std::string raw;
    while (!converter.run(in, inLeft, raw)) {
        // A byte that starts no character of the code page: replace it and go on after it.
        raw.push_back(static_cast<char>(0xFD));
        raw.push_back(static_cast<char>(0xFF));
        ++in;
        --inLeft;
    }
    for (std::size_t i = 0; i + 1 < raw.size(); i += 2)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(raw[i]) |
                                             (static_cast<unsigned char>(raw[i + 1]) << 8)));
    return text;
}

std::string IconvCodePage::fromUtf16(std::u16string_view text) const {
    std::string raw;
    raw.reserve(text.size() * 2);
    for (char16_t unit : text) {
        raw.push_back(static_cast<char>(unit & 0xFF));
        raw.push_back(static_cast<char>(unit >> 8));
    }
    Converter converter(encoding_.c_str(), "UTF-16LE");
    if (!converter.valid()) return std::string(text.size(), '?');
    const char* in = raw.data();
    std::size_t inLeft = raw.size();
    std::string out;
    while (!converter.run(in, inLeft, out)) {
        // Skip the whole character: a surrogate pair is two code units.
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(in[0]) |
                                                (static_cast<unsigned char>(in[1]) << 8));
        const std::size_t skip = (unit >= 0xD800 && unit < 0xDC00 && inLeft >= 4) ? 4 : 2;
        out.push_back('?');
        in += std::min(skip, inLeft);
        inLeft -= std::min(skip, inLeft);
    }
    return out;
}

const CodePage& Gbk() {
    static const IconvCodePage page("GBK");
    return page;
}

const CodePage& Big5() {
    static const IconvCodePage page("BIG5");
    return page;
}

}  // namespace kv
