// The check before writing: what in the document would surprise the user once it is on the
// radio, found with the rules the editor windows use. Each check is one row of a table with its
// texts in both languages; a finding names what is wrong and where to fix it. The window and the
// command line show the same lines.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/document.h"
#include "model/text_pair.h"

namespace kv {

// The values that fill one finding's texts: "{1}", "{2}", "{3}" are replaced by them.
using FindingArguments = std::vector<std::string>;

struct WriteCheckRow {
    const char* Name;  // stable identifier, for tests and traces
    TextPair What;     // what the radio would do or hold
    TextPair Where;    // where the user fixes it
    std::vector<FindingArguments> (*Find)(const Document& doc);
};

std::span<const WriteCheckRow> WriteCheckRows();

struct WriteFinding {
    const char* Check;  // the row's Name
    TextPair Line;      // "what — where", in both languages
};

// Every finding of every check, in table order.
std::vector<WriteFinding> CheckBeforeWriting(const Document& doc);

// The window's text: a head line, one line per finding, and the question whether to go on.
TextPair WriteCheckReport(const std::vector<WriteFinding>& findings);

// The command line's head line and the line of a refused strict write.
TextPair WriteCheckHead();
TextPair WriteCheckRefused();

}  // namespace kv
