// Reading and writing comma-separated text.
#include "exchange/csv.h"

#include "exchange/csv_bounds.h"
#include "exchange/formula_cells.h"

namespace kv {

CsvTable ReadCsv(std::string_view text, char separator) {
    // Spreadsheets copy a cell that merely holds a quote without quoting it; only CSV files are
    // strict about quotes inside a field.
    const bool strictQuotes = separator != '\t';
    CsvTable table;
    if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
    if (std::optional<CsvError> refused = CsvOutOfBounds(text, separator)) {
        table.Error = std::move(refused);
        return table;
    }
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        CsvRow row;
        row.Line = line;
        std::string cell;
        bool rowDone = false;
        while (!rowDone) {
            if (i < text.size() && text[i] == '"') {
                const int quoteLine = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        table.Rows.clear();
                        table.Error = CsvError{
                            quoteLine, {"a quoted field is not closed", "引号中的字段没有结束"}};
                        return table;
                    }
                    const char c = text[i++];
                    if (c == '"') {
                        if (i < text.size() && text[i] == '"') {
                            cell += '"';
                            ++i;
                        } else {
                            break;
                        }
                    } else {
                        if (c == '\n' || (c == '\r' && (i >= text.size() || text[i] != '\n')))
                            ++line;
                        cell += c;
                    }
                }
                if (i < text.size() && text[i] != separator && text[i] != '\n' && text[i] != '\r') {
                    table.Rows.clear();
                    table.Error =
                        CsvError{line, {"text follows a closing quote", "结束引号后还有文字"}};
                    return table;
                }
            }
            while (i < text.size() && text[i] != separator && text[i] != '\n' && text[i] != '\r') {
                if (text[i] == '"' && strictQuotes) {
                    table.Rows.clear();
                    table.Error = CsvError{
                        line, {"a quote inside an unquoted field", "未加引号的字段中有引号"}};
                    return table;
                }
                cell += text[i++];
            }
            row.Cells.emplace_back(CellFromSpreadsheet(cell));
            cell.clear();
            if (i < text.size() && text[i] == separator) {
                ++i;
                continue;
            }
            if (i < text.size() && text[i] == '\r') ++i;
            if (i < text.size() && text[i] == '\n') ++i;
            ++line;
            rowDone = true;
        }
        const bool blank = row.Cells.size() == 1 && row.Cells[0].empty();
        if (!blank) table.Rows.push_back(std::move(row));
    }
    return table;
}

std::string CsvLine(const std::vector<std::string>& cells, char separator, CsvCells mark) {
    const char special[] = {separator, '"', '\r', '\n', '\0'};
    std::string out;
    for (std::size_t n = 0; n < cells.size(); ++n) {
        if (n > 0) out += separator;
        const std::string cell =
            mark == CsvCells::ForSpreadsheet ? CellForSpreadsheet(cells[n]) : cells[n];
        if (cell.find_first_of(special) == std::string::npos) {
            out += cell;
            continue;
        }
        out += '"';
        for (char c : cell) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out + "\r\n";
}

}  // namespace kv
