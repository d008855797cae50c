// Export, then import into a document without channels, then compare: nothing differs, for
// documents with values outside the lists, group names with bytes above 0x7F, full groups and CB
// memories.
#include <gtest/gtest.h>

#include <memory>

#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
#include "exchange/csv.h"
#include "exchange/document_diff.h"
#include "unit/exchange/exchangeable_document.h"

namespace kv {
namespace {

TEST(ExchangeRoundTrip, ExportImportCompareSaysEqual) {
    for (unsigned seed : {1u, 2u, 3u}) {
        const auto original = test::ExchangeableDocument(seed);
        const std::string csv = ExportChannels(original->Working, Windows1252());
        ASSERT_TRUE(
            csv.starts_with("\xEF\xBB\xBF"
                            "Band,Group,Group Name,CH No.,RX MHz,TX MHz,"));

        auto empty = std::make_unique<Document>(*original);
        ClearChannels(empty->Working);
        for (int band = 0; band < kBandCount; ++band)
            for (int group = 1; group <= kRegularGroupsPerBand[band]; ++group)
                empty->Working.Config.Settings.GroupName(band, group).assign("");
        ASSERT_FALSE(DiffDocuments(original->Working, empty->Working, Windows1252()).empty());

        const ImportResult result = PreviewImport(empty->Working, csv, {}, Windows1252());
        ASSERT_TRUE(result.Preview) << result.Error->en;
        for (const RefusedLine& refused : result.Preview->Refused)
            ADD_FAILURE() << RefusedLineText(refused, kLanguageEnglish);
        for (const ImportedChannel& channel : result.Preview->Channels)
            EXPECT_FALSE(channel.Replaces) << "line " << channel.Line;
        ApplyImport(empty->Working, *result.Preview);

        const auto lines = DiffDocuments(original->Working, empty->Working, Windows1252());
        for (const std::string& line : lines) ADD_FAILURE() << "seed " << seed << ": " << line;
    }
}

TEST(ExchangeRoundTrip, ImportingTheSameFileAgainReplacesAndChangesNothing) {
    const auto original = test::ExchangeableDocument(7);
    const std::string csv = ExportChannels(original->Working, Windows1252());
    Document again = *original;
    const ImportResult result = PreviewImport(again.Working, csv, {}, Windows1252());
    ASSERT_TRUE(result.Preview);
    EXPECT_TRUE(result.Preview->Names.empty());
    for (const ImportedChannel& channel : result.Preview->Channels) EXPECT_TRUE(channel.Replaces);
    ApplyImport(again.Working, *result.Preview);
    EXPECT_TRUE(DiffDocuments(original->Working, again.Working, Windows1252()).empty());
}

// A group with a name and no channel is a row of as many fields as the others (one count per
// file); the four-field rows earlier exports wrote still set the name.
TEST(ExchangeRoundTrip, NameOnlyRowsHaveEveryFieldAndShortOnesStillRead) {
    auto doc = std::make_unique<Document>();
    doc->Working.Config.Settings.GroupName(kBandHf, 9).assign("XY");
    const std::string csv = ExportChannels(doc->Working, Windows1252());
    const CsvTable table = ReadCsv(csv.substr(3));
    ASSERT_FALSE(table.Error);
    ASSERT_GT(table.Rows.size(), 1u);
    for (const CsvRow& row : table.Rows)
        EXPECT_EQ(row.Cells.size(), table.Rows.front().Cells.size()) << "line " << row.Line;
    EXPECT_NE(csv.find("\r\nHF,9,XY,,,,"), std::string::npos);

    auto other = std::make_unique<Document>();
    const ImportResult result = PreviewImport(
        other->Working, "Band,Group,Group Name,CH No.\nHF,9,AB,\n", {}, Windows1252());
    ASSERT_TRUE(result.Preview);
    ASSERT_EQ(result.Preview->Names.size(), 1u);
    EXPECT_EQ(result.Preview->Names[0].Name, "AB");
}

}  // namespace
}  // namespace kv
