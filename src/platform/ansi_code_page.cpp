// The system's single-byte code page by system locale.
#include "platform/ansi_code_page.h"

#include "platform/code_page_iconv.h"

namespace kv {

const CodePage& AnsiCodePageFor(std::string_view systemLocaleHex) {
    if (systemLocaleHex == "804" || systemLocaleHex == "1004") return Gbk();
    if (systemLocaleHex == "404" || systemLocaleHex == "C04" || systemLocaleHex == "1404")
        return Big5();
    return Windows1252();
}

}  // namespace kv
