// The channel sheet that printing, the print preview, PDF export and `kv7700-cli print` render:
// its content as plain data, built once from the document in one language, so that every front
// end prints the same thing. A table for every band and group holding channels, then a table of
// the settings.
#pragma once

#include <string>
#include <vector>

#include "codec/image_codec.h"
#include "model/document.h"

namespace kv {

struct SheetTable {
    std::string Title;
    std::vector<std::string> Header;
    std::vector<std::vector<std::string>> Rows;
};

struct ChannelSheet {
    std::string Title;
    std::string Subtitle;  // the document's file name and band range
    std::vector<SheetTable> Groups;
    SheetTable Settings;
};

// The sheet of `doc` in `language` (kLanguageEnglish or kLanguageChinese). Names are shown as the
// windows show them, through the system's code page in `codec`.
ChannelSheet BuildChannelSheet(const Document& doc, int language, const CodecOptions& codec = {});

}  // namespace kv
