// Pasting text into the channel grid: the input is the clipboard's text, read both as spreadsheet
// rows and as the program's own type, and pasted (and inserted) from several rows of a CB, a MEM
// and an HF group. Whatever it holds, nothing crashes, every refusal names a line of the text with
// a reason in both languages, and the document stays consistent: a group's count never passes
// its slots, its channels are in use with distinct numbers inside the group's rows, and a CB
// memory in use refers to a channel its group holds.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string_view>
#include <vector>

#include "editors/channels/cb_memory.h"
#include "editors/channels/channel_rows_edit.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/grid_rows.h"
#include "exchange/channel_rows_private.h"
#include "exchange/channel_rows_sheet.h"
#include "fuzz_support.h"
#include "limits/channel_limits.h"
#include "model/document.h"

namespace {

using kv::fuzz::Check;
using kv::fuzz::LineCount;

const kv::Document& Baseline() {
    static const auto doc = [] {
        auto made = std::make_unique<kv::Document>();
        kv::RadioData& data = made->Working;
        for (int slot = 1; slot <= 12; ++slot) {
            kv::ChannelRecord& record = data.channel(kv::kBandHf, slot, 1);
            record.ChNo = static_cast<kv::i16>(2 * slot);
            record.InUse = 1;
            record.RxFreqText.assign("26000000");
        }
        data.channelCount(kv::kBandHf, 1) = 12;
        for (int slot = 1; slot <= 40; ++slot) {
            kv::ChannelRecord& record = data.channel(kv::kBandCb, slot, 1);
            record.ChNo = static_cast<kv::i16>(slot);
            record.InUse = 1;
            record.RxFreqText.assign("27005000");
        }
        data.channelCount(kv::kBandCb, 1) = 40;
        kv::SetCbMemReference(data, 1, 1, 3);
        return made;
    }();
    return *doc;
}

void CheckRefusals(const std::vector<kv::RefusedLine>& refused, int lines) {
    for (const kv::RefusedLine& line : refused)
        Check(line.Line >= 1 && line.Line <= lines && !line.Reason.en.empty() &&
                  !line.Reason.zh.empty(),
              "a refusal names a line of the text, with a reason in both languages");
}

void CheckConsistent(const kv::Document& doc) {
    for (int band = 0; band < kv::kBandCount; ++band)
        for (int group = 1; group <= kv::kGroupsPerBand[band]; ++group) {
            const int count = doc.Working.channelCount(band, group);
            Check(count >= 0 && count <= kv::SlotCapacity(band, group), "count within the slots");
            std::set<int> numbers;
            for (int slot = 1; slot <= count; ++slot) {
                const kv::ChannelRecord& record = doc.Working.channel(band, slot, group);
                Check(record.InUse == 1, "a used slot holds a channel");
                if (!kv::IsVfoGroup(band, group))
                    Check(record.ChNo >= 1 && record.ChNo <= kv::ListEditLastRow(band, group),
                          "a channel number is a row of its group");
                Check(numbers.insert(record.ChNo).second, "channel numbers are distinct");
            }
        }
    for (int memory = 1; memory <= kv::kCbMemoriesPerBlock; ++memory) {
        const kv::ChannelRecord& record = doc.Working.Store.cbMem(memory);
        // A memory may name a channel its group does not hold, as a radio may; the check before
        // writing names it. What the radio cannot hold never gets in.
        if (record.InUse == 1)
            Check(!kv::RecordWiderThanImage(record, true), "a memory holds what the radio can");
    }
}

void Paste(std::string_view text, int band, int group, int row, bool inserting) {
    // One document reused: a fresh one per run costs more in page faults than the paste itself.
    static const auto doc = std::make_unique<kv::Document>();
    *doc = Baseline();
    const int lines = LineCount(text);
    std::vector<kv::RefusedLine> refused;
    std::vector<kv::RowToPaste> rows;
    const kv::PrivateRows own = kv::ReadChannelRows(text);
    if (!own.Error) {
        rows = own.Rows;
        refused = own.Refused;
    } else {
        const kv::Sheet sheet = kv::ReadChannelSheet(text);
        if (sheet.Error) return;
        rows = kv::SheetRowsToPaste(*doc, band, group, row, sheet, inserting, refused);
    }
    CheckRefusals(refused, lines);
    const kv::RowsEditOutcome outcome =
        inserting ? kv::InsertPasteChannelRows(*doc, band, group, row, rows, {}, true)
                  : kv::PasteChannelRows(*doc, band, group, row, rows);
    CheckRefusals(outcome.Refused, lines);
    CheckConsistent(*doc);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    for (const bool inserting : {false, true}) {
        Paste(text, kv::kBandHf, 1, 1, inserting);
        Paste(text, kv::kBandHf, 16, 97, inserting);
        Paste(text, kv::kBandCb, 1, 39, inserting);
    }
    return 0;
}
