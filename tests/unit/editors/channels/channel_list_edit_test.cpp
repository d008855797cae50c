#include "editors/channels/channel_list_edit.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/band_range.h"
#include "editors/channels/channel_edit.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/detail_rows.h"
#include "editors/channels/grid_rows.h"

namespace kv {
namespace {

// An HF document whose named groups 1 and 2 are valid; channels are laid in directly.
class ListEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc->config().BandMode = kBandHf;
        doc->BandRangeText = kBandRangeTexts[kBandHf];
        ParseBandRange(*doc);
        for (int band = 0; band < kBandCount; ++band) {
            doc->settings().GroupValid(band, 1) = 1;
            doc->settings().GroupValid(band, 2) = 1;
        }
    }

    // Channel chNo at the frequency "28.<chNo>" (CB: "27.<chNo>").
    void Put(int band, int group, std::vector<int> numbers) {
        for (int chNo : numbers) {
            const std::string freq = (band == kBandCb ? "27." : "28.") + std::to_string(chNo);
            ASSERT_TRUE(AddChannel(*doc, chNo, band, group, freq));
        }
    }
    std::vector<int> Numbers(int band, int group) const {
        std::vector<int> numbers;
        for (int slot = 1; slot <= doc->Working.channelCount(band, group); ++slot)
            numbers.push_back(doc->Working.channel(band, slot, group).ChNo);
        return numbers;
    }
    const ChannelRecord& Channel(int band, int group, int chNo) const {
        const int slot = FindSlot(doc->Working, band, group, chNo);
        EXPECT_GT(slot, 0) << "channel " << chNo;
        return doc->Working.channel(band, slot > 0 ? slot : 1, group);
    }
    // Every slot of every used list holds a channel: the count equals the channels listed.
    void ExpectCompact(int band, int group) const {
        for (int slot = 1; slot <= doc->Working.channelCount(band, group); ++slot)
            EXPECT_EQ(doc->Working.channel(band, slot, group).InUse, 1) << "slot " << slot;
    }

    std::unique_ptr<Document> doc = std::make_unique<Document>();
    ChannelClipboard clip;
};

TEST_F(ListEditTest, CopyFivePasteNineGivesChannelNineTheRecordOfFive) {
    Put(kBandHf, 1, {1, 5, 7});
    doc->Working.channel(kBandHf, 2, 1).Busy = 1;
    CopyChannel(*doc, kBandHf, 1, 5, clip);
    const ListEditOutcome pasted = PasteChannel(*doc, kBandHf, 1, 9, clip);
    EXPECT_TRUE(pasted.Changed);
    EXPECT_EQ(Numbers(kBandHf, 1), (std::vector<int>{1, 5, 7, 9}));
    EXPECT_EQ(Channel(kBandHf, 1, 9).Busy, 1);
    EXPECT_EQ(Channel(kBandHf, 1, 9).RxFreqText.trimmed(), "285");
    ExpectCompact(kBandHf, 1);
    // Pasting over an existing channel replaces it in its slot.
    CopyChannel(*doc, kBandHf, 1, 1, clip);
    PasteChannel(*doc, kBandHf, 1, 7, clip);
    EXPECT_EQ(Numbers(kBandHf, 1), (std::vector<int>{1, 5, 7, 9}));
    EXPECT_EQ(Channel(kBandHf, 1, 7).RxFreqText.trimmed(), "281");
}

TEST_F(ListEditTest, CutAndDeleteRemoveTheRowsChannelNotTheSlotOfThatNumber) {
    // Slot 3 holds channel 30: the row number is not the slot number.
    Put(kBandHf, 1, {4, 12, 30});
    DeleteChannel(*doc, kBandHf, 1, 12);
    EXPECT_EQ(Numbers(kBandHf, 1), (std::vector<int>{4, 30}));
    ExpectCompact(kBandHf, 1);
    CutChannel(*doc, kBandHf, 1, 30, clip);
    EXPECT_EQ(Numbers(kBandHf, 1), (std::vector<int>{4}));
    EXPECT_TRUE(clip.Full);
    EXPECT_EQ(clip.Record.ChNo, 30);
    // A row without a channel: nothing removed, nothing resurrected.
    EXPECT_FALSE(DeleteChannel(*doc, kBandHf, 1, 3).Changed);
    EXPECT_EQ(Numbers(kBandHf, 1), (std::vector<int>{4}));
}

