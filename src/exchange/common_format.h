// The common open CSV format of other programmers, one row to one channel record of this radio.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "exchange/csv.h"
#include "model/channel_record.h"
#include "model/group_arrays.h"
#include "model/text_pair.h"

namespace kv {

// The common format's names for the radio's modes and power levels, and its tone and code texts,
// read and written through the windows' own lists.
std::optional<std::int16_t> CommonModeValue(std::string_view mode);
std::optional<std::string> CommonModeName(
    std::int16_t value);  // nothing for PA and values off the list
std::optional<std::int16_t> CommonPowerValue(std::string_view power);  // "High", "mid", … any case
std::optional<std::string> CommonPowerName(std::int16_t value);
std::optional<std::string> CommonToneText(int ctcssIndex);  // "88.5"
std::optional<std::string> CommonCodeText(int dcsIndex);    // "023"

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

// Where the rows go: the band, and the radio-wide repeater offset the shifts must match.
struct CommonRowPlace {
    int Band = kBandHf;
    std::int32_t RepeaterOffset = 0;           // TX.REP, units of 100 Hz
    const ChannelRecord* Replaced = nullptr;   // the channel the line replaces, if any
    std::optional<TextPair>* Moved = nullptr;  // set when the frequency was moved onto the grid
};

// How far the line's transmit frequency lies from its receive frequency, in hertz: 0 for simplex,
// nothing when the line's frequencies cannot be read.
std::optional<long long> CommonRowShiftHz(const CsvHeader& header, const CsvRow& row);

// The record for a row (channel number, in use, frequencies, tones, mode set; the rest as a new
// channel has it), or why the row cannot be carried. The radio transmits on the receive
// frequency or shifted by TX.REP: Duplex "+"/"-" with an Offset of TX.REP sets REP to Add/SUBB,
// Offset 0 or no Duplex is simplex, "split" is simplex for an equal transmit frequency and
// Add/SUBB for one TX.REP away; any other shift, and a transmit frequency outside the band, is
// refused. A frequency finer than 10 Hz is moved down onto the editor's 10 Hz grid and the move
// named in Moved. Skip "S" is scan "Del", blank and "P" (a priority the radio has not) "Add"; Power
// High, Mid or Low (any case) sets the power, anything else leaves it. The receive frequency
// rule is the caller's.
std::variant<ChannelRecord, TextPair> CommonRowRecord(const CsvHeader& header, const CsvRow& row,
                                                      int chNo, const CommonRowPlace& place);

}  // namespace kv
