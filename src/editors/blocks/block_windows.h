// The three block windows (emergency, dual-watch and memory-key channels) described as tables:
// for each list of the window its caption, the block value it edits, what it lists and where it
// sits. One window class and one set of rules serve all three; only these tables differ.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/config_record.h"
#include "model/text_pair.h"

namespace kv {

enum class BlockId { Emergency, DualWatch, MemoryKey };

// The block a window edits, as a run of values numbered from 0.
std::span<i16> BlockValues(ConfigRecord& config, BlockId block);
std::span<const i16> BlockValues(const ConfigRecord& config, BlockId block);

enum class BlockListKind {
    CbChannels,    // channel numbers of CB group `Group`
    CbMemories,    // memories in use of the CB memory block of CB group `Group`, 1..16
    BandGroups,    // names of the named groups of `Band`
    BandChannels,  // channel numbers of the `Band` group shown in list `FollowsList`
    MemChannels,   // channel numbers of the MEM group of `Band`
    WorkModes,     // FM, AM, USB, LSB, CW
    OffOn,         // Off, On
};

// The three frames of a block window.
enum class BlockFrame { Cb, Hf, Ham };

struct BlockListRow {
    int Index;            // the list is Combo1 (Index), its label lblEuEmg (Index)
    std::string Caption;  // the same in both languages
    int Value;            // the block value the list edits; -1 for a list that stores nothing
    BlockListKind Kind;
    int Band;         // for BandGroups, BandChannels, MemChannels
    int Group;        // for CbChannels and CbMemories
    int FollowsList;  // for BandChannels: the index of the group list it follows
    BlockFrame Frame;
    int Row;  // position of the label and list inside its frame
    int Column;
    bool Hidden;
};

struct BlockWindowDescription {
    const char* ObjectName;
    std::string Caption;  // the same in both languages
    BlockId Block;
    int WidthTwips;  // fixed outer size of the window
    int HeightTwips;
    std::vector<BlockListRow> Lists;  // in index order: Lists[i].Index == i
    // Shown in a frame while every memory list of the frame is empty (else nothing is shown).
    TextPair EmptyHint;
};

const BlockWindowDescription& EmergencyWindowDescription();
const BlockWindowDescription& DualWatchWindowDescription();
const BlockWindowDescription& MemoryKeyWindowDescription();

// Asked when closing a window would discard a copy that differs from the document.
const TextPair& SaveWindowChangesQuestion();

// The caption of a frame ("CB", "HF Band", "HAM Band") and its object name.
const char* BlockFrameCaption(BlockFrame frame);
const char* BlockFrameName(BlockFrame frame);

}  // namespace kv
