// The template files of the program's Init folder laid over a document, and the new document of
// start-up: the built-in defaults, the start-up template over them, staged so that it counts as
// unchanged.
#pragma once

#include <string_view>

#include "model/default_data.h"
#include "model/document.h"

namespace kv {

// Lays the template of that kind for the range text in force over the working data. A template
// that cannot be read, or whose HF group 1 has no name, leaves the working data as it is.
// Returns whether the template was applied.
bool LoadTemplate(Document& doc, std::string_view programDir, TemplateKind kind);
inline bool LoadStartupTemplate(Document& doc, std::string_view programDir) {
    return LoadTemplate(doc, programDir, TemplateKind::New);
}
inline bool LoadInitialSettingTemplate(Document& doc, std::string_view programDir) {
    return LoadTemplate(doc, programDir, TemplateKind::InitialSetting);
}

// The new document of start-up: untitled "new.dat", the built-in defaults, the start-up template
// over them, then staged so that it counts as unchanged. The caller has set BandRangeText and its
// limits (start-up sets kStartupBandRangeText).
void BuildNewDocument(Document& doc, std::string_view programDir, std::string_view today);

}  // namespace kv