TEST_F(ListEditTest, RemovalFollowsReferencesAndKeepsTheBandsLastNormalChannel) {
    Put(kBandHf, 1, {3, 7, 12});
    doc->settings().GroupWorkChannel(kBandHf, 1) = 7;
    DeleteChannel(*doc, kBandHf, 1, 7);
    EXPECT_EQ(doc->settings().GroupWorkChannel(kBandHf, 1), 3);

    // Group 2 holds the band's only other normal channel; group 1 has channels 3 and 12.
    Put(kBandHf, 2, {9});
    doc->settings().GroupValid(kBandHf, 1) = 0;
    EXPECT_FALSE(DeleteChannel(*doc, kBandHf, 2, 9).Changed);
    EXPECT_EQ(Numbers(kBandHf, 2), (std::vector<int>{9}));
    // With another valid group keeping a channel, the last one goes and its group switches off.
    doc->settings().GroupValid(kBandHf, 1) = 1;
    EXPECT_TRUE(DeleteChannel(*doc, kBandHf, 2, 9).Changed);
    EXPECT_TRUE(Numbers(kBandHf, 2).empty());
    EXPECT_EQ(doc->settings().GroupValid(kBandHf, 2), 0);
}

TEST_F(ListEditTest, CutAndDeleteClearTheCbMemoriesReferringToTheChannel) {
    Put(kBandCb, 2, {5, 6});
    ChannelRecord& memory = doc->Working.Store.cbMem(CbMemRecord(2, 3));  // record 19
    memory.InUse = 1;
    memory.MemChNo = 6;
    DeleteChannel(*doc, kBandCb, 2, 6);
    EXPECT_EQ(memory.MemChNo, kCbMemEmpty);
    EXPECT_EQ(memory.InUse, 0);
}

TEST_F(ListEditTest, VfoAndRowLimitsFollowTheGroupsKind) {
    struct Case {
        int band, group, row;
        bool pasted;
    };
    Put(kBandHf, 1, {1});
    CopyChannel(*doc, kBandHf, 1, 1, clip);
    for (const Case& c : std::vector<Case>{{kBandHf, 1, 40, true},
                                           {kBandHf, 1, 41, false},
                                           {kBandHf, 16, 99, true},
                                           {kBandHf, 16, 100, false},
                                           {kBandHam, 13, 99, true},
                                           {kBandHam, 14, 1, true},
                                           {kBandHam, 14, 2, false},
                                           {kBandHf, 17, 1, true},
                                           {kBandHam, 12, 40, true},
                                           {kBandHam, 15, 1, false}}) {
        EXPECT_EQ(PasteChannel(*doc, c.band, c.group, c.row, clip).Changed, c.pasted)
            << c.band << "/" << c.group << " row " << c.row;
    }
    // The VFO: pasted into its one slot, never cut or deleted.
    EXPECT_EQ(Numbers(kBandHam, 14), std::vector<int>{1});
    EXPECT_FALSE(DeleteChannel(*doc, kBandHam, 14, 1).Changed);
    EXPECT_FALSE(CutChannel(*doc, kBandHf, 17, 1, clip).Changed);
    EXPECT_EQ(Numbers(kBandHf, 17), std::vector<int>{1});
    EXPECT_FALSE(InsertPasteChannel(*doc, kBandHf, 17, 1, clip).Changed);
}

