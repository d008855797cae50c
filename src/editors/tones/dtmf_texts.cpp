// The DTMF window's texts and rows.
#include "editors/tones/dtmf_texts.h"

#include <string>

namespace kv {
namespace {

std::vector<TextPair> Numbers(int first, int last, int step) {
    std::vector<TextPair> list;
    for (int n = first; n <= last; n += step)
        list.push_back({std::to_string(n), std::to_string(n)});
    return list;
}

std::vector<TextPair> DCodeChoices() {
    std::vector<TextPair> list = {{"Off", "D 码"}};
    for (int s = 1; s <= 16; ++s)
        list.push_back({std::to_string(s) + "s", std::to_string(s) + "秒"});
    return list;
}

}  // namespace

const DtmfWindowTexts& DtmfTexts() {
    static const DtmfWindowTexts texts = {
        {"DTMF", "DTMF(双音多频)"},
        {"Encode", "编码"},
        {"Decode", "解码"},
        {"Autodial Memory", "自动拨号存储器"},
        {"No.", "编号"},
        {"Autodial Memory", "自动拨号存储器"},
        {"DTMF DISP", "DTMF 显示"},
    };
    return texts;
}

std::span<const DtmfEncodeRow> DtmfEncodeRows() {
    static const DtmfEncodeRow rows[] = {
        {{"DTMF Send Time[ms]", "DTMF 发送时间[毫秒]"}, Numbers(10, 500, 10), 0},
        {{"First Digit Time[ms]", "首位数码时间[毫秒]"}, Numbers(0, 1000, 100), 1},
        {{"First Digit Delay[ms]", "首位数码延迟[毫秒]"}, Numbers(100, 2500, 100), 2},
        {{"* and # Tone[ms]", "*和#音[毫秒]"},
         {{"Off", "Off"}, {"100", "100"}, {"500", "500"}, {"1000", "1000"}},
         3},
        {{"D Code Assignment", "D键设定"}, DCodeChoices(), 4},
    };
    return rows;
}

}  // namespace kv
