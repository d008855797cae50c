// The data a new document starts from: the built-in defaults, the template files of the program's
// Init folder laid over them, and the start-up order that makes a fresh document count as
// unchanged.
#pragma once

#include <string>
#include <string_view>

#include "model/band_range.h"
#include "model/document.h"

namespace kv {

enum class TemplateKind {
    New,             // start-up and the New command: Init/<k>_KV7700_New.dat
    InitialSetting,  // the Initial Setting command: Init/<k>_KV7700.dat
};

// <programDir>/Init/<k>_<name>.dat, k being 0 for the HF range text and 1 for any other.
std::string TemplatePath(std::string_view programDir, std::string_view bandRangeText,
                         TemplateKind kind);

// Writes the built-in defaults into the working data; fields the defaults do not name keep their
// value (all zero in a fresh Document). today is YYYYMMDD.
void ApplyBuiltInDefaults(Document& doc, std::string_view today);

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