TEST_F(ListEditTest, PasteRefusesEmptyRecordsAndFrequenciesOutsideTheBand) {
    Put(kBandHf, 1, {1});
    EXPECT_FALSE(PasteChannel(*doc, kBandHf, 1, 2, clip).Changed);  // nothing copied
    CopyChannel(*doc, kBandHf, 1, 5, clip);                         // a row without a channel
    EXPECT_TRUE(clip.Full);
    EXPECT_FALSE(PasteChannel(*doc, kBandHf, 1, 2, clip).Changed);
    // An HF channel at 24.8 MHz cannot go into the HAM band.
    ASSERT_TRUE(AddChannel(*doc, 2, kBandHf, 1, "24.8"));
    CopyChannel(*doc, kBandHf, 1, 2, clip);
    const ListEditOutcome refused = PasteChannel(*doc, kBandHam, 1, 3, clip);
    EXPECT_FALSE(refused.Changed);
    ASSERT_TRUE(refused.Message.has_value());
    EXPECT_EQ(refused.Message->en, "Frequency is out of range.");
    EXPECT_EQ(doc->Working.channelCount(kBandHam, 1), 0);
}

TEST_F(ListEditTest, PasteDropsReferencesToUndefinedTonesAndCodes) {
    Put(kBandHf, 1, {1});
    ChannelRecord& source = doc->Working.channel(kBandHf, 1, 1);
    source.RogerBeep = 3;
    source.DtmfBot = 2;
    source.DtmfEot = 5;
    doc->config().ToneTable[2].ToneRepeat = 1;
    doc->config().ToneTable[2].Steps[0].ToneTime = 10;  // tone 3 defined
    doc->settings().DtmfCodes[4].assign("123");         // code 5 defined, code 2 not
    CopyChannel(*doc, kBandHf, 1, 1, clip);
    PasteChannel(*doc, kBandHf, 1, 2, clip);
    EXPECT_EQ(Channel(kBandHf, 1, 2).RogerBeep, 3);
    EXPECT_EQ(Channel(kBandHf, 1, 2).DtmfBot, 0);
    EXPECT_EQ(Channel(kBandHf, 1, 2).DtmfEot, 5);
}

TEST_F(ListEditTest, InsertPasteOnRowOneOfAFullGroupShiftsAndDropsTheLast) {
    std::vector<int> all;
    for (int chNo = 1; chNo <= 40; ++chNo) all.push_back(chNo);
    Put(kBandHf, 1, all);
    doc->settings().GroupWorkChannel(kBandHf, 1) = 39;
    CopyChannel(*doc, kBandHf, 1, 40, clip);  // frequency 28.40
    const ListEditOutcome outcome = InsertPasteChannel(*doc, kBandHf, 1, 1, clip);
    EXPECT_TRUE(outcome.Changed);
    EXPECT_EQ(outcome.FirstRow, 1);
    EXPECT_EQ(outcome.LastRow, 40);
    EXPECT_EQ(doc->Working.channelCount(kBandHf, 1), 40);
    ExpectCompact(kBandHf, 1);
    EXPECT_EQ(Channel(kBandHf, 1, 1).RxFreqText.trimmed(), "2840");
    EXPECT_EQ(Channel(kBandHf, 1, 2).RxFreqText.trimmed(), "281");
    EXPECT_EQ(Channel(kBandHf, 1, 40).RxFreqText.trimmed(), "2839");
    // The work channel follows its channel to its new number.
    EXPECT_EQ(doc->settings().GroupWorkChannel(kBandHf, 1), 40);
}

TEST_F(ListEditTest, InsertPasteChangesNothingWhenThePasteWouldFail) {
    Put(kBandHf, 1, {1, 2, 3});
    EXPECT_FALSE(InsertPasteChannel(*doc, kBandHf, 1, 1, clip).Changed);  // empty clipboard
    EXPECT_EQ(Numbers(kBandHf, 1), (std::vector<int>{1, 2, 3}));
}

}  // namespace
}  // namespace kv
