// Channel rows as a spreadsheet holds them: tab-separated text with a header row in the
// interface's language (the grid's "CH No." and frequency, then every details field), each value as
// the channel window shows it. Reading takes the header row or leaves it out, English or Chinese
// headers, the columns in any order; turning the rows into records to paste checks every cell.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editors/channels/channel_rows_edit.h"
#include "exchange/channel_columns.h"
#include "model/document.h"
#include "model/refused_line.h"
#include "model/text_pair.h"

namespace kv {

// The copied rows as text, CR LF lines. A row without a channel keeps its CH No. and leaves the
// other cells empty; a field the window does not show for the row is left empty too.
std::string ChannelRowsSheet(const Document& doc, int band, int group,
                             std::span<const CopiedRow> rows, int language);

struct SheetRow {
    int Line = 0;
    // The cells of the known columns, trimmed; the CH No. column is not kept (the destination
    // row numbers the channel).
    std::vector<std::pair<const FieldColumn*, std::string>> Cells;
};

struct Sheet {
    std::vector<SheetRow> Rows;
    std::vector<std::string> IgnoredColumns;  // header names that name no column
    std::optional<TextPair> Error;            // the text cannot be read at all
};

// Reads pasted text. Without a header row the columns are taken in the order the program writes
// them.
Sheet ReadChannelSheet(std::string_view text);

// The rows to paste from startRow. Each starts from the record its destination row holds (a new
// channel by the creation rule when inserting or when the row holds none) and takes the cells
// given; a row whose cells cannot be stored (a value in no list, a tone or code not defined, a
// frequency that is not a number, a new channel without one) is listed in `refused` and stays
// in the list without a record, so that the rows after it keep their places.
std::vector<RowToPaste> SheetRowsToPaste(const Document& doc, int band, int group, int startRow,
                                         const Sheet& sheet, bool inserting,
                                         std::vector<RefusedLine>& refused);

// The one message that names the rows a paste left out: "These rows were not pasted:" and a line
// for each ("line N: reason"), the first twenty of them.
TextPair RowsNotPastedText(std::span<const RefusedLine> refused);

}  // namespace kv
