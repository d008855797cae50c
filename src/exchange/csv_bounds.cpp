// The limits are checked in one pass over the bytes, which allocates nothing, so a refused text
// is refused at once whatever its size.
#include "exchange/csv_bounds.h"

#include "exchange/import_texts.h"
#include "files/data_file.h"
#include "files/file_io.h"

namespace kv {
namespace {

// The length of the UTF-8 sequence starting at `at`, or 0 when it is not one (a stray
// continuation byte, a truncated or overlong sequence, a surrogate, beyond U+10FFFF).
std::size_t Utf8Length(std::string_view text, std::size_t at) {
    const auto b = static_cast<unsigned char>(text[at]);
    if (b < 0x80) return 1;
    const std::size_t length = (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (length == 0 || at + length > text.size()) return 0;
    char32_t c = b & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next >> 6) != 2) return 0;
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

// How many bytes of a sequence that is not UTF-8 to show: its first byte, and those after it up
// to the length it announces, ending with the first that is no continuation byte.
std::size_t BrokenSequenceLength(std::string_view text, std::size_t at) {
    const auto b = static_cast<unsigned char>(text[at]);
    const std::size_t announced = (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 1;
    std::size_t length = 1;
    while (length < announced && at + length < text.size()) {
        const auto next = static_cast<unsigned char>(text[at + length++]);
        if ((next >> 6) != 2) break;
    }
    return length;
}

std::string Hex(std::string_view bytes) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!out.empty()) out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

}  // namespace

TextPair CsvTooLargeText() {
    return FillText({"the text is larger than {} MB", "文本超过 {} MB"},
                    {std::to_string(kLargestCsvBytes >> 20)});
}

std::optional<CsvError> CsvOutOfBounds(std::string_view text, char separator) {
    if (text.size() > kLargestCsvBytes) return CsvError{1, CsvTooLargeText()};
    int line = 1;
    std::size_t cells = 1;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {
            i += c == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
            ++cells;
            if (++line > kMostCsvLines)
                return CsvError{line,
                                FillText({"the text has more than {} lines", "文本超过 {} 行"},
                                         {std::to_string(kMostCsvLines)})};
        } else {
            if (c == separator && ++cells > kMostCsvCells)
                return CsvError{
                    line, FillText({"the text has more than {} cells", "文本超过 {} 个单元格"},
                                   {std::to_string(kMostCsvCells)})};
            ++i;
        }
    }
    return std::nullopt;
}

std::optional<TextPair> NotUtf8Text(std::string_view column, std::string_view cell) {
    for (std::size_t i = 0; i < cell.size();) {
        const std::size_t length = Utf8Length(cell, i);
        if (length == 0)
            return FillText({"{}: the bytes {} are not UTF-8", "{}：字节 {} 不是 UTF-8 编码"},
                            {column, Hex(cell.substr(i, BrokenSequenceLength(cell, i)))});
        i += length;
    }
    return std::nullopt;
}

CsvFileText ReadCsvFile(const std::string& path) {
    CsvFileText file;
    FileFailure failure;
    // One byte past the limit tells a file at the limit from a larger one without reading more.
    const std::optional<FileHead> head = ReadFileHead(path, kLargestCsvBytes + 1, &failure);
    if (!head) {
        file.Error = FileFailureReason(failure);
    } else if (head->Size > kLargestCsvBytes) {
        file.Error = CsvTooLargeText();
    } else {
        file.Text.assign(head->Bytes.begin(), head->Bytes.end());
    }
    return file;
}

}  // namespace kv
