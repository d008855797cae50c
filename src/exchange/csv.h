// Comma-separated text as spreadsheets write it: fields in double quotes may hold commas, line
// breaks and doubled quotes; lines end in CR LF, LF or a lone CR; a UTF-8 byte order mark is
// skipped.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/text_pair.h"

namespace kv {

struct CsvRow {
    int Line = 0;  // the line of the file the row starts on, counted from 1
    std::vector<std::string> Cells;
};

struct CsvError {
    int Line = 0;
    TextPair What;
};

struct CsvTable {
    std::vector<CsvRow> Rows;       // blank lines left out
    std::optional<CsvError> Error;  // set when the text cannot be read; Rows then holds none
};

// Text beyond the bounds of csv_bounds.h, or not UTF-8, is refused before it is read.
// With a tab as separator (text copied from a spreadsheet) a quote inside an unquoted field is
// taken as it is.
CsvTable ReadCsv(std::string_view text, char separator = ',');

// Both directions mark cells a spreadsheet would run as formulas (formula_cells.h); a file for
// another program's reader, whose cells are what that program writes itself ("-" as a duplex),
// is written as it is.
enum class CsvCells { ForSpreadsheet, AsWritten };

// One row, fields quoted where they need it, ended with CR LF.
std::string CsvLine(const std::vector<std::string>& cells, char separator = ',',
                    CsvCells mark = CsvCells::ForSpreadsheet);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace kv
