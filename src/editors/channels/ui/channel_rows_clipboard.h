// The channel rows on the system clipboard: Copy puts them there as spreadsheet text and as the
// program's own type; Paste takes the own type when it is there, else the text. A single row the
// program copied itself pastes through the one-record clipboard, as one row always has.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "editors/channels/channel_rows_edit.h"
#include "model/document.h"
#include "model/refused_line.h"
#include "model/text_pair.h"

namespace kv {

class ChannelEditorState;

// Copies the rows to the system clipboard; with one row the one-record clipboard takes it too.
void CopyRowsToClipboard(const Document& doc, int band, int group, std::span<const int> rows,
                         int language, ChannelEditorState& state);

struct ClipboardPaste {
    enum class Source { Nothing, OneRecord, Rows };
    Source From = Source::Nothing;
    std::vector<RowToPaste> Rows;
    std::vector<RefusedLine> Refused;  // rows the clipboard's text could not give
    std::optional<TextPair> Error;     // the clipboard's content cannot be pasted at all
};

// What a Paste (or Insert&Paste) from startRow would take from the clipboards.
ClipboardPaste RowsFromClipboard(const Document& doc, int band, int group, int startRow,
                                 bool inserting, const ChannelEditorState& state);

// Whether the system clipboard holds anything Paste can try: the own type or text.
bool ClipboardOffersRows();

}  // namespace kv
