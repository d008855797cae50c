// Import messages.
#include "exchange/import_texts.h"

namespace kv {
namespace {

std::string Fill(std::string text, std::initializer_list<std::string_view> arguments) {
    std::size_t from = 0;
    for (std::string_view argument : arguments) {
        const std::size_t at = text.find("{}", from);
        if (at == std::string::npos) break;
        text.replace(at, 2, argument);
        from = at + argument.size();
    }
    return text;
}

}  // namespace

std::string ShortenedValue(std::string_view value) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        // A UTF-8 continuation byte belongs to the character before it.
        if ((static_cast<unsigned char>(value[i]) & 0xC0) == 0x80) continue;
        if (++characters > kLongestQuotedValue) return std::string(value.substr(0, i)) + "…";
    }
    return std::string(value);
}

TextPair FillText(TextPair text, std::initializer_list<std::string_view> arguments) {
    return {Fill(std::move(text.en), arguments), Fill(std::move(text.zh), arguments)};
}

TextPair GroupNameCutText(std::string_view given, std::size_t kept) {
    return FillText({"\"{}\" cut to {} characters", "“{}”被截为 {} 个字符"},
                    {ShortenedValue(given), std::to_string(kept)});
}

TextPair UnreadableCsvText(int line, const TextPair& what) {
    const TextPair text{"line {}: the file cannot be read as CSV: {}",
                        "第 {} 行：无法按 CSV 读取文件：{}"};
    const std::string number = std::to_string(line);
    return {FillText(text, {number, what.en}).en, FillText(text, {number, what.zh}).zh};
}
TextPair UnknownHeaderText() {
    return {"line 1: the header names neither Band, Group and CH No. nor Location and Frequency",
            "第 1 行：标题行既没有 Band、Group 和 CH No.，也没有 Location 和 Frequency"};
}
TextPair NoImportTargetText() {
    return {"channels of this format go into a group of HF or HAM",
            "此格式的信道只能导入 HF 或 HAM 的组"};
}
TextPair UnknownBandText(std::string_view band) {
    return FillText(
        {"band \"{}\" is not CB, HF, HAM or CB MEM", "频段“{}”不是 CB、HF、HAM 或 CB MEM"},
        {ShortenedValue(band)});
}
TextPair UnknownGroupText(std::string_view group) {
    return FillText({"group \"{}\" is not a group of the band", "组“{}”不属于该频段"},
                    {ShortenedValue(group)});
}
TextPair BadChNoText(std::string_view chNo) {
    return FillText({"CH No. \"{}\" is not a channel number", "信道号“{}”无效"},
                    {ShortenedValue(chNo)});
}
TextPair BadLocationText(std::string_view location) {
    return FillText({"Location \"{}\" is not a channel number", "Location“{}”不是信道号"},
                    {ShortenedValue(location)});
}
TextPair NotFrequencyText(std::string_view column, std::string_view text) {
    return FillText({"{} \"{}\" is not a frequency in MHz", "{}“{}”不是以 MHz 为单位的频率"},
                    {column, ShortenedValue(text)});
}
TextPair NotInListText(std::string_view column, std::string_view text) {
    return FillText({"{} \"{}\" is not in the list", "{}“{}”不在列表中"},
                    {column, ShortenedValue(text)});
}
TextPair TooManyChannelsText(int capacity) {
    return FillText({"too many channels for the group (it holds {})", "组内信道过多（最多 {} 个）"},
                    {std::to_string(capacity)});
}
TextPair NamedAgainText(int firstLine) {
    return FillText({"the channel was named already on line {}", "该信道已在第 {} 行给出"},
                    {std::to_string(firstLine)});
}
TextPair DuplexOffText() {
    return {"Duplex \"off\": this radio cannot stop transmitting on a channel",
            "Duplex“off”：本机不能禁止信道发射"};
}
TextPair DuplexUnknownText(std::string_view duplex) {
    return FillText(
        {"Duplex \"{}\" is not +, -, split or blank", "Duplex“{}”不是 +、-、split 或空"},
        {ShortenedValue(duplex)});
}
TextPair ModeRefusedText(std::string_view mode) {
    return FillText({"mode \"{}\" is not FM, NFM, AM, USB, LSB or CW",
                     "模式“{}”不是 FM、NFM、AM、USB、LSB 或 CW"},
                    {ShortenedValue(mode)});
}
TextPair ToneModeRefusedText(std::string_view tone) {
    return FillText({"tone mode \"{}\" cannot be carried", "无法使用亚音模式“{}”"},
                    {ShortenedValue(tone)});
}
TextPair CtcssRefusedText(std::string_view tone) {
    return FillText({"CTCSS tone {} Hz is not in the list", "CTCSS 亚音 {} Hz 不在列表中"},
                    {ShortenedValue(tone)});
}
TextPair DcsRefusedText(std::string_view code) {
    return FillText({"DCS code {} is not in the list", "DCS 码 {} 不在列表中"},
                    {ShortenedValue(code)});
}
TextPair PolarityRefusedText(std::string_view polarity) {
    return FillText({"DCS polarity \"{}\": only normal codes (NN) can be carried",
                     "DCS 极性“{}”：只能使用正常码（NN）"},
                    {ShortenedValue(polarity)});
}

TextPair ShiftNotTxRepText(std::string_view shift, std::string_view txRep) {
    return FillText({"a shift of {} MHz: the radio shifts every repeater channel by its TX.REP of "
                     "{} MHz",
                     "偏移 {} MHz：对讲机的所有中继信道都按 TX.REP {} MHz 偏移"},
                    {shift, txRep});
}
TextPair SkipRefusedText(std::string_view skip) {
    return FillText({"Skip \"{}\" is not S, P or blank", "Skip“{}”不是 S、P 或空"}, {skip});
}
TextPair ReverseSquelchText(std::string_view tone) {
    return FillText({"tone mode \"{}\": a reverse squelch (muted while the tone is heard) is not "
                     "what this radio's receive tone does",
                     "亚音模式“{}”：反向静噪（收到亚音时静音）与本机的接收亚音不同"},
                    {tone});
}
TextPair FrequencyMovedText(std::string_view written, std::string_view stored) {
    return FillText({"Frequency {} MHz moved onto the 10 Hz grid: {} MHz",
                     "频率 {} MHz 已移到 10 Hz 步进上：{} MHz"},
                    {written, stored});
}
TextPair CbShiftText() {
    return {"a shift in the CB band: CB channels transmit on their receive frequency",
            "CB 频段的偏移：CB 信道在接收频率上发射"};
}
TextPair TransmitOutsideBandText(std::string_view mhz) {
    return FillText(
        {"the transmit frequency {} MHz is outside the band", "发射频率 {} MHz 超出波段范围"},
        {mhz});
}

TextPair NumberingText(bool countedFromZero) {
    if (countedFromZero)
        return {"Location n is CH n + 1: the file counts from 0.",
                "Location n 对应信道 n + 1：该文件从 0 开始计数。"};
    return {"Location n is CH n.", "Location n 对应信道 n。"};
}

}  // namespace kv
