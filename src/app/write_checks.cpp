// The table of checks before writing.
#include "app/write_checks.h"

#include <algorithm>
#include <optional>

#include "editors/channels/channel_slots.h"
#include "editors/channels/freq_text.h"
#include "editors/channels/frequency_rule.h"
#include "editors/channels/grid_rows.h"
#include "editors/channels/group_references.h"
#include "editors/blocks/block_edit.h"
#include "editors/blocks/block_windows.h"
#include "model/channel_store.h"

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

// Channels in use that the group can hold; the windows list only these.
int ChannelsHeld(const Document& doc, int band, int group) {
    int held = 0;
    for (int slot = 1; slot <= UsedSlots(doc.Working, band, group); ++slot) {
        const ChannelRecord& record = doc.Working.channel(band, slot, group);
        if (record.InUse == 1 && record.ChNo >= 1 && record.ChNo <= SlotCapacity(band, group))
            ++held;
    }
    return held;
}

std::vector<FindingArguments> WorkGroupNotAGroup(const Document& doc) {
    std::vector<FindingArguments> found;
    for (int band = 0; band < kBandCount; ++band) {
        const int group = doc.settings().WorkGroup[band];
        if (!IsRegularGroup(band, group)) found.push_back({BandName(band), std::to_string(group)});
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
            if (doc.settings().GroupValid(band, group) == 0 || ChannelsHeld(doc, band, group) == 0)
                continue;
            if (ValidChannelReference(doc.Working, band, group, channel) != channel)
                found.push_back({BandName(band), std::to_string(group), std::to_string(channel)});
        }
    return found;
}

// Every channel of every group, MEM and VFO included: a frequency the channel may not have.
std::vector<FindingArguments> FrequencyNotAllowed(const Document& doc) {
    std::vector<FindingArguments> found;
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= SelectableGroups(band); ++group)
            for (int slot = 1; slot <= UsedSlots(doc.Working, band, group); ++slot) {
                const ChannelRecord& r = doc.Working.channel(band, slot, group);
                if (r.InUse != 1 || r.ChNo < 1 || r.ChNo > SlotCapacity(band, group)) continue;
                const std::string stored = r.RxFreqText.raw();
                if (ChannelMayHaveFrequency(band, group, r.ChNo, stored)) continue;
                const std::optional<double> mhz = StoredFreqMhz(stored);
                found.push_back({BandName(band), std::to_string(group),
                                 GridRowLabel(band, group, r.ChNo),
                                 mhz ? FormatFreq(*mhz) : "\"" + stored + "\""});
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

std::vector<FindingArguments> NoModeEnabled(const Document& doc) {
    const auto& modes = doc.config().ModeEnable;
    if (std::any_of(modes.begin(), modes.end(), [](i16 on) { return on != 0; })) return {};
    return {FindingArguments{}};
}

const TextPair kBlockWhat = {"{1}: the list \"{2}\" names channel {3}, which does not exist.",
                             "{1}：列表“{2}”指向不存在的信道 {3}。"};
const TextPair kBlockWhere = {"{1}: pick an existing channel.", "{1}：选择一个存在的信道。"};

const WriteCheckRow kRows[] = {
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
    {"FrequencyNotAllowed",
     {"{1} band, group {2}, channel {3}: the frequency {4} MHz is outside the band and not the "
      "channel plan's.",
      "{1} 波段第 {2} 组信道 {3}：频率 {4} MHz 超出波段范围，也不是信道表给出的频率。"},
     {"Channel Information, {1} band, group {2}: correct the frequency of channel {3}.",
      "信道信息，{1} 波段第 {2} 组：更正信道 {3} 的频率。"},
     FrequencyNotAllowed},
    {"EmergencyChannelMissing", kBlockWhat, kBlockWhere, EmergencyMissing},
    {"DualWatchChannelMissing", kBlockWhat, kBlockWhere, DualWatchMissing},
    {"MemoryKeyChannelMissing", kBlockWhat, kBlockWhere, MemoryKeyMissing},
    {"NoModeEnabled",
     {"No operating mode (FM, AM, USB, LSB, CW, PA) is enabled.",
      "没有启用任何工作模式（FM、AM、USB、LSB、CW、PA）。"},
     {"Option Features: enable at least one mode.", "可选功能：至少启用一种模式。"},
     NoModeEnabled},
};

}  // namespace

std::span<const WriteCheckRow> WriteCheckRows() {
    return kRows;
}

std::vector<WriteFinding> CheckBeforeWriting(const Document& doc) {
    std::vector<WriteFinding> findings;
    for (const WriteCheckRow& row : kRows)
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
    report.en += "\n\nWrite to the radio all the same?";
    report.zh += "\n\n仍然写入对讲机？";
    return report;
}

}  // namespace kv
