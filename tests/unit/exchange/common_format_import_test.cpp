// A file of the common open format written by hand: the channels it gives the target group, the
// lines it refuses with their reasons, and the columns it drops, all before anything changes.
#include <gtest/gtest.h>

#include <memory>

#include "exchange/channel_import.h"
#include "model/document.h"

namespace kv {
namespace {

// Columns in a different order than the usual one, found by their names.
constexpr const char* kFixture =
    "Name,Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,"
    "TStep,Skip,Comment,CrossMode,RxDtcsCode\r\n"
    "Rpt,1,29.620000,-,0.100000,Tone,88.5,100.0,023,NN,FM,5.00,,,Tone->Tone,023\r\n"
    "Simplex,2,29.600000,,0.000000,TSQL,88.5,100.0,023,NN,NFM,5.00,S,calling,Tone->Tone,023\r\n"
    "Dcs,3,28.500000,,0.000000,DTCS,88.5,88.5,754,NN,AM,5.00,,,Tone->Tone,023\r\n"
    "RxOnly,4,28.400000,+,0.100000,TSQL-R,250.3,88.5,023,NN,LSB,5.00,,,Tone->Tone,023\r\n"
    "Split,5,28.300000,split,28.400000,Cross,67.0,88.5,023,NN,CW,5.00,,,Tone->DTCS,047\r\n"
    "NoTx,6,28.200000,off,0.000000,,88.5,88.5,023,NN,FM,5.00,,,Tone->Tone,023\r\n"
    "Digital,7,28.100000,,0.000000,,88.5,88.5,023,NN,DV,5.00,,,Tone->Tone,023\r\n"
    "OddTone,8,28.000000,,0.000000,Tone,69.4,88.5,023,NN,FM,5.00,,,Tone->Tone,023\r\n"
    "OddCode,9,28.050000,,0.000000,DTCS,88.5,88.5,024,NN,FM,5.00,,,Tone->Tone,023\r\n"
    "Reverse,10,28.060000,,0.000000,DTCS,88.5,88.5,023,RN,FM,5.00,,,Tone->Tone,023\r\n"
    "TwoMetre,11,146.520000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,,Tone->Tone,023\r\n"
    "TooFar,41,28.070000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,,Tone->Tone,023\r\n"
    "Again,2,28.080000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,,Tone->Tone,023\r\n"
    "OddShift,12,28.600000,+,0.600000,,88.5,88.5,023,NN,FM,5.00,,,Tone->Tone,023\r\n"
    "OddSplit,13,28.600000,split,28.650000,,88.5,88.5,023,NN,FM,5.00,,,Tone->Tone,023\r\n"
    "OutOfBand,14,29.650000,+,0.100000,,88.5,88.5,023,NN,FM,5.00,,,Tone->Tone,023\r\n"
    "NoShift,15,28.700000,+,0.000000,,88.5,88.5,023,NN,FM,5.00,,,Tone->Tone,023\r\n";

struct Expected {
    int chNo;
    const char* rx;
    const char* tx;
    int repShift, txType, txCtcss, txDcs, rxType, rxCtcss, rxDcs, mode;
};

TEST(CommonFormatImport, HandWrittenFileGivesTheChannelsAndNamesWhatItRefuses) {
    auto doc = std::make_unique<Document>();
    RadioData& data = doc->Working;
    // The radio shifts repeater channels by 0.1 MHz. The target group holds channel 1 already:
    // the file's Location 1 replaces it.
    data.Config.Settings.RepeaterOffset = 1000;
    data.channelCount(kBandHam, 3) = 1;
    data.channel(kBandHam, 1, 3).ChNo = 1;
    data.channel(kBandHam, 1, 3).InUse = 1;

    const ImportResult result = PreviewImport(data, kFixture, {kBandHam, 3}, Windows1252());
    ASSERT_TRUE(result.Preview) << result.Error->en;
    const ImportPreview& preview = *result.Preview;
    EXPECT_EQ(preview.Format, ImportFormat::Common);
    EXPECT_EQ(preview.DroppedFields, (std::vector<std::string>{"Name", "TStep", "Comment"}));

    // 88.5 Hz is CTCSS entry 8, 100.0 Hz entry 12, 250.3 Hz entry 38, 67.0 Hz entry 1; DCS 023
    // is entry 1, 047 entry 8, 754 entry 104 (positions counted from 0 below).
    const std::vector<Expected> expected = {
        {1, "29620000", "29520000", 2, 1, 7, 0, 0, 0, 0, 0},
        {2, "29600000", "29600000", 0, 1, 11, 0, 1, 11, 0, 0},
        {3, "28500000", "28500000", 0, 2, 0, 103, 2, 0, 103, 1},
        {5, "28300000", "28400000", 1, 1, 0, 0, 2, 0, 7, 5},
        // An offset of 0 is simplex.
        {15, "28700000", "28700000", 0, 0, 0, 0, 0, 0, 0, 0},
    };
    ASSERT_EQ(preview.Channels.size(), expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        const ImportedChannel& channel = preview.Channels[n];
        const ChannelRecord& r = channel.Record;
        const Expected& e = expected[n];
        SCOPED_TRACE("CH " + std::to_string(e.chNo));
        EXPECT_EQ(channel.Band, kBandHam);
        EXPECT_EQ(channel.Group, 3);
        EXPECT_EQ(channel.ChNo, e.chNo);
        EXPECT_EQ(channel.Replaces, e.chNo == 1);
        EXPECT_EQ(r.ChNo, e.chNo);
        EXPECT_EQ(r.InUse, 1);
        EXPECT_EQ(r.RxFreqText.trimmed(), e.rx);
        EXPECT_EQ(r.TxFreqText.trimmed(), e.tx);
        EXPECT_EQ((std::vector<int>{r.RepShift, r.TxToneType, r.TxCtcss, r.TxDcs, r.RxToneType,
                                    r.RxCtcss, r.RxDcs, r.MemMode}),
                  (std::vector<int>{e.repShift, e.txType, e.txCtcss, e.txDcs, e.rxType, e.rxCtcss,
                                    e.rxDcs, e.mode}));
    }

    const std::vector<std::pair<int, std::string>> refused = {
        {5,
         "tone mode \"TSQL-R\": a reverse squelch (muted while the tone is heard) is not what "
         "this radio's receive tone does"},
        {7, "Duplex \"off\": this radio cannot stop transmitting on a channel"},
        {8, "mode \"DV\" is not FM, NFM, AM, USB, LSB or CW"},
        {9, "CTCSS tone 69.4 Hz is not in the list"},
        {10, "DCS code 024 is not in the list"},
        {11, "DCS polarity \"RN\": only normal codes (NN) can be carried"},
        {12, "this channel may not have the frequency 146.520000 MHz"},
        {13, "channel 41 is beyond this group's channels 1–40"},
        {14, "the channel was named already on line 3"},
        {15,
         "a shift of 0.600000 MHz: the radio shifts every repeater channel by its TX.REP of "
         "0.100000 MHz"},
        {16,
         "a shift of 0.050000 MHz: the radio shifts every repeater channel by its TX.REP of "
         "0.100000 MHz"},
        {17, "the transmit frequency 29.750000 MHz is outside the band"},
    };
    ASSERT_EQ(preview.Refused.size(), refused.size());
    for (std::size_t n = 0; n < refused.size(); ++n) {
        EXPECT_EQ(preview.Refused[n].Line, refused[n].first);
        EXPECT_EQ(preview.Refused[n].Reason.en, refused[n].second);
        EXPECT_FALSE(preview.Refused[n].Reason.zh.empty());
    }

    // Nothing changed before applying; applying adds four and replaces one.
    EXPECT_EQ(data.channelCount(kBandHam, 3), 1);
    ApplyImport(data, preview);
    EXPECT_EQ(data.channelCount(kBandHam, 3), 5);
    for (const Expected& e : expected) {
        const int slot = FindSlot(data, kBandHam, 3, e.chNo);
        ASSERT_NE(slot, 0);
        EXPECT_EQ(data.channel(kBandHam, slot, 3).RxFreqText.trimmed(), e.rx);
    }
}

// Skip and Power as the radio has them: "S" is not scanned, blank and "P" (no priority scan on
// this radio, named) scanned; High, Mid and Low in any case set the power, watts are named and
// leave a replaced channel's power as it was and give a new one Low, as the grid does.
TEST(CommonFormatImport, SkipAndPowerAsTheRadioHasThem) {
    auto doc = std::make_unique<Document>();
    RadioData& data = doc->Working;
    data.channelCount(kBandHf, 2) = 1;
    data.channel(kBandHf, 1, 2).ChNo = 4;
    data.channel(kBandHf, 1, 2).InUse = 1;
    data.channel(kBandHf, 1, 2).TxPower = 1;
    const char* file =
        "Location,Frequency,Skip,Power\n"
        "1,28.100000,S,HIGH\n"
        "2,28.200000,,low\n"
        "3,28.300000,P,Mid\n"
        "4,28.400000,,5.0W\n"
        "5,28.500000,,50\n"
        "6,28.600000,X,\n";
    const ImportResult result = PreviewImport(data, file, {kBandHf, 2}, Windows1252());
    ASSERT_TRUE(result.Preview);
    const ImportPreview& preview = *result.Preview;
    const std::vector<std::pair<int, int>> expected = {{0, 2}, {1, 0}, {1, 1}, {1, 1}, {1, 0}};
    ASSERT_EQ(preview.Channels.size(), expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(preview.Channels[n].Record.ScanAdd, expected[n].first) << n;
        EXPECT_EQ(preview.Channels[n].Record.TxPower, expected[n].second) << n;
    }
    ASSERT_EQ(preview.Refused.size(), 1u);
    EXPECT_EQ(preview.Refused[0].Reason.en, "Skip \"X\" is not S, P or blank");
    EXPECT_EQ(
        preview.DroppedFields,
        (std::vector<std::string>{"Skip P (no priority scan on this radio: scanned)",
                                  "Power in watts (the radio's levels are Low, Mid and High)"}));
}

// A frequency finer than the editor's 10 Hz grid is moved down onto it, as a typed one is, and
// the move is named; a refusal shows the frequency as the file wrote it.
TEST(CommonFormatImport, FinerFrequenciesMoveOntoTheGridAndAreNamed) {
    auto doc = std::make_unique<Document>();
    const char* file = "Location,Frequency\n1,28.123456\n2,28.123450\n3,07.100000\n";
    const ImportResult result = PreviewImport(doc->Working, file, {kBandHf, 2}, Windows1252());
    ASSERT_TRUE(result.Preview);
    const ImportPreview& preview = *result.Preview;
    ASSERT_EQ(preview.Channels.size(), 2u);
    EXPECT_EQ(preview.Channels[0].Record.RxFreqText.raw(), "28123450");
    EXPECT_EQ(preview.Channels[1].Record.RxFreqText.raw(), "28123450");
    ASSERT_EQ(preview.Notes.size(), 1u);
    EXPECT_EQ(preview.Notes[0].Line, 2);
    EXPECT_EQ(preview.Notes[0].Reason.en,
              "Frequency 28.123456 MHz moved onto the 10 Hz grid: 28.123450 MHz");
    ASSERT_EQ(preview.Refused.size(), 1u);
    EXPECT_EQ(preview.Refused[0].Reason.en,
              "this channel may not have the frequency 07.100000 MHz");
}

TEST(CommonFormatImport, LocationsFromZeroBecomeChannelsFromOne) {
    auto doc = std::make_unique<Document>();
    const char* file = "Location,Frequency\n0,28.100000\n1,28.200000\n";
    const ImportResult result = PreviewImport(doc->Working, file, {kBandHf, 2}, Windows1252());
    ASSERT_TRUE(result.Preview);
    ASSERT_EQ(result.Preview->Channels.size(), 2u);
    EXPECT_EQ(result.Preview->Channels[0].ChNo, 1);
    EXPECT_EQ(result.Preview->Channels[1].ChNo, 2);
    EXPECT_TRUE(result.Preview->DroppedFields.empty());
    EXPECT_TRUE(result.Preview->CountedFromZero);

    // A Location 0 line that is refused (a sample memory at 146.52 MHz) shifts nothing.
    const char* sample = "Location,Frequency\n0,146.520000\n1,28.100000\n2,28.200000\n";
    const ImportResult kept = PreviewImport(doc->Working, sample, {kBandHf, 2}, Windows1252());
    ASSERT_TRUE(kept.Preview);
    EXPECT_FALSE(kept.Preview->CountedFromZero);
    ASSERT_EQ(kept.Preview->Refused.size(), 1u);
    EXPECT_EQ(kept.Preview->Refused[0].Line, 2);
    ASSERT_EQ(kept.Preview->Channels.size(), 2u);
    EXPECT_EQ(kept.Preview->Channels[0].ChNo, 1);
    EXPECT_EQ(kept.Preview->Channels[1].ChNo, 2);
}

TEST(CommonFormatImport, FilesThatCannotBeReadChangeNothingAndSayWhy) {
    auto doc = std::make_unique<Document>();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Location,Frequency\n1,\"28.1\n",
         "line 2: the file cannot be read as CSV: a quoted field is not closed"},
        {"Channel,MHz\n1,28.1\n",
         "line 1: the header names neither Band, Group and CH No. nor Location and Frequency"},
        {"", "line 1: the header names neither Band, Group and CH No. nor Location and Frequency"},
    };
    for (const auto& [text, message] : cases) {
        const ImportResult result = PreviewImport(doc->Working, text, {kBandHf, 1}, Windows1252());
        EXPECT_FALSE(result.Preview);
        ASSERT_TRUE(result.Error);
        EXPECT_EQ(result.Error->en, message);
    }
    const ImportResult cb =
        PreviewImport(doc->Working, "Location,Frequency\n1,27.0\n", {kBandCb, 1}, Windows1252());
    ASSERT_TRUE(cb.Error);
    EXPECT_EQ(cb.Error->en, "channels of this format go into a group of HF or HAM");
}

}  // namespace
}  // namespace kv
