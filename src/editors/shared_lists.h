// Lists that several editor windows offer with the same entries in both languages, held once so
// that the windows cannot drift apart. Lists that only look alike ("Off" in the settings window,
// "OFF" in the channel window) stay with their window: they are the windows' own texts.
#pragma once

#include <string>
#include <vector>

#include "model/text_pair.h"

namespace kv {

// "OFF" / "关", "ON" / "开": the channel window's and the weather window's switches.
const std::vector<TextPair>& UpperOffOnList();
// FM, AM, USB, LSB, PA, CW: a channel's mode and a band's public mode.
const std::vector<TextPair>& ModeList();
// Low, Mid, High: a channel's power and a band's public power.
const std::vector<TextPair>& PowerList();
// The noise filters after the window's own off entry: NB, ANL, NB/ANL (positions 1 to 3), for a
// channel and for a band's public parameters.
std::vector<TextPair> NbAnlList(const TextPair& off);

// "229 (not in the list)": a stored value no entry of its list holds, as the lists and the
// printed sheet show it.
TextPair NotInListText(int value);

}  // namespace kv
