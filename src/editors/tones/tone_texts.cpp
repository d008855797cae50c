// The roger-beep window's texts and lists.
#include "editors/tones/tone_texts.h"

#include <array>

namespace kv {
namespace {

constexpr int kLowestListFreq = 40;  // 400 Hz
constexpr int kHighestListFreq = 255;

std::vector<TextPair> Numbers(int first, int last, int step) {
    std::vector<TextPair> list;
    for (int n = first; n <= last; n += step)
        list.push_back({std::to_string(n), std::to_string(n)});
    return list;
}

}  // namespace

const ToneWindowTexts& ToneTexts() {
    static const ToneWindowTexts texts = {
        {"Roger Beep", "RB音"},
        {"RB Tone", "RB音"},
        {"Recycle Times", "循环次数"},
        {"Inter Time[ms]", "间隔时间[ms]"},
        {"Frequency[Hz]", "频率[Hz]"},
        {"Tone Long[ms]", "音长[ms]"},
        {"&Play", "播放(&P)"},
        {"&Stop", "停止(&S)"},
        {"&Export WAV…", "导出 WAV(&E)…"},
        {"Wave File", "波形文件"},
        {"The sound file could not be written.", "无法写入声音文件。"},
        {"This tone is not defined, so it has no sound to export.",
         "此音未定义，没有可导出的声音。"},
        {"Writing the sound file…", "正在写入声音文件…"},
    };
    return texts;
}

TextPair StepCaption(int step) {
    static const std::array<TextPair, 14> captions = {{
        {"First Tone", "第一个音"},
        {"Second Tone", "第二个音"},
        {"Third Tone", "第三个音"},
        {"Fourth Tone", "第四个音"},
        {"Fifth Tone", "第五个音"},
        {"Sixth Tone", "第六个音"},
        {"Seventh Tone", "第七个音"},
        {"Eighth Tone", "第八个音"},
        {"Ninth Tone", "第九个音"},
        {"Tenth Tone", "第十个音"},
        {"Eleventh Tone", "第十一个音"},
        {"Twelfth Tone", "第十二个音"},
        {"Thirteenth Tone", "第十三个音"},
        {"Fourteenth Tone", "第十四个音"},
    }};
    if (step < 1 || step > 14) return {};
    return captions[static_cast<std::size_t>(step - 1)];
}

TextPair ToneTabCaption(int tone) {
    const TextPair& word = ToneTexts().TabWord;
    const std::string number = " " + std::to_string(tone);
    return {word.en + number, word.zh + number};
}

std::vector<TextPair> RecycleList() {
    std::vector<TextPair> list = {{"Off", "关"}};
    for (TextPair& n : Numbers(1, 10, 1)) list.push_back(std::move(n));
    return list;
}

std::vector<TextPair> IntervalList() {
    return Numbers(0, 2550, 10);
}

std::vector<TextPair> LengthList() {
    return Numbers(0, 2550, 10);
}

std::vector<TextPair> FrequencyList() {
    std::vector<TextPair> list = {{"None", "无"}};
    for (TextPair& n : Numbers(kLowestListFreq * 10, kHighestListFreq * 10, 10))
        list.push_back(std::move(n));
    return list;
}

int FrequencyListIndex(int toneFreq) {
    if (toneFreq == 0) return 0;
    if (toneFreq < kLowestListFreq || toneFreq > kHighestListFreq) return -1;
    return toneFreq - kLowestListFreq + 1;
}

int FrequencyListValue(int index) {
    if (index < 1 || index > kHighestListFreq - kLowestListFreq + 1) return 0;
    return index + kLowestListFreq - 1;
}

int ListIndexFor(int stored, int size) {
    return stored >= 0 && stored < size ? stored : -1;
}

}  // namespace kv
