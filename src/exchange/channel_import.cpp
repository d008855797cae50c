// The preview of an import and applying it.
#include "exchange/channel_import.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <tuple>

#include "editors/channels/channel_edit.h"
#include "editors/channels/frequency_rule.h"
#include "exchange/channel_columns.h"
#include "exchange/common_format.h"
#include "exchange/csv.h"
#include "exchange/csv_bounds.h"
#include "exchange/import_texts.h"
#include "exchange/utf8_text.h"
#include "limits/channel_limits.h"
#include "model/stored_frequency.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

bool IsOwnHeader(const CsvHeader& header) {
    return header.contains(kColumnBand) && header.contains(kColumnGroup) &&
           header.contains(kColumnChNo);
}

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> BandOf(std::string_view text) {
    for (int band = 0; band < kBandCount; ++band)
        if (text == BandName(band)) return band;
    return std::nullopt;
}

// The frequency rule, or the frequency the channel holds already: a door never refuses what the
// place holds (a zero-filled radio's channels stay importable).
bool MayHold(const RadioData& data, int band, int group, int chNo, const ChannelRecord& record) {
    const std::string rx = record.RxFreqText.raw();
    if (ChannelMayHaveFrequency(band, group, chNo, rx)) return true;
    const ChannelRecord* existing = nullptr;
    if (const int slot = FindSlot(data, band, group, chNo); slot != 0)
        existing = &data.channel(band, slot, group);
    return existing != nullptr && StoredFrequencyHz(rx) &&
           SameStoredFrequency(existing->RxFreqText.raw(), rx);
}

// A receive frequency the channel holds already keeps the text it is stored as.
void KeepStoredText(const RadioData& data, int band, int group, int chNo, ChannelRecord& record) {
    const int slot = FindSlot(data, band, group, chNo);
    if (slot == 0) return;
    const ChannelRecord& existing = data.channel(band, slot, group);
    if (SameStoredFrequency(existing.RxFreqText.raw(), record.RxFreqText.raw()) &&
        StoredFrequencyHz(existing.RxFreqText.raw()))
        record.RxFreqText = existing.RxFreqText;
}

TextPair TransmitNotStoredText(std::string_view cell, std::string_view radio) {
    return FillText({"TX MHz \"{}\": the radio transmits on {} MHz (the receive frequency, shifted "
                     "by TX.REP when REP is Add or SUBB); the transmit frequency cannot be set "
                     "per channel",
                     "TX MHz“{}”：对讲机在 {} MHz 发射（接收频率，REP 为 Add 或 SUBB 时按 TX.REP "
                     "偏移）；不能为单个信道设置发射频率"},
                    {cell, radio});
}

// Whether a transmit cell says what the radio does for the record.
bool TransmitCellMatches(std::string_view cell, const ChannelRecord& record,
                         const ChannelContext& context) {
    if (cell == TransmitMhz(record, context)) return true;
    const std::optional<std::string> stored = MhzToStored(cell);
    const std::optional<std::int64_t> tx =
        TransmitFrequencyHz(context.Band, record, context.RepeaterOffset);
    return stored && tx && StoredFrequencyHz(*stored) == tx;
}

// The transmit column is not stored: the radio computes it. A cell is taken when it says what
// the radio will do, or repeats what it does now for the channel the line replaces (a column
// left as an export wrote it while the receive frequency was edited); any other value would be
// lost silently, so the line is refused.
bool TransmitCellAgrees(std::string_view cell, const ChannelRecord& record,
                        const ChannelRecord* replaced, const ChannelContext& context) {
    return cell.empty() || TransmitCellMatches(cell, record, context) ||
           (replaced != nullptr && TransmitCellMatches(cell, *replaced, context));
}

// Collects the rows of a preview: refuses a channel named twice and a group overflowing, and
// marks what replaces a channel the document holds.
class PreviewBuilder {
public:
    PreviewBuilder(const RadioData& data, ImportPreview& preview)
        : data_(data), preview_(preview) {}

    const RadioData& data() const { return data_; }

    void refuse(int line, TextPair reason) {
        preview_.Refused.push_back({line, std::move(reason)});
    }

    void note(int line, TextPair what) { preview_.Notes.push_back({line, std::move(what)}); }

