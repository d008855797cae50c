// What a CSV file or pasted table may be before it is read into rows: a document holds some 1 600
// channels, so anything far beyond that is refused, with the reason, before it takes memory. And
// a cell whose text is converted into the code page must be UTF-8, or it would be stored as
// something else.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "exchange/csv.h"
#include "model/text_pair.h"

namespace kv {

inline constexpr std::size_t kLargestCsvBytes = std::size_t{4} << 20;
inline constexpr int kMostCsvLines = 10000;
inline constexpr std::size_t kMostCsvCells = 400000;

// Why the text cannot be read as rows (too large, too many lines or cells), with the line it
// concerns; nothing when it can.
std::optional<CsvError> CsvOutOfBounds(std::string_view text, char separator);

// "Group Name: the bytes C3 28 are not UTF-8" when the cell of that column is not UTF-8 (a stray
// or missing continuation byte, an overlong form, a surrogate); nothing when it is.
std::optional<TextPair> NotUtf8Text(std::string_view column, std::string_view cell);

// The whole text of a CSV file, read only when it is a regular file within the size limit.
struct CsvFileText {
    std::string Text;
    std::optional<TextPair> Error;  // why it was not read
};
CsvFileText ReadCsvFile(const std::string& path);

// "the text is larger than 4 MB": the size limit as a refusal.
TextPair CsvTooLargeText();

}  // namespace kv
