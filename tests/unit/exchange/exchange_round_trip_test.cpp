// Export, then import into a document without channels, then compare: nothing differs, for
// documents with values outside the lists, group names with bytes above 0x7F, full groups and CB
// memories.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>

#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
#include "exchange/document_diff.h"
#include "model/band_range.h"
#include "unit/files/document_samples.h"

namespace kv {
namespace {

// A random document whose channels hold frequencies inside their band, distinct channel numbers
// per group and printable names (bytes above 0x7F included).
std::unique_ptr<Document> ExchangeableDocument(unsigned seed) {
    auto doc = test::RandomDocument(seed);
    RadioData& data = doc->Working;
    std::mt19937 rng(seed);
    for (int band = 0; band < kBandCount; ++band) {
        const long long low = std::llround(BandLimits(band).min * 1e6);
        for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
            std::string name;
            for (int n = 0; n < 2; ++n) name += static_cast<char>(0xA0 + rng() % 0x5F);
            data.Config.Settings.GroupName(band, group).assign(name);
            for (int slot = 1; slot <= data.channelCount(band, group); ++slot) {
                ChannelRecord& record = data.channel(band, slot, group);
                record.ChNo = static_cast<i16>(slot);
                char freq[16];
                std::snprintf(freq, sizeof freq, "%08lld", low + 10 * (rng() % 500));
                record.RxFreqText.assign(freq);
            }
        }
    }
    for (int n = 1; n <= kCbMemCount; ++n) data.Store.cbMem(n).InUse = static_cast<i16>(rng() % 2);
    return doc;
}

TEST(ExchangeRoundTrip, ExportImportCompareSaysEqual) {
    for (unsigned seed : {1u, 2u, 3u}) {
        const auto original = ExchangeableDocument(seed);
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
    const auto original = ExchangeableDocument(7);
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
