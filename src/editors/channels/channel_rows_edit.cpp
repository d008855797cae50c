// List commands on several rows.
#include "editors/channels/channel_rows_edit.h"

#include <algorithm>
#include <string>

#include "editors/channels/cb_memory.h"
#include "editors/channels/channel_list_edit.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/freq_text.h"
#include "editors/channels/frequency_rule.h"
#include "editors/channels/grid_rows.h"
#include "editors/channels/group_references.h"
#include "limits/channel_limits.h"
#include "model/stored_frequency.h"

namespace kv {
namespace {

// The memory record a CB memory row shows.
int MemoryRecordOfRow(int band, int group, int row) {
    return CbMemRecord(group, row - GridShapeFor(band, group).channelRows);
}

std::string RowLabel(int band, int group, int row) {
    return GridRowLabel(band, group, row);
}

TextPair BeyondGroupText(int band, int group, int row) {
    const std::string last = RowLabel(band, group, ListEditLastRow(band, group));
    const std::string number = std::to_string(row);
    return {"row " + number + " is beyond the group's last channel " + last,
            "第 " + number + " 行超出了本组最后一个信道 " + last};
}

TextPair MemoryOntoChannelRowText() {
    return {"a CB memory can be pasted only onto a memory row", "CB 记忆只能粘贴到记忆行"};
}

TextPair ChannelOntoMemoryRowText() {
    return {"a channel cannot be pasted onto a memory row", "信道不能粘贴到记忆行"};
}

TextPair FrequencyNotAllowedText(std::string_view stored) {
    const std::optional<double> mhz = StoredFreqMhz(stored);
    return FrequencyRefusedText(mhz ? FormatFreq(*mhz) : "\"" + TrimName(stored) + "\"");
}

// Whether the row's channel holds the frequency already: a paste never refuses what is there.
bool RowHoldsFrequency(const RadioData& data, int band, int group, int row,
                       std::string_view stored) {
    const ChannelRecord* held = RecordOf(data, band, group, FindRowRecord(data, band, group, row));
    return held != nullptr && StoredFrequencyHz(stored) &&
           SameStoredFrequency(held->RxFreqText.raw(), stored);
}

TextPair GroupFullRowText() {
    return {"the group has no free channel", "该组没有空闲信道"};
}

void Widen(RowsEditOutcome& outcome, int first, int last) {
    if (!outcome.Changed) {
        outcome.Changed = true;
        outcome.FirstRow = first;
        outcome.LastRow = last;
        return;
    }
    outcome.FirstRow = std::min(outcome.FirstRow, first);
    outcome.LastRow = std::max(outcome.LastRow, last);
}

// Stores an accepted memory record: its fields as given, then its reference through the memory
// rule, which sets InUse and the frequency texts from the channel referred to.
void StoreMemory(Document& doc, int band, int group, int row, ChannelRecord record) {
    const int number = MemoryRecordOfRow(band, group, row);
    doc.Working.Store.cbMem(number) = record;
    SetCbMemReference(doc.Working, group, number, record.MemChNo);
}

// Stores an accepted channel as the one-record Paste does.
void StoreChannel(Document& doc, int band, int group, int row, const ChannelRecord& record,
                  const ChannelWindowRefresh& refresh) {
    PasteChannel(doc, band, group, row, ChannelClipboard{record, true}, refresh);
}

}  // namespace

std::vector<CopiedRow> CopyChannelRows(const Document& doc, int band, int group,
                                       std::span<const int> rows) {
    std::vector<CopiedRow> copied;
    copied.reserve(rows.size());
    for (int row : rows) {
        CopiedRow entry;
        entry.Row = row;
        const RowRecord found = FindRowRecord(doc.Working, band, group, row);
        if (const ChannelRecord* record = RecordOf(doc.Working, band, group, found)) {
            entry.Record = *record;
            entry.Memory = found.kind == RowRecord::Kind::CbMemory;
            entry.Held = entry.Memory ? record->InUse == 1 : true;
        } else {
            entry.Memory = IsCbMemoryRow(band, group, row);
        }
        copied.push_back(entry);
    }
    return copied;
}

std::optional<TextPair> PasteRowRefusal(const Document& doc, int band, int group, int row,
                                        const RowToPaste& paste) {
    if (!paste.Record) return std::nullopt;
    const ChannelRecord& record = *paste.Record;
    const bool memoryRow = IsCbMemoryRow(band, group, row);
    if (paste.Memory != memoryRow)
        return paste.Memory ? MemoryOntoChannelRowText() : ChannelOntoMemoryRowText();
    if (auto wider = RecordWiderThanImage(record, paste.Memory)) return wider;
    if (memoryRow) {
        if (MemoryRecordOfRow(band, group, row) <= 0) return BeyondGroupText(band, group, row);
        return std::nullopt;
    }
    if (row < 1 || row > ListEditLastRow(band, group)) return BeyondGroupText(band, group, row);
    if (!ChannelMayHaveFrequency(band, group, row, record.RxFreqText.raw()) &&
        !RowHoldsFrequency(doc.Working, band, group, row, record.RxFreqText.raw()))
        return FrequencyNotAllowedText(record.RxFreqText.raw());
    if (FindRowRecord(doc.Working, band, group, row).kind != RowRecord::Kind::Channel &&
        UsedSlots(doc.Working, band, group) >= SlotCapacity(band, group))
        return GroupFullRowText();
    return std::nullopt;
}

RowsEditOutcome PasteChannelRows(Document& doc, int band, int group, int startRow,
                                 std::span<const RowToPaste> rows,
                                 const ChannelWindowRefresh& refresh) {
    RowsEditOutcome outcome;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RowToPaste& paste = rows[i];
        const int row = startRow + static_cast<int>(i);
        if (auto refusal = PasteRowRefusal(doc, band, group, row, paste)) {
            outcome.Refused.push_back({paste.Line, std::move(*refusal)});
            continue;
        }
        if (!paste.Record) continue;
        if (paste.Memory)
            StoreMemory(doc, band, group, row, *paste.Record);
        else
            StoreChannel(doc, band, group, row, *paste.Record, refresh);
        Widen(outcome, row, row);
    }
    return outcome;
}

