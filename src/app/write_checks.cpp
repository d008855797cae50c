// The table of checks before writing.
#include "app/write_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

#include "editors/blocks/block_edit.h"
#include "editors/blocks/block_windows.h"
#include "editors/blocks/weather_rules.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/freq_text.h"
#include "editors/channels/frequency_rule.h"
#include "editors/channels/grid_rows.h"
#include "editors/channels/group_references.h"
#include "editors/settings/settings_rules.h"
#include "exchange/channel_columns.h"
#include "exchange/channel_export.h"
#include "limits/channel_limits.h"
#include "model/band_range.h"
#include "model/channel_store.h"
#include "model/default_data.h"
#include "model/stored_frequency.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

std::string Fill(std::string text, const FindingArguments& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string marker = "{" + std::to_string(i + 1) + "}";
        for (auto at = text.find(marker); at != std::string::npos;
             at = text.find(marker, at + args[i].size()))
            text.replace(at, marker.size(), args[i]);
    }
    return text;
}

bool IsRegularGroup(int band, int group) {
    return group >= 1 && group <= kRegularGroupsPerBand[band];
}

// The groups the work group may name: every CB group, HF groups 1 to 15 and HAM groups 1 to 13
// (its MEM group), as the channel window lets the work group follow the group shown.
bool MayBeWorkGroup(int band, int group) {
    constexpr std::array<int, kBandCount> kLastWorkGroup = {7, 15, 13};
    return group >= 1 && group <= kLastWorkGroup[band];
}

// The groups whose work channel the image keeps: CB 1 to 6, HF 1 to 15, HAM 1 to 12.
bool KeepsWorkChannel(int band, int group) {
    constexpr std::array<int, kBandCount> kLastWithWorkChannel = {6, 15, 12};
    return group >= 1 && group <= kLastWithWorkChannel[band];
}

// Channels in use that the group can hold; the windows list only these.
int ChannelsHeld(const Document& doc, int band, int group) {
    int held = 0;
    for (int slot = 1; slot <= UsedSlots(doc.Working, band, group); ++slot) {
        const ChannelRecord& record = doc.Working.channel(band, slot, group);
        if (record.InUse == 1 && GroupChannelNumbers(band, group).holds(record.ChNo)) ++held;
    }
    return held;
}

// Calls visit(band, group, record) for every channel in use in the slots the store writes.
template <typename Visit>
void ForEachChannel(const Document& doc, Visit&& visit) {
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group)
            for (int slot = 1; slot <= UsedSlots(doc.Working, band, group); ++slot) {
                const ChannelRecord& record = doc.Working.channel(band, slot, group);
                if (record.InUse == 1) visit(band, group, record);
            }
}

std::string MhzOf(std::string_view stored) {
    const std::optional<std::int64_t> hz = StoredFrequencyHz(stored);
    return hz ? HzAsMhzText(*hz) : "\"" + TrimName(stored) + "\"";
}

// The band the radio starts in, when the radio has only CB: the channel window shows CB then and
// offers no other band, so the stored band is named here.
std::vector<FindingArguments> BandWithoutOption(const Document& doc) {
    const int band = doc.config().BandMode;
    if (doc.Radio.RadioOptionFlag || band == kBandCb) return {};
    const std::string name = *BandName(band) != '\0' ? BandName(band) : std::to_string(band);
    return {{name}};
}

std::vector<FindingArguments> WorkGroupNotAGroup(const Document& doc) {
    std::vector<FindingArguments> found;
    for (int band = 0; band < kBandCount; ++band) {
        const int group = doc.settings().WorkGroup[band];
        if (!MayBeWorkGroup(band, group)) found.push_back({BandName(band), std::to_string(group)});
    }
    return found;
}

std::vector<FindingArguments> WorkGroupOff(const Document& doc) {
    std::vector<FindingArguments> found;
    for (int band = 0; band < kBandCount; ++band) {
        const int group = doc.settings().WorkGroup[band];
        if (IsRegularGroup(band, group) && doc.settings().GroupValid(band, group) == 0)
            found.push_back({BandName(band), std::to_string(group)});
    }
    return found;
}

