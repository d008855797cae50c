// Writing a group in the common open format: the file the other programs' readers expect, the
// channels it cannot carry named, and a round trip back through the import giving the radio the
// same channels.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "editors/channels/channel_edit.h"
#include "exchange/channel_import.h"
#include "exchange/common_export.h"
#include "exchange/document_diff.h"
#include "model/document.h"
#include "model/transmit_frequency.h"
#include "unit/exchange/exchangeable_document.h"

namespace kv {
namespace {

constexpr const char* kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

struct ChannelCase {
    const char* rx;
    int rep, txType, txCtcss, txDcs, rxType, rxCtcss, rxDcs, mode, power, scan;
    const char* row;  // the row written, or the reason the channel is left out
};

// 88.5 Hz is CTCSS entry 7 (from 0), 100.0 Hz entry 11; DCS 023 is entry 0, 754 entry 103.
const ChannelCase kChannels[] = {
    {"29600000", 0, 0, 0, 0, 0, 0, 0, 0, 2, 1,
     ",29.600000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,HAM 3 RP,,,,"},
    {"29620000", 2, 1, 11, 0, 0, 0, 0, 0, 0, 0,
     ",29.620000,-,0.100000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,S,Low,HAM 3 RP,,,,"},
    {"29520000", 1, 1, 11, 0, 1, 11, 0, 1, 1, 1,
     ",29.520000,+,0.100000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,AM,5.00,,Mid,HAM 3 RP,,,,"},
    {"28500000", 0, 2, 0, 103, 2, 0, 103, 2, 0, 1,
     ",28.500000,,0.000000,DTCS,88.5,88.5,754,NN,023,Tone->Tone,USB,5.00,,Low,HAM 3 RP,,,,"},
    {"28400000", 0, 1, 7, 0, 2, 0, 103, 3, 0, 1,
     ",28.400000,,0.000000,Cross,88.5,88.5,023,NN,754,Tone->DTCS,LSB,5.00,,Low,HAM 3 RP,,,,"},
    {"28300000", 0, 0, 0, 0, 1, 11, 0, 5, 0, 1,
     ",28.300000,,0.000000,Cross,88.5,100.0,023,NN,023,->Tone,CW,5.00,,Low,HAM 3 RP,,,,"},
    {"28200000", 0, 2, 0, 103, 0, 0, 0, 0, 0, 1,
     ",28.200000,,0.000000,Cross,88.5,88.5,754,NN,023,DTCS->,FM,5.00,,Low,HAM 3 RP,,,,"},
    {"28100000", 0, 1, 7, 0, 1, 11, 0, 0, 0, 1,
     ",28.100000,,0.000000,Cross,88.5,100.0,023,NN,023,Tone->Tone,FM,5.00,,Low,HAM 3 RP,,,,"},
    // What the format cannot carry: left out and named.
    {"28050000", 0, 0, 0, 0, 0, 0, 0, 4, 0, 1,
     "Mode \"PA\" has no equivalent in the common format"},
    {"28060000", 0, 3, 0, 0, 0, 0, 0, 0, 0, 1,
     "TXCTC \"#3\" has no equivalent in the common format"},
    {"28070000", 0, 1, 60, 0, 0, 0, 0, 0, 0, 1,
     "TX CTCSS \"#60\" has no equivalent in the common format"},
    {"28080000", 0, 0, 0, 0, 0, 0, 0, 0, 3, 1,
     "Power \"#3\" has no equivalent in the common format"},
    {"28090000", 3, 0, 0, 0, 0, 0, 0, 0, 0, 1, "REP \"#3\" has no equivalent in the common format"},
    {"FFFFFFFF", 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, "the channel has no receive frequency"},
    {"28.1", 0, 0, 0, 0, 0, 0, 0, 0, 0, 1,
     "RX MHz \"#28.1\" has no equivalent in the common format"},
    // Shifted out of the band: the import would refuse it, so the export says so.
    {"29690000", 1, 0, 0, 0, 0, 0, 0, 0, 0, 1,
     "the transmit frequency 29.790000 MHz is outside the band"},
};

void Fill(ChannelRecord& record, int chNo, const ChannelCase& c) {
    InitNewChannel(record, chNo, c.rx);
    record.RxFreqText.assign(c.rx);  // as a radio may hold it, even when it is no frequency
    record.RepShift = static_cast<i16>(c.rep);
    record.TxToneType = static_cast<i16>(c.txType);
    record.TxCtcss = static_cast<i16>(c.txCtcss);
    record.TxDcs = static_cast<i16>(c.txDcs);
    record.RxToneType = static_cast<i16>(c.rxType);
    record.RxCtcss = static_cast<i16>(c.rxCtcss);
    record.RxDcs = static_cast<i16>(c.rxDcs);
    record.MemMode = static_cast<i16>(c.mode);
    record.TxPower = static_cast<i16>(c.power);
    record.ScanAdd = static_cast<i16>(c.scan);
}

TEST(CommonFormatExport, WritesWhatTheOtherReadersExpectAndNamesWhatItLeavesOut) {
    auto doc = std::make_unique<Document>();
    RadioData& data = doc->Working;
    data.Config.Settings.RepeaterOffset = 1000;
    data.Config.Settings.GroupName(kBandHam, 3).assign("RP");
    int chNo = 0;
    for (const ChannelCase& c : kChannels) {
        ++chNo;
        Fill(data.channel(kBandHam, chNo, 3), chNo, c);
        SetTransmitText(kBandHam, data.channel(kBandHam, chNo, 3), 1000);
    }
    data.channelCount(kBandHam, 3) = static_cast<i16>(chNo);

    const CommonExport out = ExportCommonFormat(data, kBandHam, 3, Windows1252());
    std::string expected = kHeader;
    std::vector<std::pair<int, std::string>> left;
    for (int n = 1; n <= chNo; ++n) {
        const std::string row = kChannels[n - 1].row;
        if (row.starts_with(","))
            expected += std::to_string(n) + "," + row + "\r\n";
        else
            left.emplace_back(n, row);
    }
    EXPECT_EQ(out.Text, expected);
    ASSERT_EQ(out.Left.size(), left.size());
    for (std::size_t n = 0; n < left.size(); ++n) {
        EXPECT_EQ(out.Left[n].Line, left[n].first);
        EXPECT_EQ(out.Left[n].Reason.en, left[n].second);
        EXPECT_FALSE(out.Left[n].Reason.zh.empty());
    }
    // CB and groups that do not exist are not written.
    EXPECT_TRUE(ExportCommonFormat(data, kBandCb, 1, Windows1252()).Text.empty());
    EXPECT_TRUE(ExportCommonFormat(data, kBandHf, 99, Windows1252()).Text.empty());
}

// The fields the common format carries, random within the windows' lists.
void WithinLists(ChannelRecord& record, std::mt19937& rng) {
    record.InUse = 1;
    record.RepShift = static_cast<i16>(rng() % 3);
    record.TxToneType = static_cast<i16>(rng() % 3);
    record.RxToneType = static_cast<i16>(rng() % 3);
    // A tone or code only where its type uses it: the format has no place for the others.
    if (record.TxToneType == 1) record.TxCtcss = static_cast<i16>(rng() % 38);
    if (record.RxToneType == 1) record.RxCtcss = static_cast<i16>(rng() % 38);
    if (record.TxToneType == 2) record.TxDcs = static_cast<i16>(rng() % 104);
    if (record.RxToneType == 2) record.RxDcs = static_cast<i16>(rng() % 104);
    record.MemMode = static_cast<i16>(std::array{0, 1, 2, 3, 5}[rng() % 5]);
    record.TxPower = static_cast<i16>(rng() % 3);
    record.ScanAdd = static_cast<i16>(rng() % 2);
}

// Random documents: every HF and HAM group written and imported back. Into the document itself,
// the import replaces each channel by itself; into an emptied group, channels made as the grid
// makes them come back equal in comparison.
TEST(CommonFormatExport, RoundTripThroughTheImportGivesTheSameChannels) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        auto doc = test::ExchangeableDocument(seed);
        RadioData& data = doc->Working;
        std::mt19937 rng(seed);
        // Three channels in four hold what the windows offer in the carried fields; the rest
        // keep values outside every list, which the export leaves out and names.
        for (int band : {kBandHf, kBandHam})
            for (int group = 1; group <= kGroupsPerBand[band]; ++group)
                for (int slot = 1; slot <= data.channelCount(band, group); ++slot)
                    if (rng() % 4 != 0) WithinLists(data.channel(band, slot, group), rng);
        SetTransmitTexts(data);
        data.Config.Settings.RepeaterOffset = static_cast<std::int32_t>(1 + rng() % 1000);
        int written = 0;
        for (int band : {kBandHf, kBandHam})
            for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
                const CommonExport out = ExportCommonFormat(data, band, group, Windows1252());
                const ImportResult back =
                    PreviewImport(data, out.Text, {band, group}, Windows1252());
                ASSERT_TRUE(back.Preview);
                EXPECT_TRUE(back.Preview->Refused.empty())
                    << RefusedLineText(back.Preview->Refused.front(), kLanguageEnglish);
                EXPECT_FALSE(back.Preview->OffsetOffer);
                written += static_cast<int>(back.Preview->Channels.size());
                for (const RefusedLine& left : out.Left) EXPECT_FALSE(left.Reason.en.empty());
                auto copy = std::make_unique<RadioData>(data);
                ApplyImport(*copy, *back.Preview);
                EXPECT_TRUE(FindDifferences(data, *copy, Windows1252()).empty())
                    << BandName(band) << " " << group;
            }
        EXPECT_GT(written, 100);

