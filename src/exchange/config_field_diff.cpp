// Naming the remaining differences of two configuration records through the data file's layout.
#include "exchange/config_field_diff.h"

#include <cstdio>
#include <string_view>

#include "files/field_walk.h"
#include "files/record_layout.h"

namespace kv {
namespace {

// The captions of the record's members; a member not listed is named by its layout name.
struct MemberCaption {
    std::string_view Name;
    TextPair Caption;
    DiffArea Area = DiffArea::Setting;
};
const MemberCaption kCaptions[] = {
    {"BandMode", {"Band", "波段"}, DiffArea::Group},
    {"WorkGroup", {"work group", "工作组"}, DiffArea::Group},
    {"CbUseVfo", {"CB VFO", "CB VFO"}},
    {"HfUseVfo", {"HF VFO", "HF VFO"}},
    {"HamUseVfo", {"HAM VFO", "HAM VFO"}},
    {"GroupRefChannelA", {"reference channel A", "参考信道 A"}, DiffArea::Group},
    {"GroupRefChannelB", {"reference channel B", "参考信道 B"}, DiffArea::Group},
    {"EmgBlock", {"Emg Channel Setting entry", "紧急信道设置项"}, DiffArea::Emergency},
    {"DwBlock", {"DW Channel Setting entry", "双守信道设置项"}, DiffArea::DualWatch},
    {"MemKeyBlock", {"Memory Key entry", "记忆键项"}, DiffArea::MemoryKey},
    {"WxOnOff", {"Weather on", "气象开关"}, DiffArea::Weather},
    {"WxCurrentChannel", {"Weather current channel", "气象当前信道"}, DiffArea::Weather},
    {"WxAlert", {"Weather alert", "气象警报"}, DiffArea::Weather},
    {"WxScanState", {"Weather scan", "气象扫描"}, DiffArea::Weather},
    {"WxVfo", {"Weather VFO", "气象 VFO"}, DiffArea::Weather},
    {"WxStep", {"Weather step", "气象步进"}, DiffArea::Weather},
    {"WxSql", {"Weather squelch", "气象静噪"}, DiffArea::Weather},
    {"DtmfParams", {"DTMF setting", "DTMF 设置"}, DiffArea::Dtmf},
    {"ModeEnable", {"Mode Enable", "模式启用"}},
    {"ToneFreq", {"frequency of step", "步骤频率"}},
    {"ToneTime", {"time of step", "步骤时间"}},
    {"ToneRepeat", {"Recycle Times", "循环次数"}},
    {"ToneInterval", {"interval", "间隔"}},
    {"WxInUse", {"in use", "使用"}},
    {"WxFrequency", {"frequency", "频率"}},
    {"WxOption", {"option", "选项"}},
    {"WxBandwidth", {"bandwidth", "带宽"}},
    {"WxScan", {"scan", "扫描"}},
    {"HiCut", {"HI-CUT", "HI-CUT"}},
    {"NbAnl", {"NB/ANL", "NB/ANL"}},
    {"TxPower", {"Power", "Power"}},
    {"Echo", {"ECHO", "ECHO"}},
    {"Add10K", {"+10KHz", "+10KHz"}},
    {"RogerBeep", {"Roger", "Roger"}},
    {"DtmfBot", {"BOT", "BOT"}},
    {"DtmfEot", {"EOT", "EOT"}},
    {"DtmfCall", {"Call", "Call"}},
    {"CbPublic", {"CB Public", "CB 公共"}},
    {"HfPublic", {"HF Public", "HF 公共"}},
    {"HamPublic", {"HAM Public", "HAM 公共"}},
};

const MemberCaption& CaptionOf(std::string_view name) {
    static const MemberCaption kUnlisted{};
    for (const MemberCaption& caption : kCaptions)
        if (caption.Name == name) return caption;
    return kUnlisted;
}

// A text's bytes as printable text: control bytes and bytes above 0x7E as "\xNN".
template <std::size_t N>
std::string Shown(const FixedText<N>& text) {
    std::string out = "\"";
    for (const char c : text.chars) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out + "\"";
}

// Every member of the record as a name and the texts of its values, in layout order.
class FlattenStream {
public:
    struct Member {
        std::string Name;
        std::vector<std::string> Values;
    };

