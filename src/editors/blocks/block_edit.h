// The rules the three block windows share: the window's copy of its block, what each list
// offers, which entry a list shows for a value, storing a user's pick, and Save. Windows only
// display what this holds, so the rules are tested without widgets.
#pragma once

#include <string>
#include <vector>

#include "codec/code_page.h"
#include "editors/blocks/block_windows.h"
#include "model/document.h"

namespace kv {

// One list entry: its text and the value a pick stores (channel or memory number − 1, or the
// entry's position for the lists that store positions).
struct BlockListEntry {
    std::string Text;
    int Value;

    bool operator==(const BlockListEntry&) const = default;
};

// What the list offers, from the document. `group` is the group a BandChannels list follows
// (counted from 1); the other kinds take their group from the row. Group names are shown through
// the system's code page `page`.
std::vector<BlockListEntry> BlockListEntries(const Document& doc, const BlockListRow& row,
                                             int group = 0, const CodePage& page = Windows1252());

class BlockEdit {
public:
    BlockEdit(const BlockWindowDescription& description, const Document& doc,
              const CodePage& page = Windows1252());

    const BlockWindowDescription& Description() const { return description_; }

    // Drops the copy's changes: takes the document's block again and refills the lists.
    void Reset(const Document& doc);

    // Fills every list again from the document (after an edit elsewhere); the copy stays.
    void Refill(const Document& doc);

    const std::vector<BlockListEntry>& Entries(int list) const { return entries_.at(list); }
    // The position the list shows: the entry whose value equals the copy's value; -1 when no
    // entry has it (the window then shows the value itself) or the list is empty. A list that
    // stores nothing shows its first entry. Showing never changes the copy: a value no entry has
    // is kept until the user picks.
    int Shown(int list) const;

    // The number the window names a value no entry has by: the channel or memory number, the
    // group number, or the stored position of the lists that store positions.
    int ShownNumber(int list) const;
    // True for the lists of channel numbers, whose unmatched value names no channel in use.
    bool ListsChannels(int list) const;
    bool StoresValue(int list) const { return description_.Lists.at(list).Value >= 0; }

    // True when the copy differs from the document's block: closing would discard a change.
    bool Differs(const Document& doc) const;

    // The user picked `position` of `list`: the copy takes the entry's value. When a group list's
    // value changes, its channel list is filled from the new group and keeps its channel when
    // the group has it, otherwise takes the first entry.
    void Choose(const Document& doc, int list, int position);

    const std::vector<i16>& Values() const { return values_; }

    // True when the description has an empty hint, `frame` holds memory lists and none of them
    // offers an entry: the user sees empty lists and is told why.
    bool ShowsEmptyHint(BlockFrame frame) const;

    // Writes the copy into the document's block.
    void Save(Document& doc) const;

private:
    void fill(const Document& doc, int list);
    int valueOf(int list) const;

    const BlockWindowDescription& description_;
    const CodePage& page_;
    std::vector<i16> values_;
    std::vector<std::vector<BlockListEntry>> entries_;
};

}  // namespace kv
