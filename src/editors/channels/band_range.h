// The band range in force: the range text and the two limits parsed from it.
#pragma once

#include "model/document.h"

namespace kv {

// Reads doc.BandRangeText ("lower - upper MHz") into doc.FreqMin and doc.FreqMax. A text without
// " - " gives 100 to 500 MHz; a limit that is not a number gives 100 (lower) or 500 (upper).
void ParseBandRange(Document& doc);

}  // namespace kv
