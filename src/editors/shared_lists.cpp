// The lists several editor windows share.
#include "editors/shared_lists.h"

namespace kv {
namespace {

std::vector<TextPair> Same(std::initializer_list<const char*> texts) {
    std::vector<TextPair> entries;
    for (const char* text : texts) entries.push_back({text, text});
    return entries;
}

}  // namespace

const std::vector<TextPair>& UpperOffOnList() {
    static const std::vector<TextPair> list = {{"OFF", "关"}, {"ON", "开"}};
    return list;
}

const std::vector<TextPair>& ModeList() {
    static const std::vector<TextPair> list = Same({"FM", "AM", "USB", "LSB", "PA", "CW"});
    return list;
}

const std::vector<TextPair>& PowerList() {
    static const std::vector<TextPair> list = Same({"Low", "Mid", "High"});
    return list;
}

std::vector<TextPair> NbAnlList(const TextPair& off) {
    std::vector<TextPair> list = {off};
    for (const TextPair& filter : Same({"NB", "ANL", "NB/ANL"})) list.push_back(filter);
    return list;
}

TextPair NotInListText(int value) {
    const std::string n = std::to_string(value);
    return {n + " (not in the list)", n + "（不在列表中）"};
}

}  // namespace kv
