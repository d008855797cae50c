// What the Edit menu calls an edit of the document ("Frequency, HF A, CH 7") and which editor
// window shows it, derived from the announced edit and the records it changed.
#pragma once

#include "codec/code_page.h"
#include "model/document.h"
#include "model/document_edit.h"
#include "model/text_pair.h"
#include "model/working_diff.h"

namespace kv {

struct EditDescription {
    TextPair Name;
    const char* Window = nullptr;  // object name of the editor window; nullptr for none
};

// A group name is shown as the windows show it, through the system's code page.
EditDescription DescribeEdit(const Document& doc, const DocumentEdit& edit, const WorkingDiff& diff,
                             const CodePage& codePage);

// The Edit menu's items: "Undo Frequency, HF A, CH 7" / "撤销 频率, HF A, 信道 7", and the plain
// caption when there is nothing to undo or redo.
TextPair UndoCaption(const TextPair* name);
TextPair RedoCaption(const TextPair* name);

}  // namespace kv
