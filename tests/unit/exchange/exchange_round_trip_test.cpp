// Export, then import into a document without channels, then compare: nothing differs, for
// documents with values outside the lists, group names with bytes above 0x7F, full groups and CB
// memories.
#include <gtest/gtest.h>

#include <memory>

#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
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

}  // namespace
}  // namespace kv
