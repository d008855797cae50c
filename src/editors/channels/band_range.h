// The band range rules of the channel editors. The range texts themselves live with the document
// model, where the data files and start-up use them too.
#pragma once

#include "editors/channels/freq_text.h"
#include "model/band_range.h"

namespace kv {

// The limits of a band as its range text gives them (HF 24.715–30.105, HAM 28.0–29.7 MHz),
// whatever range text is in force; 100 to 500 MHz for a number that is not a band.
FreqLimits BandLimits(int band);

}  // namespace kv
