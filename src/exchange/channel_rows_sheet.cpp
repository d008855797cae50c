// Channel rows as spreadsheet text.
#include "exchange/channel_rows_sheet.h"

#include <algorithm>

#include "editors/channels/channel_edit.h"
#include "editors/channels/channel_window_texts.h"
#include "editors/channels/defined_references.h"
#include "editors/channels/freq_text.h"
#include "editors/channels/grid_rows.h"
#include "exchange/channel_import.h"
#include "exchange/csv.h"
#include "exchange/import_texts.h"
#include "model/band_range.h"
#include "model/channel_store.h"
#include "model/stored_frequency.h"

namespace kv {
namespace {

constexpr char kTab = '\t';

const FieldColumn& FrequencyColumn() {
    return FieldColumns().front();
}

// A refusal that names the column as the interface does in each language.
TextPair Refusal(TextPair (*text)(std::string_view, std::string_view), const TextPair& column,
                 std::string_view cell) {
    return {text(column.en, cell).en, text(column.zh, cell).zh};
}

TextPair NotFrequency(std::string_view cell) {
    return Refusal(NotFrequencyText, ChannelTexts().FrequencyHeader, cell);
}

// The columns the program writes, in order; nullptr is the CH No. column.
std::vector<const FieldColumn*> WrittenColumns() {
    std::vector<const FieldColumn*> columns = {nullptr, &FrequencyColumn()};
    for (const FieldColumn& column : FieldColumns())
        if (column.Kind == FieldColumnKind::Detail) columns.push_back(&column);
    return columns;
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// The column a header cell names, in either language; nullptr for CH No.
std::optional<const FieldColumn*> ColumnNamed(std::string_view name) {
    const ChannelWindowTexts& texts = ChannelTexts();
    if (name == texts.ChannelHeader.en || name == texts.ChannelHeader.zh) return nullptr;
    if (name == texts.FrequencyHeader.en || name == texts.FrequencyHeader.zh)
        return &FrequencyColumn();
    for (const FieldColumn& column : FieldColumns())
        if (name == column.Name || name == column.Caption.en || name == column.Caption.zh)
            return &column;
    return std::nullopt;
}

bool ShownFor(const FieldColumn& column, int band, int group, bool memoryRow,
              const ChannelRecord& record) {
    return DetailBoxShown(*column.Box, band, IsMemGroup(band, group), memoryRow, group, record);
}

// Only CB memory rows carry the memory's channel and band choice.
bool MemoryOnly(const FieldColumn& column) {
    return column.Kind == FieldColumnKind::Detail &&
           (column.Box->shown == DetailShown::CbMemoryRow ||
            column.Box->shown == DetailShown::SharedCbBlock);
}

TextPair NoFrequencyText() {
    return {"a new channel needs a frequency", "新信道需要频率"};
}

TextPair UnreadableSheetText(int line, const TextPair& what) {
    const std::string number = std::to_string(line);
    return {"line " + number + ": the text cannot be read: " + what.en,
            "第 " + number + " 行：无法读取文本：" + what.zh};
}

// A frequency cell as stored: "#" and a stored text as it is; a number the grid's entry accepts
// as the entry stores it (the digits as typed), unless the entry's 10 Hz grid would move it; a
// plain number of at most six decimals otherwise exactly as the radio will hold it (what a copy
// writes, so copy and paste back change nothing).
std::optional<std::string> StoredFrequency(const Document& doc, int band, std::string_view text) {
    if (text.starts_with('#') && text.size() <= 9) return std::string(text.substr(1));
    const std::optional<std::string> exact = MhzToStored(text);
    const FreqTextResult checked = CheckFreqEntry(BandLimits(band), text);
    if (!checked.message && !checked.text.empty()) {
        std::string typed = FreqTextToStore(doc, checked.text);
        if (!exact || SameStoredFrequency(typed, *exact)) return typed;
    }
    return exact;
}

// Why a cell cannot be stored into the record, or nothing when it was stored.
std::optional<TextPair> StoreCell(const Document& doc, int band, const FieldColumn& column,
                                  const std::string& text, bool memoryRow, ChannelRecord& record) {
    if (column.Kind == FieldColumnKind::RxFreq) {
        const std::optional<std::string> stored = StoredFrequency(doc, band, text);
        if (!stored) return NotFrequency(text);
        // The same frequency keeps the text it is stored as: the cell changed nothing.
        if (!StoredFrequencyHz(record.RxFreqText.raw()) ||
            !SameStoredFrequency(record.RxFreqText.raw(), *stored))
            record.RxFreqText.assign(*stored);
        return std::nullopt;
    }
    ChannelRecord changed = record;
    if (auto reason = SetFieldText(column, text, changed, memoryRow)) return reason;
    record = changed;
    return std::nullopt;
}

std::optional<TextPair> RowToRecord(const Document& doc, int band, int group, int row,
                                    bool memoryRow, bool inserting, const SheetRow& sheetRow,
                                    ChannelRecord& record) {
    const ChannelRecord* existing = nullptr;
    if (!inserting)
        existing = RecordOf(doc.Working, band, group, FindRowRecord(doc.Working, band, group, row));
    const std::string* frequency = nullptr;
    for (const auto& [column, text] : sheetRow.Cells)
        if (column->Kind == FieldColumnKind::RxFreq && !text.empty()) frequency = &text;
    if (existing != nullptr) {
        record = *existing;
    } else if (!memoryRow) {
        if (frequency == nullptr) return NoFrequencyText();
        const std::optional<std::string> stored = StoredFrequency(doc, band, *frequency);
        if (!stored) return NotFrequency(*frequency);
        record = ChannelRecord{};
        InitNewChannel(record, row, *stored);
    }
    for (const auto& [column, text] : sheetRow.Cells) {
        if (text.empty()) continue;
        // A memory shows the frequency of the channel it refers to; a channel has no memory
        // choices.
        if (memoryRow ? column->Kind != FieldColumnKind::Detail : MemoryOnly(*column)) continue;
        if (auto refusal = StoreCell(doc, band, *column, text, memoryRow, record)) return refusal;
    }
    return std::nullopt;
}

}  // namespace

std::string ChannelRowsSheet(const Document& doc, int band, int group,
                             std::span<const CopiedRow> rows, int language) {
    const std::vector<const FieldColumn*> columns = WrittenColumns();
    std::vector<std::string> cells;
    for (const FieldColumn* column : columns)
        cells.push_back(column == nullptr ? ChannelTexts().ChannelHeader.in(language)
                        : column->Kind == FieldColumnKind::RxFreq
                            ? ChannelTexts().FrequencyHeader.in(language)
                            : column->Caption.in(language));
    std::string text = CsvLine(cells, kTab);
    for (const CopiedRow& row : rows) {
        cells.assign(1, GridRowLabel(band, group, row.Row));
        if (row.Held) {
            const ChannelRecord* shown =
                row.Memory ? CbMemReferredChannel(doc.Working, group, row.Record) : &row.Record;
            cells.push_back(shown ? StoredToMhz(shown->RxFreqText.raw()) : std::string());
            for (std::size_t n = 2; n < columns.size(); ++n)
                cells.push_back(ShownFor(*columns[n], band, group, row.Memory, row.Record)
                                    ? FieldText(*columns[n], row.Record,
                                                {band, doc.settings().RepeaterOffset}, language)
                                    : std::string());
        }
        cells.resize(columns.size());
        text += CsvLine(cells, kTab);
    }
    return text;
}

Sheet ReadChannelSheet(std::string_view text) {
    Sheet sheet;
    const CsvTable table = ReadCsv(text, kTab);
    if (table.Error) {
        sheet.Error = UnreadableSheetText(table.Error->Line, table.Error->What);
        return sheet;
    }
    if (table.Rows.empty()) return sheet;
    std::vector<std::optional<const FieldColumn*>> columns;
    bool header = false;
    for (const std::string& cell : table.Rows.front().Cells) {
        columns.push_back(ColumnNamed(Trimmed(cell)));
        if (columns.back())
            header = true;
        else if (!Trimmed(cell).empty())
            sheet.IgnoredColumns.push_back(Trimmed(cell));
    }
    if (!header) {
        sheet.IgnoredColumns.clear();
        columns.assign(0, std::nullopt);
        for (const FieldColumn* column : WrittenColumns()) columns.push_back(column);
    }
    for (std::size_t n = header ? 1 : 0; n < table.Rows.size(); ++n) {
        const CsvRow& row = table.Rows[n];
        SheetRow read{row.Line, {}};
        for (std::size_t c = 0; c < row.Cells.size() && c < columns.size(); ++c)
            if (columns[c] && *columns[c] != nullptr)
                read.Cells.emplace_back(*columns[c], Trimmed(row.Cells[c]));
        sheet.Rows.push_back(std::move(read));
    }
    return sheet;
}

std::vector<RowToPaste> SheetRowsToPaste(const Document& doc, int band, int group, int startRow,
                                         const Sheet& sheet, bool inserting,
                                         std::vector<RefusedLine>& refused) {
    std::vector<RowToPaste> rows;
    rows.reserve(sheet.Rows.size());
    for (std::size_t i = 0; i < sheet.Rows.size(); ++i) {
        const SheetRow& sheetRow = sheet.Rows[i];
        const int row = startRow + static_cast<int>(i);
        RowToPaste paste;
        paste.Line = sheetRow.Line;
        paste.Memory = !inserting && IsCbMemoryRow(band, group, row);
        const bool blank = std::all_of(sheetRow.Cells.begin(), sheetRow.Cells.end(),
                                       [](const auto& cell) { return cell.second.empty(); });
        if (!blank) {
            ChannelRecord record;
            if (auto refusal =
                    RowToRecord(doc, band, group, row, paste.Memory, inserting, sheetRow, record))
                refused.push_back({sheetRow.Line, std::move(*refusal)});
            else
                paste.Record = record;
        }
        rows.push_back(std::move(paste));
    }
    return rows;
}

TextPair RowsNotPastedText(std::span<const RefusedLine> refused) {
    constexpr std::size_t kListed = 20;
    TextPair text{"These rows were not pasted:", "以下行未粘贴："};
    for (std::size_t n = 0; n < refused.size() && n < kListed; ++n) {
        text.en += "\n" + RefusedLineText(refused[n], kLanguageEnglish);
        text.zh += "\n" + RefusedLineText(refused[n], kLanguageChinese);
    }
    if (refused.size() > kListed) {
        const std::string more = std::to_string(refused.size() - kListed);
        text.en += "\n… and " + more + " more";
        text.zh += "\n…… 另有 " + more + " 行";
    }
    return text;
}

}  // namespace kv
