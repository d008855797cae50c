// The channel columns and the text of each field.
#include "exchange/channel_columns.h"

#include <charconv>
#include <vector>

#include "exchange/import_texts.h"
#include "limits/channel_limits.h"
#include "model/config_record.h"
#include "model/fixed_text.h"
#include "model/stored_frequency.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

TextPair ColumnCaption(const DetailBox& box, std::span<const DetailBox> boxes) {
    if (box.list != DetailList::CtcssTones && box.list != DetailList::DcsCodes) return box.label;
    // The tone boxes share the label "CTC/DCS"; the row above names their direction.
    const char* kind = box.list == DetailList::CtcssTones ? " CTCSS" : " DCS";
    for (const DetailBox& other : boxes)
        if (other.row == box.row - 1) return {other.label.en + kind, other.label.zh + kind};
    return box.label;
}

std::vector<FieldColumn> BuildColumns() {
    std::vector<FieldColumn> columns = {
        {"RX MHz", {"RX MHz", "接收 MHz"}, FieldColumnKind::RxFreq},
        {"TX MHz", {"TX MHz", "发射 MHz"}, FieldColumnKind::TxFreq}};
    const std::span<const DetailBox> boxes = DetailBoxes();
    for (const DetailBox& box : boxes) {
        const TextPair caption = ColumnCaption(box, boxes);
        columns.push_back({caption.en, caption, FieldColumnKind::Detail, &box});
    }
    return columns;
}

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// The entry texts of a list box by stored value in the language; values not listed have no text.
std::optional<std::string> EntryText(const DetailBox& box, int value, int language) {
    switch (box.list) {
        case DetailList::Fixed:
            if (value >= 0 && value < static_cast<int>(box.entries.size()))
                return box.entries[static_cast<std::size_t>(value)].in(language);
            return std::nullopt;
        case DetailList::CtcssTones:
            if (value >= 0 && value < static_cast<int>(CtcssToneEntries().size()))
                return CtcssToneEntries()[static_cast<std::size_t>(value)];
            return std::nullopt;
        case DetailList::DcsCodes:
            if (value >= 0 && value < static_cast<int>(DcsCodeEntries().size()))
                return DcsCodeEntries()[static_cast<std::size_t>(value)];
            return std::nullopt;
        case DetailList::RogerTones:
            if (value == 0) return DetailOffText().in(language);
            if (value >= 1 && value <= kToneCount) return std::to_string(value);
            return std::nullopt;
        case DetailList::DtmfCodes:
            if (value == 0) return DetailOffText().in(language);
            if (value >= 1 && value <= kDtmfCodeCount) return std::to_string(value);
            return std::nullopt;
        case DetailList::CbMemChannels:
            if (value == kCbMemEmpty) return CbMemOffText().in(language);
            if (value >= 1 && value <= 80) return std::to_string(value);
            return std::nullopt;
    }
    return std::nullopt;
}

// The value of an entry written in either language.
std::optional<int> EntryValue(const DetailBox& box, std::string_view text) {
    if (text.starts_with('#')) return ParseInt(text.substr(1));
    // Every list's values lie below 256; the list's own length bounds the search.
    int end = 256;
    switch (box.list) {
        case DetailList::Fixed:
            end = static_cast<int>(box.entries.size());
            break;
        case DetailList::CtcssTones:
            end = static_cast<int>(CtcssToneEntries().size());
            break;
        case DetailList::DcsCodes:
            end = static_cast<int>(DcsCodeEntries().size());
            break;
        default:
            break;
    }
    for (int language : {kLanguageEnglish, kLanguageChinese})
        for (int value = 0; value < end; ++value)
            if (const auto entry = EntryText(box, value, language); entry && *entry == text)
                return value;
    return std::nullopt;
}

// A reason that names the column as the interface does in each language.
template <typename... Rest>
TextPair Named(TextPair (*text)(std::string_view, std::string_view, Rest...),
               const FieldColumn& column, std::string_view cell, Rest... rest) {
    return {text(column.Caption.en, cell, rest...).en, text(column.Caption.zh, cell, rest...).zh};
}

}  // namespace

