// Conversion between the system's single-byte ("ANSI") code page, in which the document keeps its
// texts, and UTF-16. The core knows Windows-1252; the platform layer supplies others (GBK).
#pragma once

#include <string>
#include <string_view>

namespace kv {

class CodePage {
public:
    virtual ~CodePage() = default;
    virtual std::u16string toUtf16(std::string_view bytes) const = 0;
    // Characters the code page cannot represent become '?'.
    virtual std::string fromUtf16(std::u16string_view text) const = 0;
};

const CodePage& Windows1252();

}  // namespace kv