int InsertRowsWouldLose(const Document& doc, int band, int group, int startRow,
                        std::span<const RowToPaste> rows) {
    // The insertion itself, tried on a copy: what it refuses is not inserted and pushes nothing.
    Document trial = doc;
    const RowsEditOutcome outcome =
        InsertPasteChannelRows(trial, band, group, startRow, rows, {}, true);
    if (outcome.Message) return 0;
    const int pasted = static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const RowToPaste& r) { return r.Record; }));
    const int inserted = pasted - static_cast<int>(outcome.Refused.size());
    return std::max(
        0, UsedSlots(doc.Working, band, group) + inserted - UsedSlots(trial.Working, band, group));
}

TextPair InsertRowsLoseText(int lost) {
    const std::string count = std::to_string(lost);
    return {"The group is full: inserting here pushes out the last " + count +
                " channel(s) of the group. Insert anyway?",
            "该组已满：在此插入将移除本组最后 " + count + " 个信道。仍要插入吗？"};
}

RowsEditOutcome InsertPasteChannelRows(Document& doc, int band, int group, int startRow,
                                       std::span<const RowToPaste> rows,
                                       const ChannelWindowRefresh& refresh, bool dropLast) {
    RowsEditOutcome outcome;
    if (IsVfoGroup(band, group)) {
        outcome.Message = VfoKeepsItsChannelText();
        return outcome;
    }
    // Each accepted row is checked at the row it will stand on: the next after the accepted
    // rows before it. The group-full check is left to the insertion, which may push out.
    std::vector<ChannelRecord> accepted;
    int position = startRow;
    for (const RowToPaste& paste : rows) {
        if (!paste.Record) continue;
        std::optional<TextPair> refusal;
        if (paste.Memory)
            refusal = MemoryOntoChannelRowText();
        else if (position < 1 || position > ListEditLastRow(band, group))
            refusal = BeyondGroupText(band, group, position);
        else if (auto wider = RecordWiderThanImage(*paste.Record, false))
            refusal = std::move(wider);
        else if (!ChannelMayHaveFrequency(band, group, position, paste.Record->RxFreqText.raw()))
            refusal = FrequencyNotAllowedText(paste.Record->RxFreqText.raw());
        if (refusal) {
            outcome.Refused.push_back({paste.Line, std::move(*refusal)});
            continue;
        }
        accepted.push_back(*paste.Record);
        ++position;
    }
    for (auto record = accepted.rbegin(); record != accepted.rend(); ++record) {
        const ListEditOutcome step = InsertPasteChannel(
            doc, band, group, startRow, ChannelClipboard{*record, true}, refresh, dropLast);
        if (step.Message) {
            outcome.Message = step.Message;
            break;
        }
        // The rows each insertion moved: the group's rows below them stay as they were.
        if (step.Changed) Widen(outcome, step.FirstRow, std::max(step.FirstRow, step.LastRow));
    }
    return outcome;
}