std::span<const FieldColumn> FieldColumns() {
    static const std::vector<FieldColumn> columns = BuildColumns();
    return columns;
}

std::vector<std::string> ChannelHeader() {
    std::vector<std::string> header = {std::string(kColumnBand), std::string(kColumnGroup),
                                       std::string(kColumnGroupName), std::string(kColumnChNo)};
    for (const FieldColumn& column : FieldColumns()) header.push_back(column.Name);
    return header;
}

std::optional<std::string> MhzToStored(std::string_view mhz) {
    const std::size_t point = mhz.find('.');
    const std::string_view whole = mhz.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : mhz.substr(point + 1);
    const auto digits = [](std::string_view part) {
        for (char c : part)
            if (c < '0' || c > '9') return false;
        return true;
    };
    if (whole.empty() || whole.size() > 2 || fraction.size() > 6 || !digits(whole) ||
        !digits(fraction))
        return std::nullopt;
    std::string stored = std::string(2 - whole.size(), '0') + std::string(whole);
    stored += fraction;
    return stored + std::string(6 - fraction.size(), '0');
}

std::string StoredToMhz(std::string_view stored) {
    const std::string text = TrimName(stored);
    if (text.empty() || text == "FFFFFFFF") return {};
    if (const std::optional<std::int64_t> hz = StoredFrequencyHz(stored)) return HzAsMhzText(*hz);
    return "#" + text;
}

std::string TransmitMhz(const ChannelRecord& record, const ChannelContext& context) {
    const std::optional<std::int64_t> hz =
        TransmitFrequencyHz(context.Band, record, context.RepeaterOffset);
    return hz ? HzAsMhzText(*hz) : StoredToMhz(record.RxFreqText.raw());
}

std::string FieldText(const FieldColumn& column, const ChannelRecord& record,
                      const ChannelContext& context, int language) {
    switch (column.Kind) {
        case FieldColumnKind::RxFreq:
            return StoredToMhz(record.RxFreqText.raw());
        case FieldColumnKind::TxFreq:
            return TransmitMhz(record, context);
        case FieldColumnKind::Detail:
            break;
    }
    const int value = record.*(column.Box->field);
    return EntryText(*column.Box, value, language).value_or("#" + std::to_string(value));
}

std::optional<TextPair> SetFieldText(const FieldColumn& column, std::string_view text,
                                     ChannelRecord& record, bool cbMemory) {
    if (column.Kind == FieldColumnKind::TxFreq) return std::nullopt;
    if (column.Kind == FieldColumnKind::RxFreq) {
        std::string stored;
        if (text.starts_with('#') && text.size() <= 9) {
            stored = text.substr(1);
        } else if (!text.empty()) {
            const auto mhz = MhzToStored(text);
            if (!mhz) return Named(NotFrequencyText, column, text);
            stored = *mhz;
        }
        // The same frequency keeps the text it is stored as: the cell changed nothing.
        if (!SameStoredFrequency(record.RxFreqText.raw(), stored) ||
            (!StoredFrequencyHz(stored) && TrimName(stored) != record.RxFreqText.trimmed()))
            record.RxFreqText.assign(stored);
        return std::nullopt;
    }
    const auto value = EntryValue(*column.Box, text);
    if (!value) return Named(NotInListText, column, text);
    const bool memoryField = column.Box->shown == DetailShown::CbMemoryRow ||
                             column.Box->shown == DetailShown::SharedCbBlock;
    const ValueRange range =
        memoryField && !cbMemory ? ValueRange{-32768, 32767} : ImageRange(column.Box->field);
    if (!range.holds(*value)) return Named(WiderThanFieldText, column, text, range);
    record.*(column.Box->field) = static_cast<i16>(*value);
    return std::nullopt;
}

}  // namespace kv
