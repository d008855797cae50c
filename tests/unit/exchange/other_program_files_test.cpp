// Files the other program wrote itself (its generic CSV driver, tests/data/other_program): every
// memory arrives exactly as the radio will hold it or is refused with its reason, and what the
// preview says is what the image carries after applying.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <variant>

#include "codec/image_codec.h"
#include "exchange/channel_import.h"
#include "exchange/csv_bounds.h"
#include "model/document.h"
#include "model/memory_image.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

std::string OtherProgramFile(const char* name) {
    const CsvFileText file = ReadCsvFile(std::string(KV_TEST_DATA_DIR) + "/other_program/" + name);
    EXPECT_FALSE(file.Error);
    return file.Text;
}

struct Taken {
    int chNo;
    const char* rx;
    const char* tx;
    int rep, txType, txCtcss, txDcs, rxType, rxCtcss, rxDcs, mode, scan;
};
using Refused = const char*;  // the start of the reason
struct LineCase {
    int line;
    std::variant<Taken, Refused> outcome;
};

// The document shifts repeater channels by 0.1 MHz. 88.5 Hz is CTCSS entry 7 (from 0), 100.0 Hz
// entry 11; DCS 754 is entry 103.
const LineCase kMemories[] = {
    {2, Refused{"Location \"0\" is not a channel number"}},
    {3, Taken{1, "28400000", "28400000", 0, 0, 0, 0, 0, 0, 0, 0, 1}},
    {4, Taken{2, "29620000", "29520000", 2, 1, 7, 0, 0, 0, 0, 0, 1}},
    {5, Taken{3, "29520000", "29620000", 1, 1, 11, 0, 1, 11, 0, 0, 1}},
    {6, Refused{"a shift of 0.600000 MHz"}},
    {7, Taken{5, "28300000", "28400000", 1, 0, 0, 0, 0, 0, 0, 0, 1}},
    {8, Refused{"a shift of 0.300000 MHz"}},
    {9, Taken{7, "28500000", "28500000", 0, 2, 0, 103, 2, 0, 103, 0, 1}},
    {10, Refused{"tone mode \"Cross, CrossMode \"\"\""}},
    {11, Refused{"tone mode \"TSQL-R\""}},
    {12, Refused{"tone mode \"DTCS-R\""}},
    {13, Taken{11, "28600000", "28600000", 0, 0, 0, 0, 0, 0, 0, 1, 1}},
    {14, Taken{12, "28610000", "28610000", 0, 0, 0, 0, 0, 0, 0, 2, 1}},
    {15, Taken{13, "28620000", "28620000", 0, 0, 0, 0, 0, 0, 0, 3, 1}},
    {16, Taken{14, "28630000", "28630000", 0, 0, 0, 0, 0, 0, 0, 5, 1}},
    {17, Taken{15, "28640000", "28640000", 0, 0, 0, 0, 0, 0, 0, 0, 1}},
    {18, Refused{"mode \"WFM\""}},
    {19, Refused{"mode \"DV\""}},
    {20, Refused{"mode \"RTTY\""}},
    {21, Taken{19, "28700000", "28700000", 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {22, Refused{"this channel may not have the frequency 30.100000 MHz"}},
    {23, Refused{"this channel may not have the frequency 146.520000 MHz"}},
    {24, Refused{"Duplex \"off\""}},
    {25, Refused{"the transmit frequency 29.750000 MHz is outside the band"}},
    {26, Taken{24, "28123450", "28123450", 0, 0, 0, 0, 0, 0, 0, 0, 1}},
    {27, Refused{"DCS polarity \"RN\""}},
    {28, Refused{"CTCSS tone 69.3 Hz is not in the list"}},
    {29, Taken{27, "28740000", "28740000", 0, 0, 0, 0, 0, 0, 0, 0, 1}},
    {30, Taken{28, "29600000", "29600000", 0, 0, 0, 0, 0, 0, 0, 0, 1}},
};

std::vector<int> Fields(const ChannelRecord& r) {
    return {r.RepShift, r.TxToneType, r.TxCtcss, r.TxDcs,  r.RxToneType,
            r.RxCtcss,  r.RxDcs,      r.MemMode, r.ScanAdd};
}

TEST(OtherProgramFiles, EveryMemoryArrivesAsTheRadioHoldsItOrIsRefused) {
    auto doc = std::make_unique<Document>();
    RadioData& data = doc->Working;
    data.Config.Settings.RepeaterOffset = 1000;
    const ImportResult result = PreviewImport(data, OtherProgramFile("other_program_memories.csv"),
                                              {kBandHam, 3}, Windows1252());
    ASSERT_TRUE(result.Preview) << result.Error->en;
    const ImportPreview& preview = *result.Preview;
    // Its sample memory at Location 0 is refused, so the numbering stays Location n = CH n.
    EXPECT_FALSE(preview.CountedFromZero);
    EXPECT_FALSE(preview.OffsetOffer);  // three different shifts
    EXPECT_EQ(preview.DroppedFields,
              (std::vector<std::string>{"Name", "TStep", "Comment", "URCALL", "DVCODE"}));
    ASSERT_EQ(preview.Notes.size(), 1u);
    EXPECT_EQ(preview.Notes[0].Line, 26);

    std::size_t taken = 0, refused = 0;
    for (const LineCase& c : kMemories) {
        SCOPED_TRACE("line " + std::to_string(c.line));
        if (const auto* reason = std::get_if<Refused>(&c.outcome)) {
            ASSERT_LT(refused, preview.Refused.size());
            EXPECT_EQ(preview.Refused[refused].Line, c.line);
            EXPECT_TRUE(preview.Refused[refused].Reason.en.starts_with(*reason))
                << preview.Refused[refused].Reason.en;
            ++refused;
            continue;
        }
        const Taken& e = std::get<Taken>(c.outcome);
        ASSERT_LT(taken, preview.Channels.size());
        const ImportedChannel& channel = preview.Channels[taken++];
        EXPECT_EQ(channel.Line, c.line);
        EXPECT_EQ(channel.ChNo, e.chNo);
        EXPECT_EQ(channel.Record.RxFreqText.trimmed(), e.rx);
        EXPECT_EQ(channel.Record.TxFreqText.trimmed(), e.tx);
        EXPECT_EQ(Fields(channel.Record),
                  (std::vector<int>{e.rep, e.txType, e.txCtcss, e.txDcs, e.rxType, e.rxCtcss,
                                    e.rxDcs, e.mode, e.scan}));
    }
    EXPECT_EQ(taken, preview.Channels.size());
    EXPECT_EQ(refused, preview.Refused.size());

    // What the radio receives is what the preview said.
    ApplyImport(data, preview);
    auto image = std::make_unique<MemoryImage>();
    EncodeImage(data, *image);
    auto radio = std::make_unique<Document>();
    DecodeImage(*image, radio->Working);
    for (const ImportedChannel& channel : preview.Channels) {
        const int slot = FindSlot(radio->Working, kBandHam, 3, channel.ChNo);
        ASSERT_NE(slot, 0) << channel.ChNo;
        const ChannelRecord& held = radio->Working.channel(kBandHam, slot, 3);
        EXPECT_EQ(Fields(held), Fields(channel.Record)) << channel.ChNo;
        EXPECT_EQ(
            TransmitFrequencyHz(kBandHam, held, radio->Working.Config.Settings.RepeaterOffset),
            TransmitFrequencyHz(kBandHam, channel.Record, 1000))
            << channel.ChNo;
    }
}

TEST(OtherProgramFiles, RepeatersOfOneOtherShiftGetTheOfferOfTxRep) {
    auto doc = std::make_unique<Document>();
    RadioData& data = doc->Working;
    data.Config.Settings.RepeaterOffset = 100;
    const std::string file = OtherProgramFile("other_program_repeaters.csv");
    const ImportResult first = PreviewImport(data, file, {kBandHam, 1}, Windows1252());
    ASSERT_TRUE(first.Preview);
    ASSERT_TRUE(first.Preview->OffsetOffer);
    EXPECT_EQ(first.Preview->OffsetOffer->Lines, 3);
    EXPECT_EQ(first.Preview->OffsetOffer->Offset, 1000);
    EXPECT_EQ(first.Preview->Refused.size(), 3u);
    EXPECT_EQ(first.Preview->Channels.size(), 1u);

    const ImportResult second = PreviewImport(data, file, {kBandHam, 1}, Windows1252(), 1000);
    ASSERT_TRUE(second.Preview);
    EXPECT_TRUE(second.Preview->Refused.empty());
    ASSERT_EQ(second.Preview->Channels.size(), 4u);
    ApplyImport(data, *second.Preview);
    EXPECT_EQ(data.Config.Settings.RepeaterOffset, 1000);
    const std::vector<std::pair<int, const char*>> transmit = {
        {1, "29520000"}, {2, "29540000"}, {3, "29660000"}, {4, "29600000"}};
    for (const auto& [chNo, tx] : transmit)
        EXPECT_EQ(data.channel(kBandHam, FindSlot(data, kBandHam, 1, chNo), 1).TxFreqText.trimmed(),
                  tx);
}

}  // namespace
}  // namespace kv
