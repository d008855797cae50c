// Cells a spreadsheet would run as a formula (a leading =, +, - or @) are written with a leading
// apostrophe, which spreadsheets take as "show as text"; reading takes one leading apostrophe off
// again. A cell that itself starts with an apostrophe gets a second one, so that every cell comes
// back exactly as it was written.
#pragma once

#include <string>
#include <string_view>

namespace kv {

std::string CellForSpreadsheet(std::string_view cell);
std::string_view CellFromSpreadsheet(std::string_view cell);

}  // namespace kv
