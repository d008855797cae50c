// The program's own clipboard type for channel rows: every stored field of every copied record,
// as text, so that rows pass between two running programs without loss. The first line names the
// format and its version; every further line is one row: its kind ("channel", "memory" or
// "none" for a row without one) and the record's fields as name=value in the record's own order,
// numbers in decimal and the frequency texts as the hex of their bytes.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editors/channels/channel_rows_edit.h"
#include "model/refused_line.h"
#include "model/text_pair.h"

namespace kv {

inline constexpr const char* kChannelRowsMimeType = "application/x-kv7700-channel-rows";
inline constexpr int kChannelRowsVersion = 1;

std::string WriteChannelRows(std::span<const CopiedRow> rows);

struct PrivateRows {
    std::vector<RowToPaste> Rows;
    std::vector<RefusedLine> Refused;  // damaged lines; they keep their place without a record
    std::optional<TextPair> Error;     // not this format, or a newer version of it
};

PrivateRows ReadChannelRows(std::string_view text);

}  // namespace kv