    std::size_t position() const { return 0; }
    void expectAt(std::size_t, const char* name) { members_.push_back({name, {}}); }
    template <typename T>
    void scalar(const T& value) {
        if constexpr (layout::IsFixedText<T>::value) {
            members_.back().Values.push_back(Shown(value));
        } else if constexpr (std::is_same_v<T, double>) {
            char text[64];
            std::snprintf(text, sizeof text, "%.5f", value);
            members_.back().Values.push_back(text);
        } else {
            members_.back().Values.push_back(std::to_string(value));
        }
    }
    const std::vector<Member>& members() const { return members_; }

private:
    std::vector<Member> members_;
};

// Where element `index` of a member of `count` values stands: a band, a band's group, or a
// number counted from 1.
TextPair ElementLabel(const TextPair& caption, std::size_t count, std::size_t index) {
    const auto prefix = [&](const std::string& en, const std::string& zh) {
        return TextPair{en + " " + caption.en, zh + " " + caption.zh};
    };
    const int band = static_cast<int>(index % kBandCount);
    const int group = static_cast<int>(index % kPerGroupSize / kBandCount) + 1;
    const std::string groupText = std::to_string(group);
    if (count == kBandCount) return prefix(BandName(band), BandName(band));
    if (count == kPerGroupSize)
        return prefix(std::string(BandName(band)) + " group " + groupText,
                      std::string(BandName(band)) + " 第 " + groupText + " 组");
    if (count == 2 * kPerGroupSize) {
        const std::string k = index < kPerGroupSize ? " (1)" : " (2)";
        const TextPair label = prefix(std::string(BandName(band)) + " group " + groupText,
                                      std::string(BandName(band)) + " 第 " + groupText + " 组");
        return {label.en + k, label.zh + k};
    }
    if (count == 1) return caption;
    const std::string n = " " + std::to_string(index + 1);
    return {caption.en + n, caption.zh + n};
}

// The members of two records of one type, each difference labelled with the part's name first;
// a name that several members share (the steps of a tone) is numbered.
// Parts of the record that one window shows whole, and the area of the members they hold.
template <typename Record>
void DiffPart(const Record& a, const Record& b, const TextPair& part, DiffArea partArea,
              std::vector<FieldChange>& changes) {
    FlattenStream left;
    FlattenStream right;
    layout::Walk(left, a);
    layout::Walk(right, b);
    const auto& before = left.members();
    const auto& after = right.members();
    for (std::size_t m = 0; m < before.size() && m < after.size(); ++m) {
        std::size_t shared = 0;
        std::size_t occurrence = 0;
        for (std::size_t n = 0; n < before.size(); ++n)
            if (before[n].Name == before[m].Name) {
                ++shared;
                if (n < m) ++occurrence;
            }
        const MemberCaption& listed = CaptionOf(before[m].Name);
        TextPair caption =
            listed.Name.empty() ? TextPair{before[m].Name, before[m].Name} : listed.Caption;
        const DiffArea area =
            part.en.empty() ? (listed.Name.empty() ? DiffArea::Hidden : listed.Area) : partArea;
        if (!part.en.empty()) caption = {part.en + ": " + caption.en, part.zh + "：" + caption.zh};
        if (shared > 1) {
            const std::string n = " " + std::to_string(occurrence + 1);
            caption = {caption.en + n, caption.zh + n};
        }
        const auto& values = before[m].Values;
        for (std::size_t i = 0; i < values.size() && i < after[m].Values.size(); ++i)
            if (values[i] != after[m].Values[i])
                changes.push_back(
                    {ElementLabel(caption, values.size(), i), values[i], after[m].Values[i], area});
    }
}

}  // namespace

std::vector<FieldChange> DiffConfigFields(const ConfigRecord& a, const ConfigRecord& covered) {
    ConfigRecord left = a;
    ConfigRecord right = covered;
    // What a save stamps and where the user looked are no differences.
    for (ConfigRecord* record : {&left, &right}) {
        record->FileVersion = a.FileVersion;
        record->Identity = a.Identity;
        record->CurrentGroup = a.CurrentGroup;
        record->GroupCurrentChannel = a.GroupCurrentChannel;
        record->ChannelCount = a.ChannelCount;
    }
    std::vector<FieldChange> changes;
    for (int t = 0; t < kToneCount; ++t) {
        const std::string n = std::to_string(t + 1);
        DiffPart(left.ToneTable[t], right.ToneTable[t], {"Roger Beep tone " + n, "RB音 " + n},
                 DiffArea::RogerBeep, changes);
    }
    for (int w = 0; w < kWeatherCount; ++w) {
        const std::string n = std::to_string(w + 1);
        DiffPart(left.Settings.WeatherChannels[w], right.Settings.WeatherChannels[w],
                 {"Weather Channel " + n, "气象信道 " + n}, DiffArea::Weather, changes);
    }
    PublicParams RadioSettings::*const publicParams[] = {&RadioSettings::CbPublicParams,
                                                         &RadioSettings::HfPublicParams,
                                                         &RadioSettings::HamPublicParams};
    for (int band = 0; band < kBandCount; ++band) {
        const std::string name = BandName(band);
        DiffPart(left.Settings.*publicParams[band], right.Settings.*publicParams[band],
                 {name + " public channel parameters", name + " 公共信道参数"}, DiffArea::Setting,
                 changes);
    }
    // The parts named above are equal now; the rest is named member by member.
    right.ToneTable = left.ToneTable;
    right.Settings.WeatherChannels = left.Settings.WeatherChannels;
    for (const auto member : publicParams) right.Settings.*member = left.Settings.*member;
    DiffPart(left, right, {}, DiffArea::Hidden, changes);
    return changes;
}

}  // namespace kv
