// The radio shifts every repeater channel by its one TX.REP: a common format file whose shifted
// lines all ask for one other shift gets an offer to set TX.REP to it, which names the channels
// already shifted that would move, and which applying carries out together with the import.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "exchange/channel_import.h"
#include "model/document.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

// TX.REP 0.0100 MHz; three channels already shifted by it: two elsewhere and CH 2 of the target
// group, which counts as moved unless the file replaces it.
std::unique_ptr<Document> ShiftedDocument() {
    auto doc = std::make_unique<Document>();
    RadioData& data = doc->Working;
    data.Config.Settings.RepeaterOffset = 100;
    const auto put = [&](int band, int group, int chNo, const char* rx, int rep) {
        i16& count = data.channelCount(band, group);
        ChannelRecord& record = data.channel(band, ++count, group);
        record.ChNo = static_cast<i16>(chNo);
        record.InUse = 1;
        record.RxFreqText.assign(rx);
        record.RepShift = static_cast<i16>(rep);
        SetTransmitText(band, record, data.Config.Settings.RepeaterOffset);
    };
    put(kBandHf, 1, 1, "28100000", kRepAdd);
    put(kBandHam, 5, 7, "29620000", kRepSubtract);
    put(kBandHam, 3, 2, "29600000", kRepAdd);
    put(kBandHam, 3, 9, "29610000", 0);
    return doc;
}

struct OfferCase {
    const char* name;
    const char* lines;  // after the header Location,Frequency,Duplex,Offset
    std::optional<long long> shiftHz;
    int shiftedLines;
    bool settable;
    std::int32_t offset;
    int changing;  // channels already shifted that taking the offer would move
};

class RepeaterOffsetOffer : public testing::TestWithParam<OfferCase> {};

TEST_P(RepeaterOffsetOffer, IsMadeForOneSharedShiftTheRadioDoesNotMake) {
    const OfferCase& c = GetParam();
    auto doc = ShiftedDocument();
    const std::string file = std::string("Location,Frequency,Duplex,Offset\n") + c.lines;
    const ImportResult result = PreviewImport(doc->Working, file, {kBandHam, 3}, Windows1252());
    ASSERT_TRUE(result.Preview);
    const auto& offer = result.Preview->OffsetOffer;
    ASSERT_EQ(offer.has_value(), c.shiftHz.has_value());
    if (!offer) {
        EXPECT_FALSE(RepeaterOffsetNote(*result.Preview, 100));
        return;
    }
    EXPECT_EQ(offer->ShiftHz, *c.shiftHz);
    EXPECT_EQ(offer->Lines, c.shiftedLines);
    EXPECT_EQ(offer->Settable, c.settable);
    EXPECT_EQ(offer->Offset, c.offset);
    EXPECT_EQ(offer->ChannelsChanging, c.changing);
    const auto note = RepeaterOffsetNote(*result.Preview, 100);
    ASSERT_TRUE(note);
    EXPECT_NE(note->en.find("TX.REP of 0.0100 MHz"), std::string::npos) << note->en;
    EXPECT_NE(note->en.find(c.settable ? "With TX.REP set to" : "TX.REP cannot make that shift"),
              std::string::npos)
        << note->en;
    EXPECT_FALSE(note->zh.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, RepeaterOffsetOffer,
    testing::Values(
        OfferCase{"PlusAndMinusOfOneOffset",
                  "1,29.620000,+,0.100000\n2,29.600000,-,0.100000\n3,29.500000,,\n", 100000, 2,
                  true, 1000, 2},
        OfferCase{"SplitCountsByItsDistance", "1,29.520000,split,29.620000\n", 100000, 1, true,
                  1000, 3},
        OfferCase{"TwoShiftsNoOffer", "1,29.620000,+,0.100000\n2,29.600000,-,0.200000\n",
                  std::nullopt, 0, false, 0, 0},
        OfferCase{"TheRadiosOwnShiftNoOffer", "1,29.620000,+,0.010000\n", std::nullopt, 0, false, 0,
                  0},
        OfferCase{"SimplexOnlyNoOffer", "1,29.620000,,\n2,29.600000,+,0\n", std::nullopt, 0, false,
                  0, 0},
        OfferCase{"FinerThanTxRepSteps", "1,29.620000,+,0.000050\n", 50, 1, false, 0, 0},
        OfferCase{"WiderThanTheWindowOffers", "1,24.000000,+,6.000000\n", 6000000, 1, false, 0, 0}),
    [](const testing::TestParamInfo<OfferCase>& info) { return std::string(info.param.name); });

TEST(RepeaterOffsetOffer, TakenItImportsTheLinesAndSetsTxRepInTheSameApply) {
    auto doc = ShiftedDocument();
    RadioData& data = doc->Working;
    const std::string file =
        "Location,Frequency,Duplex,Offset\n1,29.620000,-,0.100000\n2,29.500000,+,0.100000\n";
    const ImportResult refused = PreviewImport(data, file, {kBandHam, 3}, Windows1252());
    ASSERT_TRUE(refused.Preview);
    EXPECT_EQ(refused.Preview->Channels.size(), 0u);
    EXPECT_EQ(refused.Preview->Refused.size(), 2u);
    EXPECT_FALSE(refused.Preview->RepeaterOffset);

    const ImportResult result = PreviewImport(data, file, {kBandHam, 3}, Windows1252(),
                                              refused.Preview->OffsetOffer->Offset);
    ASSERT_TRUE(result.Preview);
    const ImportPreview& preview = *result.Preview;
    EXPECT_TRUE(preview.Refused.empty());
    ASSERT_EQ(preview.Channels.size(), 2u);
    EXPECT_EQ(preview.Channels[0].Record.RepShift, kRepSubtract);
    EXPECT_EQ(preview.Channels[1].Record.RepShift, kRepAdd);
    EXPECT_FALSE(preview.OffsetOffer);
    EXPECT_EQ(preview.RepeaterOffset, 1000);
    EXPECT_EQ(preview.ChannelsMoved, 2);
    const auto note = RepeaterOffsetNote(preview, 100);
    ASSERT_TRUE(note);
    EXPECT_EQ(note->en,
              "TX.REP will be set to 0.1000 MHz (now 0.0100 MHz): 2 channel(s) already set to Add "
              "or SUBB will transmit 0.1000 MHz from their receive frequency.");

    // Nothing changes before applying; then TX.REP and every shifted channel's transmit text.
    EXPECT_EQ(data.Config.Settings.RepeaterOffset, 100);
    ApplyImport(data, preview);
    EXPECT_EQ(data.Config.Settings.RepeaterOffset, 1000);
    EXPECT_EQ(data.channel(kBandHf, 1, 1).TxFreqText.trimmed(), "28200000");
    EXPECT_EQ(data.channel(kBandHam, 1, 5).TxFreqText.trimmed(), "29520000");
    const int slot = FindSlot(data, kBandHam, 3, 2);
    ASSERT_NE(slot, 0);
    EXPECT_EQ(data.channel(kBandHam, slot, 3).TxFreqText.trimmed(), "29600000");
    EXPECT_EQ(data.channel(kBandHam, FindSlot(data, kBandHam, 3, 1), 3).TxFreqText.trimmed(),
              "29520000");
}

}  // namespace
}  // namespace kv
