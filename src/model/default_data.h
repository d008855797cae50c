// The built-in defaults a new document starts from; the template files of the program's Init
// folder are laid over them by files/templates.h.
#pragma once

#include <string_view>

#include "model/band_range.h"
#include "model/document.h"

namespace kv {

// Writes the built-in defaults into the working data; fields the defaults do not name keep their
// value (all zero in a fresh Document). today is YYYYMMDD.
void ApplyBuiltInDefaults(Document& doc, std::string_view today);

}  // namespace kv
