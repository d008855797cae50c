// The template files of the program's Init folder and the new document built from the built-in
// defaults with the start-up template laid over them, staged so that it counts as unchanged.
#pragma once

#include <string>
#include <string_view>

#include "model/default_data.h"
#include "model/document.h"

namespace kv {

enum class TemplateKind {
    New,             // start-up and the New command: Init/<k>_KV7700_New.dat
    InitialSetting,  // the Initial Setting command: Init/<k>_KV7700.dat
};

// <programDir>/Init/<k>_<name>.dat, k being 0 for the HF range text and 1 for any other.
std::string TemplatePath(std::string_view programDir, std::string_view bandRangeText,
                         TemplateKind kind);

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