    // False when the channel was refused after all (named twice, its group full).
    bool add(ImportedChannel channel) {
        const auto key = std::tuple(channel.Memory, channel.Band, channel.Group, channel.ChNo);
        const auto [first, fresh] = firstLine_.emplace(key, channel.Line);
        if (!fresh) {
            refuse(channel.Line, NamedAgainText(first->second));
            return false;
        }
        if (channel.Memory) {
            channel.Replaces = data_.Store.cbMem(channel.ChNo).InUse == 1;
        } else {
            channel.Replaces = FindSlot(data_, channel.Band, channel.Group, channel.ChNo) != 0;
            if (!channel.Replaces) {
                const int capacity = SlotCapacity(channel.Band, channel.Group);
                int& used = used_
                                .try_emplace(std::pair(channel.Band, channel.Group),
                                             data_.channelCount(channel.Band, channel.Group))
                                .first->second;
                if (used >= capacity) {
                    firstLine_.erase(first);
                    refuse(channel.Line, TooManyChannelsText(capacity));
                    return false;
                }
                ++used;
            }
        }
        preview_.Channels.push_back(std::move(channel));
        return true;
    }

private:
    const RadioData& data_;
    ImportPreview& preview_;
    std::map<std::tuple<bool, int, int, int>, int> firstLine_;
    std::map<std::pair<int, int>, int> used_;
};

// The group name the first row of a named group gives, when it differs from the document's.
void ReadGroupName(const CsvHeader& header, const CsvRow& row, const CodePage& codePage,
                   const RadioData& data, int band, int group, ImportPreview& preview) {
    if (group > kRegularGroupsPerBand[band] || !header.contains(kColumnGroupName)) return;
    const std::string given = Cell(header, row, kColumnGroupName);
    const FixedText<2> name(FromUtf8(codePage, given));
    const bool cut = TrimName(FromUtf8(codePage, given)) != name.trimmed();
    const bool known =
        std::any_of(preview.Names.begin(), preview.Names.end(), [&](const GroupNameChange& change) {
            return change.Band == band && change.Group == group;
        });
    if (!known && (cut || name.trimmed() != data.Config.Settings.GroupName(band, group).trimmed()))
        preview.Names.push_back({band, group, name.raw(), cut ? given : std::string()});
}

void ReadOwnRow(const CsvHeader& header, const CsvRow& row, const CodePage& codePage,
                const RadioData& data, PreviewBuilder& builder, ImportPreview& preview) {
    const std::string bandText = Cell(header, row, kColumnBand);
    const bool memory = bandText == kCbMemoryBand;
    const auto band = memory ? std::optional<int>(kBandCb) : BandOf(bandText);
    if (!band) return builder.refuse(row.Line, UnknownBandText(bandText));
    const std::string groupText = Cell(header, row, kColumnGroup);
    const auto group = ParseInt(groupText);
    if (!group || *group < 1 || *group > kGroupsPerBand[*band])
        return builder.refuse(row.Line, UnknownGroupText(groupText));
    if (const auto notUtf8 = NotUtf8Text(kColumnGroupName, Cell(header, row, kColumnGroupName)))
        return builder.refuse(row.Line, *notUtf8);
    const std::string chNoText = Cell(header, row, kColumnChNo);
    if (chNoText.empty() && !memory)
        return ReadGroupName(header, row, codePage, data, *band, *group, preview);
    const auto chNo = ParseInt(chNoText);
    if (!chNo || *chNo < 1 || (memory && *chNo > kCbMemCount))
        return builder.refuse(row.Line, BadChNoText(chNoText));
    if (!memory && !GroupChannelNumbers(*band, *group).holds(*chNo))
        return builder.refuse(row.Line, BeyondGroupChannelsText(*chNo, *band, *group));

    ImportedChannel channel{row.Line, *band, *group, *chNo, memory, false, {}};
    // A channel the document holds keeps what the file does not carry (its reserved fields, a
    // column the file leaves out); a new one starts as a channel typed in the grid.
    const int slot = memory ? 0 : FindSlot(data, *band, *group, *chNo);
    if (memory && data.Store.cbMem(*chNo).InUse == 1)
        channel.Record = data.Store.cbMem(*chNo);
    else if (slot != 0)
        channel.Record = data.channel(*band, slot, *group);
    else
        InitNewChannel(channel.Record, memory ? 0 : *chNo, "");
    std::string transmitCell;
    for (const FieldColumn& column : FieldColumns()) {
        if (!header.contains(column.Name)) continue;
        const std::string text = Cell(header, row, column.Name);
        if (column.Kind == FieldColumnKind::TxFreq) transmitCell = text;
        if (auto reason = SetFieldText(column, text, channel.Record, memory))
            return builder.refuse(row.Line, std::move(*reason));
    }
    const ChannelContext context{*band, data.Config.Settings.RepeaterOffset};
    const ChannelRecord* replaced =
        memory      ? (data.Store.cbMem(*chNo).InUse == 1 ? &data.Store.cbMem(*chNo) : nullptr)
        : slot != 0 ? &data.channel(*band, slot, *group)
                    : nullptr;
    if (!TransmitCellAgrees(transmitCell, channel.Record, replaced, context))
        return builder.refuse(
            row.Line, TransmitNotStoredText(transmitCell, TransmitMhz(channel.Record, context)));
    if (memory) {
        channel.Record.InUse = 1;
    } else {
        const std::string rx = channel.Record.RxFreqText.raw();
        if (!MayHold(data, *band, *group, *chNo, channel.Record))
            return builder.refuse(row.Line, FrequencyRefusedText(StoredToMhz(rx)));
        KeepStoredText(data, *band, *group, *chNo, channel.Record);
        ReadGroupName(header, row, codePage, data, *band, *group, preview);
    }
    builder.add(std::move(channel));
}