        // Channels as the grid makes them, carried fields random within the lists.
        auto fresh = std::make_unique<RadioData>(data);
        for (int slot = 1; slot <= 20; ++slot) {
            ChannelRecord& record = fresh->channel(kBandHf, slot, 2);
            record = ChannelRecord{};
            InitNewChannel(record, slot * 2, "27" + std::to_string(100000 + slot * 1230));
            WithinLists(record, rng);
        }
        fresh->channelCount(kBandHf, 2) = 20;
        SetTransmitTexts(*fresh);
        const CommonExport out = ExportCommonFormat(*fresh, kBandHf, 2, Windows1252());
        EXPECT_TRUE(out.Left.empty()) << out.Left.front().Reason.en;
        auto emptied = std::make_unique<RadioData>(*fresh);
        emptied->channelCount(kBandHf, 2) = 0;
        const ImportResult back = PreviewImport(*emptied, out.Text, {kBandHf, 2}, Windows1252());
        ASSERT_TRUE(back.Preview);
        EXPECT_TRUE(back.Preview->Refused.empty());
        ApplyImport(*emptied, *back.Preview);
        const auto differences = FindDifferences(*fresh, *emptied, Windows1252());
        EXPECT_TRUE(differences.empty()) << differences.front().Text.en;
    }
}

}  // namespace
}  // namespace kv
