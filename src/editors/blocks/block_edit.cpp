// Block window rules: list contents from the channel store, shown entries and picks.
#include "editors/blocks/block_edit.h"

#include <algorithm>
#include <array>

#include "codec/shown_name.h"
#include "editors/channels/channel_slots.h"

namespace kv {
namespace {

constexpr std::array<const char*, 5> kWorkModes = {"FM", "AM", "USB", "LSB", "CW"};
constexpr std::array<const char*, 2> kOffOn = {"Off", "On"};
constexpr int kMemoriesPerBlock = 16;
// The MEM group of HF and HAM: the group after the named ones.
constexpr int MemGroup(int band) {
    return kRegularGroupsPerBand[band] + 1;
}

template <std::size_t N>
std::vector<BlockListEntry> Positions(const std::array<const char*, N>& texts) {
    std::vector<BlockListEntry> entries;
    for (std::size_t i = 0; i < N; ++i) entries.push_back({texts[i], static_cast<int>(i)});
    return entries;
}

std::vector<BlockListEntry> Numbers(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    std::vector<BlockListEntry> entries;
    for (int n : numbers) entries.push_back({std::to_string(n), n - 1});
    return entries;
}

// The channel numbers of the group's in-use slots: numbers, not slot positions, since a group
// read from a radio may hold channels 5, 12 and 30 in slots 1 to 3. Numbers the group cannot
// hold are left out.
std::vector<BlockListEntry> ChannelNumbers(const Document& doc, int band, int group) {
    std::vector<int> numbers;
    const int used = UsedSlots(doc.Working, band, group);
    for (int slot = 1; slot <= used; ++slot) {
        const ChannelRecord& record = doc.Working.channel(band, slot, group);
        if (record.InUse == 1 && record.ChNo >= 1 && record.ChNo <= SlotCapacity(band, group))
            numbers.push_back(record.ChNo);
    }
    return Numbers(std::move(numbers));
}

// Memories of the group's block that refer to a channel. A memory marked empty (MemChNo 255) is
// not offered, whatever its InUse says; the record itself is left alone.
std::vector<BlockListEntry> Memories(const Document& doc, int group) {
    std::vector<int> numbers;
    if (group < 1 || group > 6) return {};
    for (int n = 1; n <= kMemoriesPerBlock; ++n) {
        const ChannelRecord& memory = doc.Working.Store.cbMem(kMemoriesPerBlock * (group - 1) + n);
        if (memory.InUse == 1 && memory.MemChNo != 255) numbers.push_back(n);
    }
    return Numbers(std::move(numbers));
}

std::vector<BlockListEntry> GroupNames(const Document& doc, int band, const CodePage& page) {
    std::vector<BlockListEntry> entries;
    for (int group = 1; group <= kRegularGroupsPerBand[band]; ++group)
        entries.push_back(
            {ShownName(doc.settings().GroupName(band, group).trimmed(), page), group - 1});
    return entries;
}

}  // namespace

std::vector<BlockListEntry> BlockListEntries(const Document& doc, const BlockListRow& row,
                                             int group, const CodePage& page) {
    switch (row.Kind) {
        case BlockListKind::CbChannels:
            return ChannelNumbers(doc, kBandCb, row.Group);
        case BlockListKind::CbMemories:
            return Memories(doc, row.Group);
        case BlockListKind::BandGroups:
            return GroupNames(doc, row.Band, page);
        case BlockListKind::BandChannels:
            if (group < 1 || group > kRegularGroupsPerBand[row.Band]) return {};
            return ChannelNumbers(doc, row.Band, group);
        case BlockListKind::MemChannels:
            return ChannelNumbers(doc, row.Band, MemGroup(row.Band));
        case BlockListKind::WorkModes:
            return Positions(kWorkModes);
        case BlockListKind::OffOn:
            return Positions(kOffOn);
    }
    return {};
}

BlockEdit::BlockEdit(const BlockWindowDescription& description, const Document& doc,
                     const CodePage& page)
    : description_(description), page_(page), entries_(description.Lists.size()) {
    Reset(doc);
}

void BlockEdit::Reset(const Document& doc) {
    const auto block = BlockValues(doc.config(), description_.Block);
    values_.assign(block.begin(), block.end());
    Refill(doc);
}

void BlockEdit::Refill(const Document& doc) {
    // Lists are in index order and a channel list follows a group list of lower index.
    for (std::size_t list = 0; list < description_.Lists.size(); ++list)
        fill(doc, static_cast<int>(list));
}

void BlockEdit::fill(const Document& doc, int list) {
    const BlockListRow& row = description_.Lists.at(list);
    int group = 0;
    // The channels of the stored group, so that the channel list shows what Save would store.
    if (row.Kind == BlockListKind::BandChannels) group = valueOf(row.FollowsList) + 1;
    entries_[list] = BlockListEntries(doc, row, group, page_);
}

int BlockEdit::valueOf(int list) const {
    const int value = description_.Lists.at(list).Value;
    return value < 0 ? -1 : values_.at(value);
}

int BlockEdit::Shown(int list) const {
    const auto& entries = entries_.at(list);
    if (entries.empty()) return -1;
    if (!StoresValue(list)) return 0;
    const int value = valueOf(list);
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [value](const BlockListEntry& e) { return e.Value == value; });
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

int BlockEdit::ShownNumber(int list) const {
    switch (description_.Lists.at(list).Kind) {
        case BlockListKind::WorkModes:
        case BlockListKind::OffOn:
            return valueOf(list);
        default:
            return valueOf(list) + 1;
    }
}

bool BlockEdit::ListsChannels(int list) const {
    switch (description_.Lists.at(list).Kind) {
        case BlockListKind::CbChannels:
        case BlockListKind::BandChannels:
        case BlockListKind::MemChannels:
            return true;
        default:
            return false;
    }
}

bool BlockEdit::Differs(const Document& doc) const {
    const auto block = BlockValues(doc.config(), description_.Block);
    return !std::equal(values_.begin(), values_.end(), block.begin(), block.end());
}

void BlockEdit::Choose(const Document& doc, int list, int position) {
    const BlockListRow& row = description_.Lists.at(list);
    const auto& entries = entries_.at(list);
    if (row.Value < 0 || position < 0 || position >= static_cast<int>(entries.size())) return;
    const i16 before = values_.at(row.Value);
    values_[row.Value] = static_cast<i16>(entries[position].Value);
    if (row.Kind != BlockListKind::BandGroups || values_[row.Value] == before) return;
    for (const BlockListRow& follower : description_.Lists) {
        if (follower.Kind != BlockListKind::BandChannels || follower.FollowsList != list) continue;
        fill(doc, follower.Index);
        const auto& channels = entries_[follower.Index];
        const int channel = valueOf(follower.Index);
        const bool kept =
            std::any_of(channels.begin(), channels.end(),
                        [channel](const BlockListEntry& e) { return e.Value == channel; });
        if (!kept && !channels.empty() && follower.Value >= 0)
            values_[follower.Value] = static_cast<i16>(channels.front().Value);
    }
}

bool BlockEdit::ShowsEmptyHint(BlockFrame frame) const {
    if (description_.EmptyHint.empty()) return false;
    bool hasMemoryList = false;
    for (const BlockListRow& row : description_.Lists) {
        if (row.Frame != frame || row.Hidden) continue;
        if (row.Kind != BlockListKind::CbMemories && row.Kind != BlockListKind::MemChannels)
            continue;
        if (!entries_.at(row.Index).empty()) return false;
        hasMemoryList = true;
    }
    return hasMemoryList;
}

void BlockEdit::Save(Document& doc) const {
    const auto block = BlockValues(doc.config(), description_.Block);
    std::copy(values_.begin(), values_.end(), block.begin());
}

}  // namespace kv
