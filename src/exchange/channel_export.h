// Writing the channels of a document as a CSV file of the own format.
#pragma once

#include <string>

#include "codec/code_page.h"
#include "model/radio_data.h"

namespace kv {

// Every channel of every band and group (MEM and VFO groups included) in slot order, a row with
// only the name for a named group without channels, then the CB
// memory records in use: UTF-8 with a byte order mark, the English header first, CR LF lines.
// Group names are converted from the document's code page.
std::string ExportChannels(const RadioData& data, const CodePage& codePage);

// The CB group whose block holds memory record n (1..96); the shared records 65 to 80 belong to
// the group their band choice names.
int CbMemoryGroup(const ChannelRecord& memory, int n);

}  // namespace kv