void ReadCommonRow(const CsvHeader& header, const CsvRow& row, int locationBase,
                   const ImportTarget& target, std::int32_t offset, PreviewBuilder& builder) {
    const std::string locationText = Cell(header, row, "Location");
    const auto location = ParseInt(locationText);
    if (!location || *location < locationBase || *location - locationBase + 1 > 32767)
        return builder.refuse(row.Line, BadLocationText(locationText));
    const int chNo = *location - locationBase + 1;
    if (!GroupChannelNumbers(target.Band, target.Group).holds(chNo))
        return builder.refuse(row.Line, BeyondGroupChannelsText(chNo, target.Band, target.Group));
    const RadioData& data = builder.data();
    const int slot = FindSlot(data, target.Band, target.Group, chNo);
    std::optional<TextPair> moved;
    auto record = CommonRowRecord(
        header, row, chNo,
        {target.Band, offset, slot != 0 ? &data.channel(target.Band, slot, target.Group) : nullptr,
         &moved});
    if (auto* reason = std::get_if<TextPair>(&record))
        return builder.refuse(row.Line, std::move(*reason));
    ChannelRecord& channel = std::get<ChannelRecord>(record);
    // A refusal shows the frequency as the file wrote it.
    if (!MayHold(builder.data(), target.Band, target.Group, chNo, channel))
        return builder.refuse(row.Line, FrequencyRefusedText(Cell(header, row, "Frequency")));
    KeepStoredText(builder.data(), target.Band, target.Group, chNo, channel);
    if (builder.add({row.Line, target.Band, target.Group, chNo, false, false, channel}) && moved)
        builder.note(row.Line, std::move(*moved));
}

std::vector<ReplacedPlace> ReplacedPlaces(const ImportPreview& preview) {
    std::vector<ReplacedPlace> places;
    for (const ImportedChannel& channel : preview.Channels)
        if (channel.Replaces && !channel.Memory)
            places.push_back({channel.Band, channel.Group, channel.ChNo});
    return places;
}

}  // namespace

bool IsImportTarget(const ImportTarget& target) {
    return (target.Band == kBandHf || target.Band == kBandHam) && target.Group >= 1 &&
           target.Group <= kGroupsPerBand[target.Band];
}

bool NeedsImportTarget(std::string_view csvText) {
    const CsvTable table = ReadCsv(csvText);
    if (table.Error || table.Rows.empty()) return false;
    const CsvHeader header = HeaderOf(table.Rows.front());
    return !IsOwnHeader(header) && IsCommonHeader(header);
}

