// The program's own clipboard text for channel rows.
#include "exchange/channel_rows_private.h"

#include <charconv>
#include <map>

#include "exchange/csv_bounds.h"
#include "files/record_layout.h"

namespace kv {
namespace {

constexpr std::string_view kFormatName = "KV7700 channel rows";
constexpr std::string_view kChannelKind = "channel";
constexpr std::string_view kMemoryKind = "memory";
constexpr std::string_view kNoneKind = "none";

constexpr char kHexDigits[] = "0123456789ABCDEF";

template <std::size_t N>
std::string Hex(const FixedText<N>& text) {
    std::string out;
    for (char c : text.chars) {
        const auto byte = static_cast<unsigned char>(c);
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 0x0F];
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

template <std::size_t N>
bool ReadHex(std::string_view text, FixedText<N>& out) {
    if (text.size() != 2 * N) return false;
    for (std::size_t i = 0; i < N; ++i) {
        const int high = HexValue(text[2 * i]);
        const int low = HexValue(text[2 * i + 1]);
        if (high < 0 || low < 0) return false;
        out.chars[i] = static_cast<char>(high * 16 + low);
    }
    return true;
}

bool ReadNumber(std::string_view text, std::int16_t& out) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value < -32768 || value > 32767)
        return false;
    out = static_cast<std::int16_t>(value);
    return true;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string_view::npos ? at : at - from));
        if (at == std::string_view::npos) return parts;
        from = at + 1;
    }
}

TextPair NotRowsText() {
    return {"The clipboard does not hold channel rows of this program.",
            "剪贴板中没有本程序的信道行。"};
}

TextPair NewerVersionText(std::string_view version) {
    const std::string v(version);
    return {"The clipboard holds channel rows of a newer program (format " + v +
                "); this program reads format " + std::to_string(kChannelRowsVersion) +
                ". Paste them with the newer program, or copy them as text there.",
            "剪贴板中的信道行来自较新的程序（格式 " + v + "）；本程序只能读取格式 " +
                std::to_string(kChannelRowsVersion) +
                "。请在较新的程序中粘贴，或在那里复制为文本。"};
}

TextPair DamagedRowText() {
    return {"the row is damaged", "该行已损坏"};
}

// Reads name=value fields into the record through its layout; false for a field that cannot be
// read. Names the layout does not hold are passed over, so a later version's extra fields do
// not refuse a row.
bool ReadFields(std::span<const std::string_view> fields, ChannelRecord& record) {
    std::map<std::string_view, std::string_view> values;
    for (std::string_view field : fields) {
        const std::size_t equals = field.find('=');
        if (equals == std::string_view::npos) return false;
        values[field.substr(0, equals)] = field.substr(equals + 1);
    }
    bool read = true;
    Fields(record, [&](std::size_t, const char* name, auto& member) {
        const auto found = values.find(name);
        if (found == values.end()) return;
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(member)>, std::int16_t>)
            read = read && ReadNumber(found->second, member);
        else
            read = read && ReadHex(found->second, member);
    });
    return read;
}

}  // namespace

std::string WriteChannelRows(std::span<const CopiedRow> rows) {
    std::string text = std::string(kFormatName) + '\t' + std::to_string(kChannelRowsVersion) + '\n';
    for (const CopiedRow& row : rows) {
        if (!row.Held) {
            text += std::string(kNoneKind) + '\n';
            continue;
        }
        text += row.Memory ? kMemoryKind : kChannelKind;
        Fields(row.Record, [&](std::size_t, const char* name, const auto& member) {
            text += '\t';
            text += name;
            text += '=';
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(member)>, std::int16_t>)
                text += std::to_string(member);
            else
                text += Hex(member);
        });
        text += '\n';
    }
    return text;
}

PrivateRows ReadChannelRows(std::string_view text) {
    PrivateRows result;
    // Bounded before it is split: every line and field takes memory of its own.
    if (const std::optional<CsvError> refused = CsvOutOfBounds(text, '\t')) {
        const std::string line = std::to_string(refused->Line);
        result.Error = {"line " + line + ": " + refused->What.en,
                        "第 " + line + " 行：" + refused->What.zh};
        return result;
    }
    std::vector<std::string_view> lines = Split(text, '\n');
    for (std::string_view& line : lines)
        if (line.ends_with('\r')) line.remove_suffix(1);
    const std::vector<std::string_view> head = Split(lines.front(), '\t');
    std::int16_t version = 0;
    if (head.size() != 2 || head[0] != kFormatName || !ReadNumber(head[1], version) ||
        version < 1) {
        result.Error = NotRowsText();
        return result;
    }
    if (version > kChannelRowsVersion) {
        result.Error = NewerVersionText(head[1]);
        return result;
    }
    for (std::size_t n = 1; n < lines.size(); ++n) {
        if (lines[n].empty()) continue;
        const std::vector<std::string_view> fields = Split(lines[n], '\t');
        RowToPaste row;
        row.Line = static_cast<int>(n) + 1;
        if (fields[0] != kNoneKind) {
            ChannelRecord record;
            row.Memory = fields[0] == kMemoryKind;
            const bool known = row.Memory || fields[0] == kChannelKind;
            if (known && ReadFields(std::span(fields).subspan(1), record))
                row.Record = record;
            else
                result.Refused.push_back({row.Line, DamagedRowText()});
        }
        result.Rows.push_back(std::move(row));
    }
    return result;
}

}  // namespace kv
