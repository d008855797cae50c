// The work group, group valid switching and group renaming.
#include "editors/channels/group_settings.h"

#include <array>

#include "editors/channels/channel_edit.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/group_references.h"
#include "model/band_range.h"
#include "model/fixed_text.h"

namespace kv {
namespace {

bool IsRegularGroup(int band, int group) {
    return band >= 0 && band < kBandCount && group >= 1 && group <= kRegularGroupsPerBand[band];
}

bool OtherGroupValid(const Document& doc, int band, int group) {
    for (int other = 1; other <= kRegularGroupsPerBand[band]; ++other)
        if (other != group && doc.settings().GroupValid(band, other) > 0) return true;
    return false;
}

bool HoldsNormalChannel(const Document& doc, int band, int group) {
    const int used = UsedSlots(doc.Working, band, group);
    for (int slot = 1; slot <= used; ++slot)
        if (doc.Working.channel(band, slot, group).ChNo <= kLastNormalChannel) return true;
    return false;
}

bool NameCharAllowed(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '+' || c == '-' || c == '*' ||
           c == '/';
}

}  // namespace

bool IsWorkGroupChoice(int band, int group) {
    return IsRegularGroup(band, group);
}

bool SetBandMode(Document& doc, int band) {
    if (band < 0 || band >= kBandCount || doc.config().BandMode == band) return false;
    doc.config().BandMode = static_cast<i16>(band);
    doc.BandRangeText = kBandRangeTexts[band];
    ParseBandRange(doc);
    return true;
}

bool SetGroupWorkChannel(Document& doc, int band, int group, int channel) {
    i16& stored = doc.settings().GroupWorkChannel(band, group);
    if (stored == channel) return false;
    stored = static_cast<i16>(channel);
    return true;
}

bool SetWorkGroup(Document& doc, int band, int group) {
    if (!IsWorkGroupChoice(band, group)) return false;
    i16& stored = doc.settings().WorkGroup[band];
    if (stored == group) return false;
    stored = static_cast<i16>(group);
    return true;
}

std::string CbPlanFirstChannelFreq(int group) {
    static constexpr std::array<const char*, 7> kFirst = {
        "26.965000", "26.960000", "26.965000", "26.965000", "26.965000", "26.965000", "27.601250",
    };
    if (group < 1 || group > static_cast<int>(kFirst.size())) return {};
    return kFirst[group - 1];
}

GroupValidOutcome SetGroupValid(Document& doc, int band, int group, int choice,
                                const ChannelWindowRefresh& refresh) {
    if (!IsRegularGroup(band, group) || (choice != 0 && choice != 1)) return {};
    if (choice == 0 && !OtherGroupValid(doc, band, group)) return {};
    i16& valid = doc.settings().GroupValid(band, group);
    const bool createFirst = valid == 0 && choice == 1 && !HoldsNormalChannel(doc, band, group);
    valid = static_cast<i16>(choice);
    GroupValidOutcome outcome{true, false};
    if (!createFirst) return outcome;
    const std::string freq =
        band == kBandCb ? CbPlanFirstChannelFreq(group) : FirstChannelFreqText(group);
    if (!freq.empty() && AddChannel(doc, 1, band, group, freq)) {
        RevalidateGroupReferences(doc, band, group, refresh.refreshWorkChannelBox);
        outcome.CreatedChannel = true;
    }
    return outcome;
}

std::optional<char32_t> FilterGroupNameChar(char32_t typed) {
    if (typed < 32 || typed == 127) return typed;
    if (typed > 126) return std::nullopt;
    if (typed >= 'a' && typed <= 'z') return typed - 'a' + 'A';
    if (NameCharAllowed(static_cast<char>(typed))) return typed;
    return std::nullopt;
}

std::string ComposeGroupName(std::string_view first, std::string_view second) {
    std::string head = TrimName(first);
    const std::string tail = TrimName(second);
    if (!tail.empty() && head.empty()) head.push_back(' ');
    FixedText<2> field;
    field.assign(TrimName(head + tail));
    return field.raw();
}

TextPair GroupNameRefusedText() {
    return {"A group name holds only 0-9, A-Z, +, -, * and /.",
            "组名称只能包含 0-9、A-Z、+、-、* 和 /。"};
}

std::optional<TextPair> RenameGroup(Document& doc, int band, int group,
                                    std::optional<std::string_view> first,
                                    std::optional<std::string_view> second, bool& changed) {
    changed = false;
    if (!IsRegularGroup(band, group) || (!first && !second)) return std::nullopt;
    FixedText<2>& stored = doc.settings().GroupName(band, group);
    const std::string before = stored.trimmed();
    const std::optional<std::string_view> typed[2] = {first, second};
    std::string halves[2];
    for (std::size_t i = 0; i < 2; ++i) {
        if (!typed[i]) {
            halves[i] = before.size() > i ? before.substr(i, 1) : std::string();
            continue;
        }
        halves[i] = std::string(*typed[i]);
        for (char& c : halves[i]) {
            if (c == ' ') continue;
            const auto kept = FilterGroupNameChar(static_cast<unsigned char>(c));
            if (!kept || *kept < 32) return GroupNameRefusedText();
            c = static_cast<char>(*kept);
        }
    }
    const std::string name = ComposeGroupName(halves[0], halves[1]);
    if (TrimName(name) == stored.trimmed()) return std::nullopt;
    stored.assign(name);
    changed = true;
    return std::nullopt;
}

}  // namespace kv