RowsEditOutcome DeleteChannelRows(Document& doc, int band, int group, std::span<const int> rows,
                                  const ChannelWindowRefresh& refresh) {
    RowsEditOutcome outcome;
    if (IsVfoGroup(band, group)) {
        outcome.Message = VfoKeepsItsChannelText();
        return outcome;
    }
    std::vector<int> ordered(rows.begin(), rows.end());
    std::sort(ordered.begin(), ordered.end());
    ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
    // Channel numbers are rows, so deleting one never moves another.
    for (int row : ordered) {
        if (FindRowRecord(doc.Working, band, group, row).kind != RowRecord::Kind::Channel ||
            row > ListEditLastRow(band, group))
            continue;
        if (DeleteChannel(doc, band, group, row, refresh).Changed) Widen(outcome, row, row);
    }
    if (!outcome.Changed) outcome.Message = NoChannelOnRowText();
    return outcome;
}

bool DetailApplies(const Document& doc, int band, int group, int row, const DetailBox& box) {
    const RowRecord found = FindRowRecord(doc.Working, band, group, row);
    const ChannelRecord* record = RecordOf(doc.Working, band, group, found);
    if (record == nullptr) return false;
    const bool memory = found.kind == RowRecord::Kind::CbMemory;
    if (!DetailBoxShown(box, band, IsMemGroup(band, group), memory, group, *record)) return false;
    return !(box.publicRule == DetailPublic::Disabled && record->PublicCh == 1);
}

bool SetDetailValue(Document& doc, int band, int group, int row, const DetailBox& box, int value) {
    const RowRecord found = FindRowRecord(doc.Working, band, group, row);
    ChannelRecord* record = RecordOf(doc.Working, band, group, found);
    if (record == nullptr) return false;
    const ChannelRecord before = *record;
    const bool memory = found.kind == RowRecord::Kind::CbMemory;
    if (box.list == DetailList::CbMemChannels) {
        if (memory) SetCbMemReference(doc.Working, group, found.index, value);
    } else if (box.field == &ChannelRecord::MemBand) {
        if (memory) SetCbMemBand(doc.Working, group, found.index, value);
    } else {
        record->*(box.field) = static_cast<i16>(value);
    }
    return !(*record == before);
}

BulkDetailOutcome SetDetailOnRows(Document& doc, int band, int group, std::span<const int> rows,
                                  const DetailBox& box, int value) {
    BulkDetailOutcome outcome;
    for (int row : rows) {
        const RowRecord found = FindRowRecord(doc.Working, band, group, row);
        if (RecordOf(doc.Working, band, group, found) == nullptr) continue;
        if (!DetailApplies(doc, band, group, row, box)) {
            outcome.SkippedRows.push_back(row);
            const ChannelRecord* record = RecordOf(doc.Working, band, group, found);
            if (box.publicRule == DetailPublic::Disabled && record->PublicCh == 1)
                outcome.PublicRows.push_back(row);
            continue;
        }
        if (SetDetailValue(doc, band, group, row, box, value)) outcome.ChangedRows.push_back(row);
    }
    return outcome;
}

TextPair DetailSkippedText(int band, int group, const BulkDetailOutcome& outcome) {
    const auto listOf = [band, group](const std::vector<int>& rows) {
        std::string list;
        for (int row : rows) list += (list.empty() ? "CH " : ", CH ") + RowLabel(band, group, row);
        return list;
    };
    std::vector<int> other;
    for (int row : outcome.SkippedRows)
        if (std::find(outcome.PublicRows.begin(), outcome.PublicRows.end(), row) ==
            outcome.PublicRows.end())
            other.push_back(row);
    TextPair text;
    if (!other.empty()) {
        const std::string list = listOf(other);
        const bool one = other.size() == 1;
        text.en = "The choice does not apply to " + list +
                  (one ? ": it was left as it was." : ": they were left as they were.");
        text.zh = "该选择不适用于 " + list + (one ? "，该信道保持不变。" : "，这些信道保持不变。");
    }
    if (!outcome.PublicRows.empty()) {
        const std::string list = listOf(outcome.PublicRows);
        const bool one = outcome.PublicRows.size() == 1;
        const std::string gap = text.en.empty() ? "" : "\n";
        text.en += gap + list +
                   (one ? ": Public is on, so the channel takes this value from its "
                          "band's public parameters; it was left as it was."
                        : ": Public is on, so these channels take this value from "
                          "their band's public parameters; they were left as they "
                          "were.");
        text.zh += gap + list + "：Public 已开启，该值取自波段公共参数，保持不变。";
    }
    return text;
}

}  // namespace kv
