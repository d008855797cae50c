// Code pages beyond Windows-1252, converted through glibc's iconv: GBK (code page 936) and
// Big5 (code page 950).
#pragma once

#include <string>
#include <string_view>

#include "codec/code_page.h"

namespace kv {

class IconvCodePage final : public CodePage {
public:
    // `encoding` is an iconv encoding name such as "GBK".
    explicit IconvCodePage(std::string encoding);

    // Bytes that do not form a character become U+FFFD.
    std::u16string toUtf16(std::string_view bytes) const override;
    // Characters the code page cannot represent become '?'.
    std::string fromUtf16(std::u16string_view text) const override;

private:
    std::string encoding_;
};

const CodePage& Gbk();

const CodePage& Big5();

}  // namespace kv
