// The data a new document starts from: the built-in defaults, the template files of the program's
// Init folder laid over them, and the start-up order that makes a fresh document count as
// unchanged.
#pragma once

#include <string>
#include <string_view>

#include "model/document.h"

namespace kv {

// The band range text start-up sets before it builds the defaults.
inline constexpr const char* kStartupBandRangeText = "28.0000 - 29.6990 MHz";

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