std::vector<FindingArguments> WorkGroupEmpty(const Document& doc) {
    std::vector<FindingArguments> found;
    for (int band = 0; band < kBandCount; ++band) {
        const int group = doc.settings().WorkGroup[band];
        if (IsRegularGroup(band, group) && doc.settings().GroupValid(band, group) != 0 &&
            ChannelsHeld(doc, band, group) == 0)
            found.push_back({BandName(band), std::to_string(group)});
    }
    return found;
}

// Groups other than the work group: the work group has its own line.
std::vector<FindingArguments> GroupOnWithoutChannels(const Document& doc) {
    std::vector<FindingArguments> found;
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kRegularGroupsPerBand[band]; ++group)
            if (group != doc.settings().WorkGroup[band] &&
                doc.settings().GroupValid(band, group) != 0 && ChannelsHeld(doc, band, group) == 0)
                found.push_back({BandName(band), std::to_string(group)});
    return found;
}

std::vector<FindingArguments> WorkChannelMissing(const Document& doc) {
    std::vector<FindingArguments> found;
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kRegularGroupsPerBand[band]; ++group) {
            const int channel = doc.settings().GroupWorkChannel(band, group);
            if (!KeepsWorkChannel(band, group) || doc.settings().GroupValid(band, group) == 0 ||
                ChannelsHeld(doc, band, group) == 0)
                continue;
            if (ValidChannelReference(doc.Working, band, group, channel) != channel)
                found.push_back({BandName(band), std::to_string(group), std::to_string(channel)});
        }
    return found;
}

// A channel number the group has no slot for: the encoder has nowhere to put it. The VFO's one
// slot takes any number.
std::vector<FindingArguments> ChannelBeyondGroup(const Document& doc) {
    std::vector<FindingArguments> found;
    ForEachChannel(doc, [&](int band, int group, const ChannelRecord& r) {
        const ValueRange numbers = GroupChannelNumbers(band, group);
        if (IsVfoGroup(band, group) || numbers.holds(r.ChNo)) return;
        found.push_back({BandName(band), std::to_string(group), std::to_string(r.ChNo),
                         std::to_string(numbers.First) + "–" + std::to_string(numbers.Last)});
    });
    return found;
}

// Every channel of every group, MEM and VFO included: a frequency the channel may not have.
std::vector<FindingArguments> FrequencyNotAllowed(const Document& doc) {
    std::vector<FindingArguments> found;
    ForEachChannel(doc, [&](int band, int group, const ChannelRecord& r) {
        if (!GroupChannelNumbers(band, group).holds(r.ChNo)) return;
        const std::string stored = r.RxFreqText.raw();
        if (ChannelMayHaveFrequency(band, group, r.ChNo, stored)) return;
        found.push_back({BandName(band), std::to_string(group), GridRowLabel(band, group, r.ChNo),
                         MhzOf(stored)});
    });
    return found;
}

// A shifted channel whose transmit frequency (the receive frequency shifted by TX.REP) leaves
// the band.
std::vector<FindingArguments> TransmitOutsideBand(const Document& doc) {
    std::vector<FindingArguments> found;
    ForEachChannel(doc, [&](int band, int group, const ChannelRecord& r) {
        if (!GroupChannelNumbers(band, group).holds(r.ChNo)) return;
        const std::optional<std::int64_t> rx = StoredFrequencyHz(r.RxFreqText.raw());
        const std::optional<std::int64_t> tx =
            TransmitFrequencyHz(band, r, doc.settings().RepeaterOffset);
        if (!rx || !tx || *tx == *rx) return;
        const FreqLimits limits = BandLimits(band);
        const double mhz = static_cast<double>(*tx) / 1e6;
        if (mhz >= limits.min && mhz <= limits.max) return;
        found.push_back({BandName(band), std::to_string(group), GridRowLabel(band, group, r.ChNo),
                         HzAsMhzText(*tx)});
    });
    return found;
}

// A details field as the channel columns name it ("TXCTC DCS" rather than the shared "CTC/DCS").
TextPair CaptionOf(const DetailBox& box) {
    for (const FieldColumn& column : FieldColumns())
        if (column.Box == &box) return column.Caption;
    return box.label;
}

