// The tables of the emergency, dual-watch and memory-key windows.
#include "editors/blocks/block_windows.h"

#include <array>
#include <tuple>
#include <utility>

#include "model/group_arrays.h"

namespace kv {
namespace {

// Caption prefixes of CB groups 1 to 6; group 7 (UK) shares the U entries.
constexpr std::array<const char*, 6> kCbPrefixes = {"Eu", "PL", "DE", "EC", "U/UK", "IN"};
constexpr int kCbListedGroups = 6;

BlockListRow Row(int index, std::string caption, int value, BlockListKind kind, BlockFrame frame,
                 int row, int column) {
    return {index, std::move(caption), value, kind, -1, -1, -1, frame, row, column, false};
}

BlockListRow CbRow(int index, std::string caption, int value, BlockListKind kind, int group,
                   int row, int column) {
    BlockListRow r = Row(index, std::move(caption), value, kind, BlockFrame::Cb, row, column);
    r.Group = group;
    return r;
}

BlockListRow BandRow(int index, std::string caption, int value, BlockListKind kind, int band,
                     int row, int column, int followsList = -1) {
    const BlockFrame frame = band == kBandHf ? BlockFrame::Hf : BlockFrame::Ham;
    BlockListRow r = Row(index, std::move(caption), value, kind, frame, row, column);
    r.Band = band;
    r.FollowsList = followsList;
    return r;
}

BlockWindowDescription BuildEmergency() {
    BlockWindowDescription d{"frm_emg", "Emg Channel Setting", BlockId::Emergency, 13965, 10755, {},
                             {}};
    auto& lists = d.Lists;
    for (int k = 0; k < kCbListedGroups; ++k) {
        const std::string g = kCbPrefixes[k];
        const int group = k + 1;
        lists.push_back(
            CbRow(4 * k, g + " Emg Channel 1", k, BlockListKind::CbChannels, group, 2 * k, 0));
        lists.push_back(CbRow(4 * k + 1, g + " Emg Channel 1 Work Mode", 12 + k,
                              BlockListKind::WorkModes, group, 2 * k, 1));
        lists.push_back(CbRow(4 * k + 2, g + " Emg Channel 2", 6 + k, BlockListKind::CbChannels,
                              group, 2 * k + 1, 0));
        lists.push_back(CbRow(4 * k + 3, g + " Emg Channel 2 Work Mode", 18 + k,
                              BlockListKind::WorkModes, group, 2 * k + 1, 1));
    }
    // The UK lists exist but are never shown and store nothing: UK uses the U values.
    constexpr int kUk = 7;
    const std::array<std::pair<const char*, BlockListKind>, 4> uk = {{
        {"UK Emg Channel 1", BlockListKind::CbChannels},
        {"UK Emg Channel 1 Work Mode", BlockListKind::WorkModes},
        {"UK Emg Channel 2", BlockListKind::CbChannels},
        {"UK Emg Channel 2 Work Mode", BlockListKind::WorkModes},
    }};
    for (int i = 0; i < 4; ++i) {
        BlockListRow r = CbRow(24 + i, uk[i].first, -1, uk[i].second, kUk, 12 + i / 2, i % 2);
        r.Hidden = true;
        lists.push_back(std::move(r));
    }
    struct BandLists {
        int band;
        const char* name;
        int firstIndex;
        int firstValue;
    };
    for (const BandLists& b :
         {BandLists{kBandHf, "HF", 28, 24}, BandLists{kBandHam, "HAM", 34, 30}}) {
        for (int n = 0; n < 2; ++n) {
            const std::string number = std::to_string(n + 1);
            const int index = b.firstIndex + 3 * n;
            const std::string prefix = std::string(b.name) + " Emg ";
            lists.push_back(BandRow(index, prefix + "Band " + number, b.firstValue + n,
                                    BlockListKind::BandGroups, b.band, n, 0));
            lists.push_back(BandRow(index + 1, prefix + "Channel " + number, b.firstValue + 2 + n,
                                    BlockListKind::BandChannels, b.band, n, 1, index));
            lists.push_back(BandRow(index + 2, prefix + "Channel " + number + " Work Mode",
                                    b.firstValue + 4 + n, BlockListKind::WorkModes, b.band, n, 2));
        }
    }
    return d;
}

BlockWindowDescription BuildDualWatch() {
    BlockWindowDescription d{"frm_dw", "DW Channel Setting", BlockId::DualWatch, 13965, 7155, {},
                             {}};
    // The work-mode captions as the radio's owners know them, blanks included.
    const std::array<const char*, kCbListedGroups> modeCaptions = {
        "Eu DW Channel  Work Mode", "PL DW Channel  Work Mode", "DE DW Channel Work Mode",
        "EC DW Channel Work Mode",  "U/UK Channel Work Mode",   "IN DW Channel Work Mode",
    };
    auto& lists = d.Lists;
    for (int k = 0; k < kCbListedGroups; ++k) {
        lists.push_back(CbRow(2 * k, std::string(kCbPrefixes[k]) + " DW Channel", k,
                              BlockListKind::CbChannels, k + 1, k, 0));
        lists.push_back(
            CbRow(2 * k + 1, modeCaptions[k], 6 + k, BlockListKind::WorkModes, k + 1, k, 1));
    }
    for (const auto& [band, name, first] : {std::tuple{kBandHf, "HF", 12}, {kBandHam, "HAM", 15}}) {
        const std::string prefix = std::string(name) + " DW ";
        lists.push_back(
            BandRow(first, prefix + "Band", first, BlockListKind::BandGroups, band, 0, 0));
        lists.push_back(BandRow(first + 1, prefix + "Channel", first + 1,
                                BlockListKind::BandChannels, band, 0, 1, first));
        lists.push_back(BandRow(first + 2, prefix + "Channel Work Mode", first + 2,
                                BlockListKind::WorkModes, band, 0, 2));
    }
    return d;
}

BlockWindowDescription BuildMemoryKey() {
    BlockWindowDescription d{
        "frm_MEM",
        "MEM Channel Setting",
        BlockId::MemoryKey,
        13965,
        7100,
        {},
        {"No memory channel is in use in this band.", "此波段没有使用中的存储信道。"}};
    auto& lists = d.Lists;
    for (int k = 0; k < kCbListedGroups; ++k) {
        const std::string g = kCbPrefixes[k];
        lists.push_back(
            CbRow(2 * k, g + " MEM Channel", k, BlockListKind::CbMemories, k + 1, k, 0));
        lists.push_back(
            CbRow(2 * k + 1, g + " MEM Channel State", 6 + k, BlockListKind::OffOn, k + 1, k, 1));
    }
    for (const auto& [band, name, first] : {std::tuple{kBandHf, "HF", 12}, {kBandHam, "HAM", 14}}) {
        const std::string prefix = std::string(name) + " MEM Channel";
        lists.push_back(BandRow(first, prefix, first, BlockListKind::MemChannels, band, 0, 0));
        lists.push_back(
            BandRow(first + 1, prefix + " State", first + 1, BlockListKind::OffOn, band, 0, 1));
    }
    return d;
}

template <typename Value, typename Config>
std::span<Value> ValuesOf(Config& config, BlockId block) {
    switch (block) {
        case BlockId::Emergency:
            return config.EmgBlock;
        case BlockId::DualWatch:
            return config.DwBlock;
        case BlockId::MemoryKey:
            return config.MemKeyBlock;
    }
    return {};
}

}  // namespace

std::span<i16> BlockValues(ConfigRecord& config, BlockId block) {
    return ValuesOf<i16>(config, block);
}

std::span<const i16> BlockValues(const ConfigRecord& config, BlockId block) {
    return ValuesOf<const i16>(config, block);
}

const BlockWindowDescription& EmergencyWindowDescription() {
    static const BlockWindowDescription description = BuildEmergency();
    return description;
}

const BlockWindowDescription& DualWatchWindowDescription() {
    static const BlockWindowDescription description = BuildDualWatch();
    return description;
}

const BlockWindowDescription& MemoryKeyWindowDescription() {
    static const BlockWindowDescription description = BuildMemoryKey();
    return description;
}

const char* BlockFrameCaption(BlockFrame frame) {
    switch (frame) {
        case BlockFrame::Cb:
            return "CB";
        case BlockFrame::Hf:
            return "HF Band";
        case BlockFrame::Ham:
            return "HAM Band";
    }
    return "";
}

const char* BlockFrameName(BlockFrame frame) {
    switch (frame) {
        case BlockFrame::Cb:
            return "FraCBBAND";
        case BlockFrame::Hf:
            return "FraHFBand";
        case BlockFrame::Ham:
            return "FraHANBand";
    }
    return "";
}

const TextPair& SaveWindowChangesQuestion() {
    static const TextPair text{"Save the changes of this window?", "是否保存此窗口的更改？"};
    return text;
}

}  // namespace kv
