// Every door back into a document gives the radio what it held: documents read from radios with
// random contents (values outside every list, name bytes above 0x7F, references to undefined
// tones and codes), a zero-filled radio and frequencies typed in the program go out through CSV
// export, the own clipboard rows and the spreadsheet text, and come back into the same
// document unchanged in the image and in comparison; the data file differs at most in the
// transmit texts, which are then the radio's.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "codec/image_codec.h"
#include "editors/channels/channel_rows_edit.h"
#include "editors/channels/grid_rows.h"
#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
#include "exchange/channel_rows_private.h"
#include "exchange/channel_rows_sheet.h"
#include "exchange/document_diff.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

std::unique_ptr<MemoryImage> Encoded(const Document& doc) {
    auto image = std::make_unique<MemoryImage>();
    EncodeImage(doc.Working, *image);
    return image;
}

std::unique_ptr<Document> FromImage(const MemoryImage& image) {
    auto doc = std::make_unique<Document>();
    DecodeImage(image, doc->Working);
    return doc;
}

// A radio after years of use: every byte random.
std::unique_ptr<Document> RandomRadio(unsigned seed) {
    std::mt19937 rng(seed);
    auto image = std::make_unique<MemoryImage>();
    for (std::uint32_t a = 0; a < MemoryImage::kSize; ++a)
        image->put(a, static_cast<std::uint8_t>(rng()));
    return FromImage(*image);
}

struct Sample {
    std::string name;
    std::unique_ptr<Document> doc;
};

std::vector<Sample> Samples() {
    std::vector<Sample> samples;
    for (unsigned seed : {11u, 12u, 13u})
        samples.push_back({"random radio " + std::to_string(seed), RandomRadio(seed)});
    auto zeros = std::make_unique<MemoryImage>();
    for (std::uint32_t a = 0; a < MemoryImage::kSize; ++a) zeros->put(a, 0);
    samples.push_back({"zero-filled radio", FromImage(*zeros)});
    // Frequencies as the program stores typed ones: the digits as typed, blank-padded.
    auto typed = RandomRadio(14);
    const char* texts[] = {"2850000 ", "29      ", "2812345 ", "28      "};
    int n = 0;
    for (int group = 1; group <= 3; ++group)
        for (int slot = 1; slot <= typed->Working.channelCount(kBandHam, group) && n < 40; ++slot)
            typed->Working.channel(kBandHam, slot, group).RxFreqText.assign(texts[n++ % 4]);
    samples.push_back({"typed frequencies", std::move(typed)});
    return samples;
}

// The image, the comparison and every record but its transmit text are as before; the transmit
// texts are the radio's.
void ExpectUnchanged(const std::string& door, const Sample& sample, const Document& after) {
    SCOPED_TRACE(door + ", " + sample.name);
    const auto before = Encoded(*sample.doc);
    const auto now = Encoded(after);
    int differing = 0;
    for (std::uint32_t a = 0; a < MemoryImage::kSize && differing < 5; ++a)
        if (before->at(a) != now->at(a)) {
            ++differing;
            ADD_FAILURE() << "image byte 0x" << std::hex << a;
        }
    for (const std::string& line : DiffDocuments(sample.doc->Working, after.Working, Windows1252()))
        ADD_FAILURE() << line;
    const std::int32_t offset = after.Working.Config.Settings.RepeaterOffset;
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group)
            for (int slot = 1; slot <= sample.doc->Working.channelCount(band, group); ++slot) {
                ChannelRecord expected = sample.doc->Working.channel(band, slot, group);
                SetTransmitText(band, expected, offset);
                EXPECT_TRUE(expected == after.Working.channel(band, slot, group))
                    << BandName(band) << " group " << group << " slot " << slot;
            }
    EXPECT_TRUE(sample.doc->Working.Config == after.Working.Config);
}

TEST(RadioContentsRoundTrip, ExportThenImportIntoTheSameDocumentChangesNothing) {
    for (const Sample& sample : Samples()) {
        const std::string csv = ExportChannels(sample.doc->Working, Windows1252());
        Document after = *sample.doc;
        const ImportResult result = PreviewImport(after.Working, csv, {}, Windows1252());
        ASSERT_TRUE(result.Preview) << sample.name;
        for (const RefusedLine& refused : result.Preview->Refused)
            ADD_FAILURE() << sample.name << ": " << RefusedLineText(refused, kLanguageEnglish);
        ApplyImport(after.Working, *result.Preview);
        ExpectUnchanged("export and import", sample, after);
    }
}

// Every row of every group, copied and pasted back onto itself.
template <typename PasteText>
void CopyAndPasteEveryGroup(const Sample& sample, Document& after, PasteText&& paste) {
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
            std::vector<int> rows;
            for (int row = 1; row <= GridShapeFor(band, group).rows; ++row) rows.push_back(row);
            const std::vector<CopiedRow> copied = CopyChannelRows(after, band, group, rows);
            const RowsEditOutcome outcome = paste(band, group, copied);
            for (const RefusedLine& refused : outcome.Refused)
                ADD_FAILURE() << sample.name << ", " << BandName(band) << " group " << group << ": "
                              << RefusedLineText(refused, kLanguageEnglish);
        }
}

TEST(RadioContentsRoundTrip, CopyAndPasteOfTheOwnRowsChangesNothing) {
    for (const Sample& sample : Samples()) {
        Document after = *sample.doc;
        CopyAndPasteEveryGroup(sample, after, [&](int band, int group, const auto& copied) {
            const PrivateRows read = ReadChannelRows(WriteChannelRows(copied));
            EXPECT_TRUE(read.Refused.empty());
            return PasteChannelRows(after, band, group, 1, read.Rows);
        });
        ExpectUnchanged("own rows", sample, after);
    }
}

TEST(RadioContentsRoundTrip, CopyAndPasteOfSpreadsheetTextChangesNothing) {
    for (const Sample& sample : Samples()) {
        Document after = *sample.doc;
        CopyAndPasteEveryGroup(sample, after, [&](int band, int group, const auto& copied) {
            const std::string text = ChannelRowsSheet(after, band, group, copied, kLanguageEnglish);
            RowsEditOutcome outcome;
            const std::vector<RowToPaste> rows = SheetRowsToPaste(
                after, band, group, 1, ReadChannelSheet(text), false, outcome.Refused);
            const RowsEditOutcome pasted = PasteChannelRows(after, band, group, 1, rows);
            outcome.Refused.insert(outcome.Refused.end(), pasted.Refused.begin(),
                                   pasted.Refused.end());
            return outcome;
        });
        ExpectUnchanged("spreadsheet text", sample, after);
    }
}

}  // namespace
}  // namespace kv
