// The apostrophe that marks a cell as text.
#include "exchange/formula_cells.h"

namespace kv {
namespace {

constexpr char kTextMark = '\'';

bool NeedsMark(std::string_view cell) {
    if (cell.empty()) return false;
    const char first = cell.front();
    return first == '=' || first == '+' || first == '-' || first == '@' || first == kTextMark;
}

}  // namespace

std::string CellForSpreadsheet(std::string_view cell) {
    if (!NeedsMark(cell)) return std::string(cell);
    return kTextMark + std::string(cell);
}

std::string_view CellFromSpreadsheet(std::string_view cell) {
    if (!cell.empty() && cell.front() == kTextMark) cell.remove_prefix(1);
    return cell;
}

}  // namespace kv