// Which finding a details field outside what the windows offer gives: the fixed lists (CTCSS and
// DCS included) one kind, each kind of reference its own.
DetailList FindingKind(DetailList list) {
    return list == DetailList::CtcssTones || list == DetailList::DcsCodes ? DetailList::Fixed
                                                                          : list;
}

// The details fields the panel shows for a channel or CB memory in use that lie outside what the
// windows offer, of one finding kind: one finding per field.
std::vector<FindingArguments> DetailsNotOffered(const Document& doc, DetailList kind) {
    std::vector<FindingArguments> found;
    const auto check = [&](int band, int group, bool memory, const std::string& place,
                           const ChannelRecord& r) {
        for (const DetailBox& box : DetailBoxes()) {
            if (FindingKind(box.list) != kind) continue;
            if (!DetailBoxShown(box, band, IsMemGroup(band, group), memory, group, r)) continue;
            const int value = r.*(box.field);
            if (WindowsOffer(box, value, doc.Working, group, r)) continue;
            const TextPair caption = CaptionOf(box);
            found.push_back({BandName(band), std::to_string(group), place, caption.en,
                             std::to_string(value), caption.zh});
        }
    };
    ForEachChannel(doc, [&](int band, int group, const ChannelRecord& r) {
        if (GroupChannelNumbers(band, group).holds(r.ChNo))
            check(band, group, false, GridRowLabel(band, group, r.ChNo), r);
    });
    for (int n = 1; n <= kCbMemCount; ++n) {
        const ChannelRecord& memory = doc.Working.Store.cbMem(n);
        if (memory.InUse == 1)
            check(kBandCb, CbMemoryGroup(memory, n), true, "MEM " + std::to_string(n), memory);
    }
    return found;
}

std::vector<FindingArguments> ValueNotInList(const Document& doc) {
    return DetailsNotOffered(doc, DetailList::Fixed);
}

std::vector<FindingArguments> RogerToneUndefined(const Document& doc) {
    return DetailsNotOffered(doc, DetailList::RogerTones);
}

std::vector<FindingArguments> DtmfCodeUndefined(const Document& doc) {
    return DetailsNotOffered(doc, DetailList::DtmfCodes);
}

std::vector<FindingArguments> MemoryChannelMissing(const Document& doc) {
    return DetailsNotOffered(doc, DetailList::CbMemChannels);
}

std::vector<FindingArguments> WeatherOutsideRange(const Document& doc) {
    std::vector<FindingArguments> found;
    for (int n = 0; n < kWeatherCount; ++n) {
        const WeatherRecord& w = doc.settings().WeatherChannels[static_cast<std::size_t>(n)];
        if (w.WxInUse != 1) continue;
        if (w.WxFrequency >= kWeatherFreqMin && w.WxFrequency <= kWeatherFreqMax) continue;
        char mhz[64];
        std::snprintf(mhz, sizeof mhz, "%.5f", w.WxFrequency);
        found.push_back({std::to_string(n + 1), mhz});
    }
    return found;
}

std::string SettingValueText(const SettingRow& row, int value) {
    if (row.Kind != SettingKind::Number || row.Number.Decimals == 0) return std::to_string(value);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", row.Number.Decimals,
                  value / std::pow(10.0, row.Number.Decimals));
    return text;
}

// The configuration a new document starts from.
const ConfigRecord& BuiltInDefaults() {
    static const std::unique_ptr<Document> defaults = [] {
        auto doc = std::make_unique<Document>();
        ApplyBuiltInDefaults(*doc, "20000101");
        return doc;
    }();
    return defaults->config();
}

