// The common open CSV format of other programmers, one row to one channel record of this radio.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "exchange/csv.h"
#include "model/channel_record.h"
#include "model/text_pair.h"

namespace kv {

// Column positions by header name.
using CsvHeader = std::map<std::string, std::size_t, std::less<>>;
CsvHeader HeaderOf(const CsvRow& row);

// The cell of the named column; "" when the column or the cell is missing.
std::string Cell(const CsvHeader& header, const CsvRow& row, std::string_view column);

// Whether the header is the common format's (it names Location and Frequency).
bool IsCommonHeader(const CsvHeader& header);

// The columns this radio cannot carry that hold a value on some row, in header order.
std::vector<std::string> DroppedCommonColumns(const CsvHeader& header,
                                              const std::vector<CsvRow>& rows);

// The record for a row (channel number, in use, frequencies, tones, mode set; the rest as a new
// channel has it), or why the row cannot be carried. The frequency rule is the caller's.
std::variant<ChannelRecord, TextPair> CommonRowRecord(const CsvHeader& header, const CsvRow& row,
                                                      int chNo);

}  // namespace kv
