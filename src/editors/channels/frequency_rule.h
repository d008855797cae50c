// The one rule for the frequency a channel may have. Every place that accepts a record or a
// frequency for a channel (paste, spreadsheet paste, import, the check before writing) asks it,
// so a channel the program's own CB plans hold is never refused by one path and kept by another.
#pragma once

#include <string_view>

#include "model/text_pair.h"

namespace kv {

// Whether channel chNo of the band's group may hold the stored frequency text (the 8-character
// record form, "27601250"): a frequency inside the band's range (limits inclusive), or, in CB,
// exactly the frequency the group's channel plan gives that channel number (PL channel 1 at
// 26.960 MHz, DE channels 41 to 80, UK channels 28 to 40 lie outside the CB range). An empty or
// non-numeric text is never a frequency a channel may have.
bool ChannelMayHaveFrequency(int band, int group, int chNo, std::string_view storedFreqText);

// Why a record was refused by the rule, with the frequency as MHz text.
TextPair FrequencyRefusedText(std::string_view mhz);

}  // namespace kv