ImportResult PreviewImport(const RadioData& data, std::string_view csvText,
                           const ImportTarget& target, const CodePage& codePage,
                           std::optional<std::int32_t> repeaterOffset) {
    const CsvTable table = ReadCsv(csvText);
    if (table.Error) return {std::nullopt, UnreadableCsvText(table.Error->Line, table.Error->What)};
    if (table.Rows.empty()) return {std::nullopt, UnknownHeaderText()};
    const CsvHeader header = HeaderOf(table.Rows.front());
    const std::vector<CsvRow> rows(table.Rows.begin() + 1, table.Rows.end());
    ImportPreview preview;
    PreviewBuilder builder(data, preview);
    if (IsOwnHeader(header)) {
        preview.Format = ImportFormat::Own;
        for (const CsvRow& row : rows) ReadOwnRow(header, row, codePage, data, builder, preview);
    } else if (IsCommonHeader(header)) {
        if (!IsImportTarget(target)) return {std::nullopt, NoImportTargetText()};
        preview.Format = ImportFormat::Common;
        const std::int32_t documentOffset = data.Config.Settings.RepeaterOffset;
        const std::int32_t offset = repeaterOffset.value_or(documentOffset);
        preview.DroppedFields = DroppedCommonColumns(header, rows);
        // Files of radios that count memories from 0 start at Location 0; theirs become 1, 2, …
        // only when that line is taken itself: a refused Location 0 line (a sample memory some
        // programs write there) shifts nothing.
        const bool fromZero = std::any_of(rows.begin(), rows.end(), [&](const CsvRow& row) {
            if (Cell(header, row, "Location") != "0") return false;
            ImportPreview trial;
            PreviewBuilder probe(data, trial);
            ReadCommonRow(header, row, 0, target, offset, probe);
            return trial.Refused.empty();
        });
        preview.CountedFromZero = fromZero;
        for (const CsvRow& row : rows)
            ReadCommonRow(header, row, fromZero ? 0 : 1, target, offset, builder);
        if (offset != documentOffset) {
            preview.RepeaterOffset = offset;
            preview.ChannelsMoved = ShiftedChannelsOutside(data, ReplacedPlaces(preview));
        }
        std::vector<long long> shifts;
        for (const CsvRow& row : rows) shifts.push_back(CommonRowShiftHz(header, row).value_or(0));
        preview.OffsetOffer = FindOffsetOffer(shifts, offset);
        if (preview.OffsetOffer && preview.OffsetOffer->Settable) {
            // What taking the offer would move: the channels set to Add or SUBB that the import,
            // made under the file's shift, leaves as they are.
            const ImportResult trial =
                PreviewImport(data, csvText, target, codePage, preview.OffsetOffer->Offset);
            if (trial.Preview) preview.OffsetOffer->ChannelsChanging = trial.Preview->ChannelsMoved;
        }
    } else {
        return {std::nullopt, UnknownHeaderText()};
    }
    return {std::move(preview), std::nullopt};
}

void ApplyImport(RadioData& data, const ImportPreview& preview) {
    for (const GroupNameChange& change : preview.Names)
        data.Config.Settings.GroupName(change.Band, change.Group).assign(change.Name);
    if (preview.RepeaterOffset) data.Config.Settings.RepeaterOffset = *preview.RepeaterOffset;
    const std::int32_t offset = data.Config.Settings.RepeaterOffset;
    for (const ImportedChannel& channel : preview.Channels) {
        if (channel.Memory) {
            data.Store.cbMem(channel.ChNo) = channel.Record;
            SetTransmitText(kBandCb, data.Store.cbMem(channel.ChNo), offset);
            continue;
        }
        int slot = FindSlot(data, channel.Band, channel.Group, channel.ChNo);
        if (slot == 0) {
            i16& count = data.channelCount(channel.Band, channel.Group);
            slot = ++count;
        }
        data.channel(channel.Band, slot, channel.Group) = channel.Record;
        SetTransmitText(channel.Band, data.channel(channel.Band, slot, channel.Group), offset);
    }
    // Every channel set to Add or SUBB transmits elsewhere now.
    if (preview.RepeaterOffset) SetTransmitTexts(data);
}

std::optional<TextPair> RepeaterOffsetNote(const ImportPreview& preview,
                                           std::int32_t documentOffset) {
    if (preview.RepeaterOffset)
        return OffsetTakenText(*preview.RepeaterOffset, documentOffset, preview.ChannelsMoved);
    if (preview.OffsetOffer) return OffsetOfferText(*preview.OffsetOffer, documentOffset);
    return std::nullopt;
}

std::string RefusedLineText(const RefusedLine& refused, int language) {
    return FillText({"line {}: {}", "第 {} 行：{}"},
                    {std::to_string(refused.Line), refused.Reason.in(language)})
        .in(language);
}

}  // namespace kv
