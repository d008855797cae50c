// The list commands on several rows of the channel grid at once: copying rows, pasting records
// onto consecutive rows (replacing or inserting), deleting rows and setting one details field on
// every selected channel. Each command keeps a group's slots compact and its references, the CB
// memories and the tone and DTMF references consistent, and says which rows it left alone.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "editors/channels/channel_window_refresh.h"
#include "editors/channels/detail_rows.h"
#include "model/document.h"
#include "model/refused_line.h"
#include "model/text_pair.h"

namespace kv {

// What one grid row held when it was copied.
struct CopiedRow {
    int Row = 0;          // the grid row
    bool Memory = false;  // a CB memory row: the record is a memory record
    bool Held = false;    // the row showed a channel (a memory: one in use)
    ChannelRecord Record;
};

std::vector<CopiedRow> CopyChannelRows(const Document& doc, int band, int group,
                                       std::span<const int> rows);

// One row to paste. Without a record the destination row is left as it is (a copied row that
// held no channel). The record's ChNo is ignored: the destination row numbers it.
struct RowToPaste {
    int Line = 0;  // the line of the pasted text, for the refusal list
    bool Memory = false;
    std::optional<ChannelRecord> Record;
};

struct RowsEditOutcome {
    bool Changed = false;
    int FirstRow = 0;  // rows to redisplay when changed
    int LastRow = 0;
    std::vector<RefusedLine> Refused;  // rows not stored, with their reasons
    std::optional<TextPair> Message;   // why the command could not act at all
};

// The outcome of a command on one row or a block of rows (a list command, a sort or a move) as
// the window shows every command's: the rows to redisplay and the message.
template <class Outcome>
RowsEditOutcome AsRowsOutcome(const Outcome& one) {
    return {one.Changed, one.FirstRow, one.LastRow, {}, one.Message};
}

// Why the record cannot go to the row, or nothing when it can: the row must be a channel row of
// the group (a memory record a CB memory row), the frequency one the channel may have, a memory's
// reference a channel of the group it refers into, and a new channel must find a free slot.
std::optional<TextPair> PasteRowRefusal(const Document& doc, int band, int group, int row,
                                        const RowToPaste& paste);

// Pastes rows[i] onto row startRow + i, each replacing or creating the channel of its row as the
// one-record Paste does; refused rows are listed and leave their row as it is.
RowsEditOutcome PasteChannelRows(Document& doc, int band, int group, int startRow,
                                 std::span<const RowToPaste> rows,
                                 const ChannelWindowRefresh& refresh = {});

// How many channels an Insert&Paste of the rows at startRow would push out of a full group.
int InsertRowsWouldLose(const Document& doc, int band, int group, int startRow,
                        std::span<const RowToPaste> rows);
TextPair InsertRowsLoseText(int lost);

// Opens a row at startRow for every accepted row and pastes it there, so the accepted rows stand
// in order from startRow and the channels from startRow on move down (references follow). A full
// group loses channels at its end only with `dropLast` (the user's Yes).
RowsEditOutcome InsertPasteChannelRows(Document& doc, int band, int group, int startRow,
                                       std::span<const RowToPaste> rows,
                                       const ChannelWindowRefresh& refresh = {},
                                       bool dropLast = false);

// Deletes the channels the rows show; rows without a channel are passed over. Refused as a whole
// in the VFO group and when no row holds a channel.
RowsEditOutcome DeleteChannelRows(Document& doc, int band, int group, std::span<const int> rows,
                                  const ChannelWindowRefresh& refresh = {});

// Whether the details box applies to the row's record: the row shows a record, the box is shown
// for it, and the PUBLIC switch does not lock it.
bool DetailApplies(const Document& doc, int band, int group, int row, const DetailBox& box);

// Stores a details pick for the row's record as the panel does for one channel; a CB memory's
// channel and band choices go through the memory rules. True when the record changed.
bool SetDetailValue(Document& doc, int band, int group, int row, const DetailBox& box, int value);

struct BulkDetailOutcome {
    std::vector<int> ChangedRows;
    std::vector<int> SkippedRows;  // rows with a record the pick does not apply to
    std::vector<int> PublicRows;   // of those, the rows where Public On fixes the value
};

// The same pick on every row; rows without a record are passed over.
BulkDetailOutcome SetDetailOnRows(Document& doc, int band, int group, std::span<const int> rows,
                                  const DetailBox& box, int value);

// "The choice does not apply to CH 3, CH 7: they were left as they were.", with the reason for
// the rows where Public is on.
TextPair DetailSkippedText(int band, int group, const BulkDetailOutcome& outcome);

}  // namespace kv