// A setting the settings window does not offer: a list value that is none of its entries, a
// number outside its box's range, a box that is neither ticked nor clear. The value a new
// document starts with is never a finding ("CW Freq" 0, which the window shows as its first
// entry).
std::vector<FindingArguments> SettingNotOffered(const Document& doc) {
    std::vector<FindingArguments> found;
    const SettingsView view{doc.Radio.RadioOptionFlag};
    for (const SettingRow& row : SettingRows()) {
        if (!row.Field) continue;
        const int value = row.Field->get(doc.config());
        if (value == row.Field->get(BuiltInDefaults())) continue;
        bool offered = true;
        switch (row.Kind) {
            case SettingKind::List:
                offered = ShownSettingChoice(row, doc.config(), view) >= 0;
                break;
            case SettingKind::Check:
                offered = value == 0 || value == 1;
                break;
            case SettingKind::Number: {
                const double scale = std::pow(10.0, row.Number.Decimals);
                offered = value >= std::lround(row.Number.Min * scale) &&
                          value <= std::lround(row.Number.Max * scale);
                break;
            }
            case SettingKind::Text:
                break;
        }
        if (offered) continue;
        const std::string en = row.Caption.en.empty() ? row.Name : row.Caption.en;
        const std::string zh = row.Caption.zh.empty() ? en : row.Caption.zh;
        std::string valueEn = SettingValueText(row, value);
        std::string valueZh = valueEn;
        // TX.REP is the one setting wider than its field in the image (16 bits): say what the
        // radio would shift by.
        if (std::string_view(row.Name) == "RepeaterOffset" && (value < 0 || value > 0xFFFF)) {
            const std::string shift = HzAsMhzText(RepeaterShiftHz(value));
            valueEn += " (the radio would shift by " + shift + " MHz)";
            valueZh += "（对讲机将按 " + shift + " MHz 偏移）";
        }
        found.push_back({en, valueEn, zh, valueZh});
    }
    return found;
}

// A list of a block window whose stored channel is not among the channels it offers. A list
// offering nothing is left out: its window says why it is empty.
std::vector<FindingArguments> BlockEntriesMissing(const Document& doc, BlockId block,
                                                  const BlockWindowDescription& window) {
    std::vector<FindingArguments> found;
    const std::span<const i16> values = BlockValues(doc.config(), block);
    for (const BlockListRow& row : window.Lists) {
        if (row.Hidden || row.Value < 0) continue;
        if (row.Kind != BlockListKind::CbChannels && row.Kind != BlockListKind::CbMemories &&
            row.Kind != BlockListKind::BandChannels && row.Kind != BlockListKind::MemChannels)
            continue;
        int group = 0;
        if (row.Kind == BlockListKind::BandChannels) {
            const int groupList = window.Lists.at(row.FollowsList).Value;
            group = values[groupList] + 1;
        }
        const std::vector<BlockListEntry> entries = BlockListEntries(doc, row, group);
        const int value = values[row.Value];
        if (entries.empty()) continue;
        if (std::none_of(entries.begin(), entries.end(),
                         [value](const BlockListEntry& e) { return e.Value == value; }))
            found.push_back({window.Caption,
                             BlockFrameCaption(row.Frame) + std::string(" ") + row.Caption,
                             std::to_string(value + 1)});
    }
    return found;
}

std::vector<FindingArguments> EmergencyMissing(const Document& doc) {
    return BlockEntriesMissing(doc, BlockId::Emergency, EmergencyWindowDescription());
}

std::vector<FindingArguments> DualWatchMissing(const Document& doc) {
    return BlockEntriesMissing(doc, BlockId::DualWatch, DualWatchWindowDescription());
}

std::vector<FindingArguments> MemoryKeyMissing(const Document& doc) {
    return BlockEntriesMissing(doc, BlockId::MemoryKey, MemoryKeyWindowDescription());
}

const TextPair kBlockWhat = {"{1}: the list \"{2}\" names channel {3}, which does not exist.",
                             "{1}：列表“{2}”指向不存在的信道 {3}。"};
const TextPair kBlockWhere = {"{1}: pick an existing channel.", "{1}：选择一个存在的信道。"};

