// Reading a CSV file for import: the input is the file. Whatever it holds, the reader either gives
// rows on ascending lines or refuses with a line inside the file; the rows write and read back to
// the same cells; an import preview names only lines of the file and never overfills a group; the
// group written in the common format afterwards imports back unchanged.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "exchange/channel_import.h"
#include "exchange/common_export.h"
#include "exchange/csv.h"
#include "exchange/document_diff.h"
#include "fuzz_support.h"
#include "model/document.h"

namespace {

using kv::fuzz::Check;
using kv::fuzz::LineCount;

void CheckTable(std::string_view text) {
    const kv::CsvTable table = kv::ReadCsv(text);
    const int lines = LineCount(text);
    if (table.Error) {
        Check(table.Rows.empty(), "a refused file gives no rows");
        Check(table.Error->Line >= 1 && table.Error->Line <= lines,
              "a refusal names a line of the file");
        return;
    }
    int previous = 0;
    std::string written;
    for (const kv::CsvRow& row : table.Rows) {
        Check(row.Line > previous && row.Line <= lines, "rows lie on ascending lines of the file");
        previous = row.Line;
        written += kv::CsvLine(row.Cells);
    }
    const kv::CsvTable again = kv::ReadCsv(written);
    Check(!again.Error && again.Rows.size() == table.Rows.size(), "written rows read back");
    for (std::size_t n = 0; n < table.Rows.size() && n < again.Rows.size(); ++n)
        Check(again.Rows[n].Cells == table.Rows[n].Cells, "written cells read back unchanged");
}

void CheckPreview(std::string_view text, int band, int group) {
    static const auto baseline = [] {
        auto doc = std::make_unique<kv::Document>();
        doc->Working.channelCount(kv::kBandHf, 1) = 39;
        for (int slot = 1; slot <= 39; ++slot) {
            kv::ChannelRecord& record = doc->Working.channel(kv::kBandHf, slot, 1);
            record.ChNo = static_cast<kv::i16>(slot);
            record.InUse = 1;
            record.RxFreqText.assign("28000000");
        }
        return doc;
    }();
    auto doc = std::make_unique<kv::Document>(*baseline);
    const kv::ImportResult result =
        kv::PreviewImport(doc->Working, text, {band, group}, kv::Windows1252());
    Check(result.Preview.has_value() != result.Error.has_value(), "a preview or an error");
    if (!result.Preview) return;
    const int lines = LineCount(text);
    for (const kv::RefusedLine& refused : result.Preview->Refused)
        Check(refused.Line >= 2 && refused.Line <= lines && !refused.Reason.en.empty() &&
                  !refused.Reason.zh.empty(),
              "a refused line is a line of the file with a reason in both languages");
    kv::ApplyImport(doc->Working, *result.Preview);
    for (int b = 0; b < kv::kBandCount; ++b)
        for (int g = 1; g <= kv::kGroupsPerBand[b]; ++g)
            Check(doc->Working.channelCount(b, g) <= kv::SlotCapacity(b, g),
                  "no group holds more channels than it has slots");

    // The group written in the common format and read back over itself changes nothing.
    const kv::CommonExport out =
        kv::ExportCommonFormat(doc->Working, band, group, kv::Windows1252());
    const kv::ImportResult back =
        kv::PreviewImport(doc->Working, out.Text, {band, group}, kv::Windows1252());
    Check(back.Preview && back.Preview->Refused.empty(), "an export of the group imports whole");
    if (!back.Preview) return;
    auto again = std::make_unique<kv::Document>(*doc);
    kv::ApplyImport(again->Working, *back.Preview);
    Check(kv::FindDifferences(doc->Working, again->Working, kv::Windows1252()).empty(),
          "an export of the group imported over it changes nothing");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    CheckTable(text);
    CheckPreview(text, kv::kBandHf, 1);
    CheckPreview(text, kv::kBandHam, 13);
    return 0;
}
