// Giving a group's channels new numbers with everything that names them by number: the group's
// work channel and reference pairs, the emergency, dual-watch and memory-key entries and, in the
// CB band, the CB memories that refer into the group. Insert&Paste, Sort Group by Frequency and
// Move Up / Move Down all renumber through here, so a reference follows its channel the same way
// whichever command moved it.
#pragma once

#include <map>

#include "model/document.h"

namespace kv {

// Old channel number → new channel number. Numbers not listed keep their number; the caller
// makes sure no two channels end with the same number.
using ChannelMoves = std::map<int, int>;

// Renumbers the group's slots and every reference to a moved number. A reference to a number
// that held no channel is moved along only when the map lists that number, as the channel would
// be; references the radio held invalid otherwise stay as they are.
void RenumberChannels(Document& doc, int band, int group, const ChannelMoves& moves);

}  // namespace kv
