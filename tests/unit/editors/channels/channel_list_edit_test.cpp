#include "editors/channels/channel_list_edit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "editors/channels/channel_edit.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/detail_rows.h"
#include "editors/channels/grid_rows.h"
#include "model/band_range.h"

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

TEST_F(ListEditTest, RemovalFollowsReferencesAndNeverSwitchesAGroup) {
    Put(kBandHf, 1, {3, 7, 12});
    doc->settings().GroupWorkChannel(kBandHf, 1) = 7;
    DeleteChannel(*doc, kBandHf, 1, 7);
    EXPECT_EQ(doc->settings().GroupWorkChannel(kBandHf, 1), 3);

    // A group's last channel goes, with or without another valid group keeping one, and the
    // group stays as it was: valid, or not.
    struct Case {
        bool otherGroupValid;
        bool cut;
    };
    for (const Case c :
         {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        Put(kBandHf, 2, {9});
        doc->settings().GroupValid(kBandHf, 1) = c.otherGroupValid ? 1 : 0;
        const ListEditOutcome outcome =
            c.cut ? CutChannel(*doc, kBandHf, 2, 9, clip) : DeleteChannel(*doc, kBandHf, 2, 9);
        EXPECT_TRUE(outcome.Changed) << c.otherGroupValid << c.cut;
        EXPECT_TRUE(Numbers(kBandHf, 2).empty());
        EXPECT_EQ(doc->settings().GroupValid(kBandHf, 2), 1);
        EXPECT_EQ(doc->settings().GroupValid(kBandHf, 1), c.otherGroupValid ? 1 : 0);
        // Cut then Paste puts the channel back in its group, which is still valid.
        if (c.cut) {
            EXPECT_TRUE(PasteChannel(*doc, kBandHf, 2, 9, clip).Changed);
            EXPECT_EQ(Numbers(kBandHf, 2), (std::vector<int>{9}));
            DeleteChannel(*doc, kBandHf, 2, 9);
        }
    }
}

TEST_F(ListEditTest, ACommandThatCannotActSaysWhy) {
    Put(kBandHf, 16, {1});
    struct Case {
        const char* what;
        std::function<ListEditOutcome()> run;
        const char* message;  // nullptr: nothing to explain
    };
    const Case cases[] = {
        {"delete an empty row", [&] { return DeleteChannel(*doc, kBandHf, 16, 5); },
         "This row holds no channel."},
        {"cut an empty row", [&] { return CutChannel(*doc, kBandHf, 16, 5, clip); },
         "This row holds no channel."},
        {"paste the empty row copied", [&] { return PasteChannel(*doc, kBandHf, 16, 6, clip); },
         "The copied row holds no channel, so there is nothing to paste."},
        {"delete in the VFO", [&] { return DeleteChannel(*doc, kBandHf, 17, 1); },
         "The VFO group keeps its one channel: it cannot be cut, deleted or moved."},
        {"cut in the VFO", [&] { return CutChannel(*doc, kBandHam, 14, 1, clip); },
         "The VFO group keeps its one channel: it cannot be cut, deleted or moved."},
        {"insert in the VFO", [&] { return InsertPasteChannel(*doc, kBandHf, 17, 1, clip); },
         "The VFO group keeps its one channel: it cannot be cut, deleted or moved."},
        {"delete below the rows", [&] { return DeleteChannel(*doc, kBandHf, 1, 41); },
         "This row is not one of the group's channels."},
        {"insert an empty row where it is empty",
         [&] { return InsertPasteChannel(*doc, kBandHf, 16, 7, clip); }, nullptr},
    };
    for (const Case& c : cases) {
        const ListEditOutcome outcome = c.run();
        EXPECT_FALSE(outcome.Changed) << c.what;
        if (c.message == nullptr) {
            EXPECT_FALSE(outcome.Message.has_value()) << c.what;
            continue;
        }
        ASSERT_TRUE(outcome.Message.has_value()) << c.what;
        EXPECT_EQ(outcome.Message->en, c.message) << c.what;
        EXPECT_FALSE(outcome.Message->zh.empty()) << c.what;
    }
    EXPECT_EQ(Numbers(kBandHf, 16), std::vector<int>{1});
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

TEST_F(ListEditTest, PasteTakesAnyRecordTheDocumentHolds) {
    Put(kBandHf, 1, {1});
    EXPECT_FALSE(PasteChannel(*doc, kBandHf, 1, 2, clip).Changed);  // nothing copied
    CopyChannel(*doc, kBandHf, 1, 5, clip);                         // a row without a channel
    EXPECT_TRUE(clip.Full);
    EXPECT_FALSE(PasteChannel(*doc, kBandHf, 1, 2, clip).Changed);
    // Channels of the CB plans outside the CB range (UK 35 at 27.94125, PL 1 at 26.960, DE 41 at
    // 26.565) come back after a Cut; so does a record whose frequency no band has.
    struct Case {
        int band, group, chNo;
        const char* stored;
    };
    for (const Case& c : {Case{kBandCb, 7, 35, "27941250"}, Case{kBandCb, 2, 1, "26960000"},
                          Case{kBandCb, 3, 41, "26565000"}, Case{kBandHam, 1, 3, "24800000"}}) {
        ChannelRecord& record = doc->Working.channel(c.band, 1, c.group);
        InitNewChannel(record, c.chNo, c.stored);
        record.Busy = 1;
        doc->Working.channelCount(c.band, c.group) = 1;
        const ChannelRecord before = record;
        EXPECT_TRUE(CutChannel(*doc, c.band, c.group, c.chNo, clip).Changed);
        EXPECT_EQ(doc->Working.channelCount(c.band, c.group), 0);
        const ListEditOutcome pasted = PasteChannel(*doc, c.band, c.group, c.chNo, clip);
        EXPECT_TRUE(pasted.Changed) << c.stored;
        EXPECT_FALSE(pasted.Message.has_value()) << c.stored;
        ASSERT_EQ(doc->Working.channelCount(c.band, c.group), 1) << c.stored;
        EXPECT_EQ(doc->Working.channel(c.band, 1, c.group), before) << c.stored;
    }
}

// A paste carries what the radio holds: references to undefined tones and codes stay (the check
// before writing names them), and the transmit text follows the radio's rule.
TEST_F(ListEditTest, PasteKeepsReferencesToUndefinedTonesAndCodes) {
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
    EXPECT_EQ(Channel(kBandHf, 1, 2).DtmfBot, 2);
    EXPECT_EQ(Channel(kBandHf, 1, 2).DtmfEot, 5);
}

TEST_F(ListEditTest, InsertPasteOnRowOneOfAFullGroupDropsTheLastOnlyWhenAllowed) {
    std::vector<int> all;
    for (int chNo = 1; chNo <= 40; ++chNo) all.push_back(chNo);
    Put(kBandHf, 1, all);
    doc->settings().GroupWorkChannel(kBandHf, 1) = 39;
    CopyChannel(*doc, kBandHf, 1, 40, clip);  // frequency 28.40
    EXPECT_EQ(InsertPasteWouldLose(*doc, kBandHf, 1, 1), 40);
    EXPECT_EQ(InsertPasteLosesText(kBandHf, 1, 40).en,
              "The group is full: inserting here pushes out channel 40. Insert anyway?");
    EXPECT_EQ(InsertPasteLosesText(kBandHf, 16, 99).zh,
              "该组已满：在此插入将移除信道 M99。仍要插入吗？");
    const auto unchanged = std::make_unique<RadioData>(doc->Working);
    const ListEditOutcome refused = InsertPasteChannel(*doc, kBandHf, 1, 1, clip);
    EXPECT_FALSE(refused.Changed);
    ASSERT_TRUE(refused.Message.has_value());
    EXPECT_EQ(refused.Message->en, "The group has no free channel. Delete a channel first.");
    EXPECT_TRUE(doc->Working.Store.Channels == unchanged->Store.Channels);

    const ListEditOutcome outcome = InsertPasteChannel(*doc, kBandHf, 1, 1, clip, {}, true);
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

TEST_F(ListEditTest, InsertPasteShiftsOnlyUpToTheFirstFreeNumber) {
    // The HF MEM group holding M1 to M6 and M99: inserting at M1 moves M1 to M6 down by one,
    // and M99 stays. With nothing copied (or an empty row copied) row M1 is left open.
    struct Case {
        bool copied;
        bool copiedEmptyRow;
    };
    for (const Case c : {Case{true, false}, Case{false, false}, Case{false, true}}) {
        doc = std::make_unique<Document>();
        clip = {};
        Put(kBandHf, 16, {1, 2, 3, 4, 5, 6, 99});
        doc->settings().GroupWorkChannel(kBandHf, 16) = 6;
        doc->settings().GroupRefChannelA(kBandHf, 16, 0) = 99;
        if (c.copied) CopyChannel(*doc, kBandHf, 16, 3, clip);
        if (c.copiedEmptyRow) CopyChannel(*doc, kBandHf, 16, 50, clip);
        EXPECT_FALSE(InsertPasteWouldLose(*doc, kBandHf, 16, 1).has_value());
        const ListEditOutcome outcome = InsertPasteChannel(*doc, kBandHf, 16, 1, clip);
        EXPECT_TRUE(outcome.Changed);
        EXPECT_EQ(outcome.FirstRow, 1);
        EXPECT_EQ(outcome.LastRow, 7);
        const std::vector<int> moved = {2, 3, 4, 5, 6, 7, 99};
        std::vector<int> numbers = Numbers(kBandHf, 16);
        std::sort(numbers.begin(), numbers.end());
        std::vector<int> expected = moved;
        if (c.copied) expected.insert(expected.begin(), 1);
        EXPECT_EQ(numbers, expected);
        ExpectCompact(kBandHf, 16);
        for (int chNo = 2; chNo <= 7; ++chNo)
            EXPECT_EQ(Channel(kBandHf, 16, chNo).RxFreqText.trimmed(),
                      "28" + std::to_string(chNo - 1));
        EXPECT_EQ(Channel(kBandHf, 16, 99).RxFreqText.trimmed(), "2899");
        if (c.copied) EXPECT_EQ(Channel(kBandHf, 16, 1).RxFreqText.trimmed(), "283");
        EXPECT_EQ(doc->settings().GroupWorkChannel(kBandHf, 16), 7);
        EXPECT_EQ(doc->settings().GroupRefChannelA(kBandHf, 16, 0), 99);
    }
}

TEST_F(ListEditTest, BlockEntriesFollowRenumberingAndKeepTheNumberOfARemovedChannel) {
    ConfigRecord& config = doc->config();
    // HF group 3 holds channels 1 to 12 and 14; the MEM group M1 to M4.
    Put(kBandHf, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14});
    Put(kBandHf, 16, {1, 2, 3, 4});
    Put(kBandCb, 2, {4, 5, 6});
    config.EmgBlock[24] = 2;  // HF emergency 1: group 3, channel 10
    config.EmgBlock[26] = 9;
    config.EmgBlock[25] = 2;  // HF emergency 2: group 3, channel 14
    config.EmgBlock[27] = 13;
    config.DwBlock[12] = 2;  // HF dual watch: group 3, channel 12
    config.DwBlock[13] = 11;
    config.MemKeyBlock[12] = 1;  // HF memory key: M2
    config.EmgBlock[1] = 4;      // PL emergency 1: channel 5
    config.DwBlock[1] = 5;       // PL dual watch: channel 6
    config.EmgBlock[7] = 2;      // PL emergency 2: channel 3 (no channel there)
    config.EmgBlock[30] = 2;     // HAM emergency 1: HAM group 3, channel 10 (another band)
    config.EmgBlock[32] = 9;
    CopyChannel(*doc, kBandHf, 3, 1, clip);
    ASSERT_TRUE(InsertPasteChannel(*doc, kBandHf, 3, 10, clip).Changed);
    ASSERT_TRUE(InsertPasteChannel(*doc, kBandHf, 16, 1, clip).Changed);
    ASSERT_TRUE(InsertPasteChannel(*doc, kBandCb, 2, 4, clip).Changed);
    EXPECT_EQ(config.EmgBlock[26], 10);  // 10 became 11
    EXPECT_EQ(config.EmgBlock[27], 13);  // 14 did not move: 13 was free
    EXPECT_EQ(config.DwBlock[13], 12);   // 12 became 13
    EXPECT_EQ(config.MemKeyBlock[12], 2);
    EXPECT_EQ(config.EmgBlock[1], 5);
    EXPECT_EQ(config.DwBlock[1], 6);
    EXPECT_EQ(config.EmgBlock[7], 2);
    EXPECT_EQ(config.EmgBlock[32], 9);
    for (i16 group : {config.EmgBlock[24], config.EmgBlock[25], config.DwBlock[12]})
        EXPECT_EQ(group, 2);

    // Delete and Cut leave the entries on the number of the channel that went.
    DeleteChannel(*doc, kBandHf, 3, 11);
    CutChannel(*doc, kBandHf, 3, 13, clip);
    DeleteChannel(*doc, kBandHf, 16, 3);
    CutChannel(*doc, kBandCb, 2, 6, clip);
    EXPECT_EQ(config.EmgBlock[26], 10);
    EXPECT_EQ(config.DwBlock[13], 12);
    EXPECT_EQ(config.MemKeyBlock[12], 2);
    EXPECT_EQ(config.EmgBlock[1], 5);
}

}  // namespace
}  // namespace kv
