// Pick-list entries of the settings window.
#include "editors/settings/setting_choice.h"

#include <algorithm>

namespace kv {

int ShownChoice(const ChoiceList& choices, int stored) {
    const auto found = std::find_if(choices.begin(), choices.end(),
                                    [stored](const Choice& c) { return c.Value == stored; });
    return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}

const TextPair& OffText() {
    static const TextPair text{"Off", "关"};
    return text;
}

const TextPair& OnText() {
    static const TextPair text{"On", "开"};
    return text;
}

TextPair Same(std::string text) {
    return {text, text};
}

}  // namespace kv
