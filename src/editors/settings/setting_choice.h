// One entry of a settings pick list: the text it shows and the value it stores. Every list of the
// settings window is a list of these, so showing (stored value → entry) and storing (entry →
// stored value) walk the same data.
#pragma once

#include <string>
#include <vector>

#include "model/text_pair.h"

namespace kv {

struct Choice {
    TextPair Text;
    int Value = 0;

    bool operator==(const Choice&) const = default;
};

using ChoiceList = std::vector<Choice>;

// The entry a stored value shows: the first entry holding that value; -1 when no entry does (the
// window then shows the value itself, and it stays stored until the user picks).
int ShownChoice(const ChoiceList& choices, int stored);

// Texts the settings lists share.
const TextPair& OffText();  // "Off" / "关"
const TextPair& OnText();   // "On" / "开"
// The same text in both languages.
TextPair Same(std::string text);

}  // namespace kv