const WriteCheckRow kRows[] = {
    {"BandWithoutOption",
     {"The radio would start in the {1} band, which a radio without the HF and 10 m bands does "
      "not have.",
      "对讲机将在 {1} 波段启动，而不带 HF 和 10 米波段的对讲机没有该波段。"},
     {"Setup: tick \"Radio with HF and 10 m bands\" if the radio has them; otherwise tick it, "
      "pick the CB band in Channel Information and clear it again.",
      "设置：若对讲机带这些波段，勾选“对讲机带 HF 和 10 米波段”；否则勾选后在信道信息中选择 CB "
      "波段，再取消勾选。"},
     BandWithoutOption,
     true},
    {"WorkGroupNotAGroup",
     {"{1} band: the work group {2} is not a group of the band.",
      "{1} 波段：工作组 {2} 不是该波段的组。"},
     {"Channel Information, {1} band: pick the work group.", "信道信息，{1} 波段：选择工作组。"},
     WorkGroupNotAGroup},
    {"WorkGroupOff",
     {"{1} band: the work group {2} is switched off.", "{1} 波段：工作组 {2} 已关闭。"},
     {"Channel Information, {1} band: switch group {2} on or pick another group.",
      "信道信息，{1} 波段：打开第 {2} 组或选择其他组。"},
     WorkGroupOff},
    {"WorkGroupEmpty",
     {"{1} band: the work group {2} holds no channel.", "{1} 波段：工作组 {2} 没有信道。"},
     {"Channel Information, {1} band, group {2}: add a channel or pick another group.",
      "信道信息，{1} 波段第 {2} 组：添加信道或选择其他组。"},
     WorkGroupEmpty},
    {"GroupOnWithoutChannels",
     {"{1} band: group {2} is switched on but holds no channel.",
      "{1} 波段：第 {2} 组已打开，但没有信道。"},
     {"Channel Information, {1} band, group {2}: add a channel or switch the group off.",
      "信道信息，{1} 波段第 {2} 组：添加信道或关闭该组。"},
     GroupOnWithoutChannels},
    {"WorkChannelMissing",
     {"{1} band, group {2}: the work channel {3} does not exist.",
      "{1} 波段第 {2} 组：工作信道 {3} 不存在。"},
     {"Channel Information, {1} band, group {2}: pick the work channel.",
      "信道信息，{1} 波段第 {2} 组：选择工作信道。"},
     WorkChannelMissing},
    {"ChannelBeyondGroup",
     {"{1} band, group {2}: channel {3} lies beyond the group's channels {4}; the radio will not "
      "receive it.",
      "{1} 波段第 {2} 组：信道 {3} 超出本组的信道 {4}，对讲机收不到它。"},
     {"Export the channels, correct the CH No. and import them again.",
      "导出信道，更正信道号后重新导入。"},
     ChannelBeyondGroup},
    {"FrequencyNotAllowed",
     {"{1} band, group {2}, channel {3}: the frequency {4} MHz is outside the band and not the "
      "channel plan's.",
      "{1} 波段第 {2} 组信道 {3}：频率 {4} MHz 超出波段范围，也不是信道表给出的频率。"},
     {"Channel Information, {1} band, group {2}: correct the frequency of channel {3}.",
      "信道信息，{1} 波段第 {2} 组：更正信道 {3} 的频率。"},
     FrequencyNotAllowed},
    {"TransmitOutsideBand",
     {"{1} band, group {2}, channel {3}: the radio would transmit on {4} MHz (the receive "
      "frequency shifted by TX.REP), outside the band.",
      "{1} 波段第 {2} 组信道 {3}：对讲机将在 {4} MHz 发射（接收频率按 TX.REP "
      "偏移），超出波段范围。"},
     {"Channel Information, {1} band, group {2}: set REP of channel {3} to OFF or change TX.REP.",
      "信道信息，{1} 波段第 {2} 组：将信道 {3} 的 REP 设为 OFF，或更改 TX.REP。"},
     TransmitOutsideBand},
    {"ValueNotInList",
     {"{1} band, group {2}, channel {3}: {4} holds {5}, which is not in its list.",
      "{1} 波段第 {2} 组信道 {3}：{6} 的值 {5} 不在列表中。"},
     {"Channel Information, {1} band, group {2}: pick {4} of channel {3}.",
      "信道信息，{1} 波段第 {2} 组：为信道 {3} 选择 {6}。"},
     ValueNotInList},
    {"RogerToneUndefined",
     {"{1} band, group {2}, channel {3}: {4} names roger-beep tone {5}, which is not defined.",
      "{1} 波段第 {2} 组信道 {3}：{6} 指向未定义的 RB 音 {5}。"},
     {"Roger Beep: define tone {5}, or pick another tone for channel {3}.",
      "RB 音：定义音 {5}，或为信道 {3} 选择其他音。"},
     RogerToneUndefined},
    {"DtmfCodeUndefined",
     {"{1} band, group {2}, channel {3}: {4} names DTMF code {5}, which is not defined.",
      "{1} 波段第 {2} 组信道 {3}：{6} 指向未定义的 DTMF 码 {5}。"},
     {"DTMF: enter code {5}, or pick another code for channel {3}.",
      "DTMF：输入第 {5} 码，或为信道 {3} 选择其他码。"},
     DtmfCodeUndefined},
    {"MemoryChannelMissing",
     {"{1} band, group {2}, {3}: the memory names channel {5}, which the group does not hold.",
      "{1} 波段第 {2} 组 {3}：该记忆指向本组不存在的信道 {5}。"},
     {"Channel Information, {1} band, group {2}: pick the channel of {3}.",
      "信道信息，{1} 波段第 {2} 组：为 {3} 选择信道。"},
     MemoryChannelMissing},
    {"EmergencyChannelMissing", kBlockWhat, kBlockWhere, EmergencyMissing},
    {"DualWatchChannelMissing", kBlockWhat, kBlockWhere, DualWatchMissing},
    {"MemoryKeyChannelMissing", kBlockWhat, kBlockWhere, MemoryKeyMissing},
    {"WeatherOutsideRange",
     {"Weather channel {1}: the frequency {2} MHz is outside 136–174 MHz.",
      "气象信道 {1}：频率 {2} MHz 超出 136–174 MHz。"},
     {"Weather Channel: correct the frequency of channel {1}.", "气象信道：更正信道 {1} 的频率。"},
     WeatherOutsideRange},
    {"SettingNotOffered",
     {"Setting \"{1}\" holds {2}, which the settings window does not offer.",
      "设置“{3}”的值 {4} 不是设置窗口提供的值。"},
     {"Option Features: set \"{1}\".", "可选功能：设置“{3}”。"},
     SettingNotOffered},
};

}  // namespace

