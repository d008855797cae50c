// The columns a channel has in exchanged files and in comparisons, held once: the place columns
// (band, group, CH No.), the two frequencies and one column per details field, named and written
// as the English interface shows them, so a file reads the same whatever the interface language.
// Export writes through the table, import reads through it and compare names its fields by it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "editors/channels/detail_rows.h"
#include "model/channel_record.h"
#include "model/text_pair.h"

namespace kv {

inline constexpr std::string_view kColumnBand = "Band";
inline constexpr std::string_view kColumnGroup = "Group";
inline constexpr std::string_view kColumnGroupName = "Group Name";
inline constexpr std::string_view kColumnChNo = "CH No.";
// The Band cell of a CB memory row; its Group is the CB group whose block holds the record and
// its CH No. the record number 1 to 96.
inline constexpr std::string_view kCbMemoryBand = "CB MEM";

enum class FieldColumnKind { RxFreq, TxFreq, Detail };

struct FieldColumn {
    std::string Name;  // the English caption, the column's name in files
    TextPair Caption;  // as the windows name the field, for comparisons
    FieldColumnKind Kind;
    const DetailBox* Box = nullptr;  // for a details field
};

// The frequency columns, then the details fields in panel order.
std::span<const FieldColumn> FieldColumns();

// The header of the own format: the place columns, then FieldColumns().
std::vector<std::string> ChannelHeader();

// Where a record stands, for the field that depends on it: the transmit frequency follows the
// band and the radio-wide repeater offset.
struct ChannelContext {
    int Band = kBandCb;
    std::int32_t RepeaterOffset = 0;
};

// A field of the record as the interface shows it in the language (files use English). A value
// outside its list is written "#" and the number, and a stored frequency text that the radio does
// not receive as a frequency "#" and its text, so that what a radio held is carried unchanged.
// The transmit frequency is the one the radio makes (transmit_frequency.h), not a stored text.
std::string FieldText(const FieldColumn& column, const ChannelRecord& record,
                      const ChannelContext& context, int language = kLanguageEnglish);

// Stores a cell into the record; the reason, with the record unchanged, when the text is not one
// of the column's entries in either language, a "#" value wider than the radio's field, or not a
// frequency in MHz. A receive frequency that reaches the radio as the one the record holds keeps
// the record's text. The transmit column is not stored: the radio computes it. The CB memory
// fields are judged by the image only for a CB memory record: a channel's slot has no place for
// them, and the data file keeps whatever they hold.
std::optional<TextPair> SetFieldText(const FieldColumn& column, std::string_view text,
                                     ChannelRecord& record, bool cbMemory);

// A frequency in MHz ("27.60125") as the stored text ("27601250"); nothing when it is not a plain
// number of at most two integer digits and six decimals.
std::optional<std::string> MhzToStored(std::string_view mhz);
// The frequency a stored text reaches the radio as, in MHz with six decimals; "" for none. A text
// the radio does not receive as a frequency is written "#" and the text.
std::string StoredToMhz(std::string_view stored);
// The transmit frequency the radio makes for the record, as the transmit column writes it.
std::string TransmitMhz(const ChannelRecord& record, const ChannelContext& context);

}  // namespace kv
