// The data a new document starts from: the built-in defaults, and where the template files of the
// program's Init folder are (files/templates.h lays them over the defaults).
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

}  // namespace kv