std::span<const WriteCheckRow> WriteCheckRows() {
    return kRows;
}

std::vector<WriteFinding> CheckBeforeWriting(const Document& doc, bool radioOptionKnown) {
    std::vector<WriteFinding> findings;
    for (const WriteCheckRow& row : kRows)
        if (radioOptionKnown || !row.NeedsRadioOption)
            for (const FindingArguments& args : row.Find(doc))
                findings.push_back({row.Name,
                                    {Fill(row.What.en, args) + " " + Fill(row.Where.en, args),
                                     Fill(row.What.zh, args) + " " + Fill(row.Where.zh, args)}});
    return findings;
}

TextPair WriteCheckHead() {
    return {"The radio would receive this:", "对讲机将收到以下内容："};
}

TextPair WriteCheckRefused() {
    return {"Not written: the document has findings (--strict).",
            "未写入：文档存在问题（--strict）。"};
}

TextPair WriteCheckReport(const std::vector<WriteFinding>& findings) {
    TextPair report = WriteCheckHead();
    for (const WriteFinding& finding : findings) {
        report.en += "\n• " + finding.Line.en;
        report.zh += "\n• " + finding.Line.zh;
    }
    const TextPair& question = WriteCheckTexts().Question;
    report.en += "\n\n" + question.en;
    report.zh += "\n\n" + question.zh;
    return report;
}

const WriteCheckWindowTexts& WriteCheckTexts() {
    static const WriteCheckWindowTexts texts{
        WriteCheckHead(),
        {"Write to the radio all the same?", "仍然写入对讲机？"},
        {"&Copy", "复制(&C)"},
        {"&Save...", "保存(&S)..."},
        {"Save the findings", "保存检查结果"},
        {"Text File", "文本文件"},
        {"The findings could not be saved.", "检查结果无法保存。"},
    };
    return texts;
}

std::string WriteCheckList(const std::vector<WriteFinding>& findings, int language) {
    std::string list;
    for (const WriteFinding& finding : findings) list += finding.Line.in(language) + "\n";
    return list;
}

}  // namespace kv
