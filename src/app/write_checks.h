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
    // The check relies on RadioOptionFlag, which only the program knows (its Setup item, the last
    // identification); a command line working offline leaves it out.
    bool NeedsRadioOption = false;
};

std::span<const WriteCheckRow> WriteCheckRows();

struct WriteFinding {
    const char* Check;  // the row's Name
    TextPair Line;      // "what — where", in both languages
};

// Every finding of every check, in table order; without `radioOptionKnown` the checks that rely
// on the document's RadioOptionFlag are left out.
std::vector<WriteFinding> CheckBeforeWriting(const Document& doc, bool radioOptionKnown = true);

// The whole text: a head line, one line per finding, and the question whether to go on.
TextPair WriteCheckReport(const std::vector<WriteFinding>& findings);

// The texts of the window that lists the findings before a write.
struct WriteCheckWindowTexts {
    TextPair Head;      // above the list
    TextPair Question;  // below it, beside OK and Cancel
    TextPair CopyButton;
    TextPair SaveButton;
    TextPair SaveTitle;      // the file window's title
    TextPair TextFileLabel;  // the file window filter's label
    TextPair SaveFailed;     // followed by the file and the reason
};
const WriteCheckWindowTexts& WriteCheckTexts();

// The findings as a text file holds them: one line each, "\n" after every line.
std::string WriteCheckList(const std::vector<WriteFinding>& findings, int language);

// The command line's head line and the line of a refused strict write.
TextPair WriteCheckHead();
TextPair WriteCheckRefused();

}  // namespace kv
