#include "editors/channels/channel_edit.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/band_range.h"
#include "editors/channels/freq_text.h"

namespace kv {
namespace {

// A HAM document editing group 1, with helpers to lay channels into groups directly.
class ChannelEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc->config().BandMode = kBandHam;
        doc->BandRangeText = kBandRangeTexts[kBandHam];
        ParseBandRange(*doc);
        doc->config().CurrentGroup[kBandHam] = 1;
        doc->settings().GroupValid(kBandHam, 1) = 1;
    }

    void Put(int group, std::vector<int> numbers, int band = kBandHam) {
        for (int chNo : numbers) ASSERT_TRUE(AddChannel(*doc, chNo, band, group, "28.5"));
    }
    std::vector<int> Numbers(int group) const {
        std::vector<int> numbers;
        for (int slot = 1; slot <= doc->Working.channelCount(kBandHam, group); ++slot)
            numbers.push_back(doc->Working.channel(kBandHam, slot, group).ChNo);
        return numbers;
    }
    const ChannelRecord& Slot(int slot, int group = 1) const {
        return doc->Working.channel(kBandHam, slot, group);
    }

    std::unique_ptr<Document> doc = std::make_unique<Document>();
};

TEST_F(ChannelEditTest, NewNumberCreatesChannelWithCreationRule) {
    ChannelRecord& slot = doc->Working.channel(kBandHam, 1, 1);
    slot.TxDcs = 7;  // left over from an earlier channel: kept
    slot.TxPower = 2;
    slot.RxCtcss = 5;
    slot.MemMode = 3;  // cleared
    slot.DtmfCall = 4;
    slot.Reserved11 = 9;

    EXPECT_FALSE(SetChannelFreq(*doc, 12, "28.123456").has_value());

    ASSERT_EQ(Numbers(1), std::vector<int>{12});
    EXPECT_EQ(slot.InUse, 1);
    EXPECT_EQ(slot.ScanAdd, 1);
    EXPECT_EQ(slot.NbAnl, 1);
    EXPECT_EQ(slot.RxFreqText.raw(), "2812345 ");
    EXPECT_EQ(slot.TxFreqText.raw(), "2812345 ");
    EXPECT_EQ(slot.MemMode, 0);
    EXPECT_EQ(slot.DtmfCall, 0);
    EXPECT_EQ(slot.Reserved11, 0);
    EXPECT_EQ(slot.TxDcs, 7);
    EXPECT_EQ(slot.TxPower, 2);
    EXPECT_EQ(slot.RxCtcss, 5);
    EXPECT_EQ(doc->settings().GroupWorkChannel(kBandHam, 1), 12);  // references follow
}

TEST_F(ChannelEditTest, KnownNumberChangesReceiveFrequencyOnly) {
    Put(1, {3, 7});
    SetChannelFreq(*doc, 7, "29.1");
    EXPECT_EQ(Slot(2).RxFreqText.raw(), "2910000 ");
    EXPECT_EQ(Slot(2).TxFreqText.raw(), "285     ");
    EXPECT_EQ(Numbers(1), (std::vector<int>{3, 7}));
}

TEST_F(ChannelEditTest, RejectedEntryKeepsChannelAndReturnsWarning) {
    Put(1, {3, 7});
    for (const char* typed : {"1.2.3", "30.5", "12a"}) {
        const std::optional<TextPair> warning = SetChannelFreq(*doc, 7, typed);
        ASSERT_TRUE(warning.has_value()) << typed;
        EXPECT_EQ(*warning, FreqOutOfRangeText());
        EXPECT_EQ(Numbers(1), (std::vector<int>{3, 7})) << typed;
        EXPECT_EQ(Slot(2).RxFreqText.raw(), "285     ") << typed;
    }
    EXPECT_TRUE(SetChannelFreq(*doc, 9, "1.2.3").has_value());
    EXPECT_EQ(Numbers(1), (std::vector<int>{3, 7}));
}

TEST_F(ChannelEditTest, ClearedEntryRemovesChannelAndRevalidates) {
    Put(1, {3, 7, 12});
    doc->settings().GroupWorkChannel(kBandHam, 1) = 7;
    SetChannelFreq(*doc, 7, "");
    EXPECT_EQ(Numbers(1), (std::vector<int>{3, 12}));
    EXPECT_EQ(doc->settings().GroupWorkChannel(kBandHam, 1), 3);
    SetChannelFreq(*doc, 20, "");  // no such channel: nothing happens
    EXPECT_EQ(Numbers(1), (std::vector<int>{3, 12}));
}

TEST_F(ChannelEditTest, LastNormalChannelGoesOnlyWhenAnotherValidGroupKeepsOne) {
    struct Case {
        const char* what;
        int otherGroup;
        bool otherValid;
        int otherChannel;
        bool removed;
    };
    const Case cases[] = {
        {"no other channel", 0, false, 0, false},
        {"valid group with channel 5", 2, true, 5, true},
        {"invalid group with channel 5", 2, false, 5, false},
        {"valid group holding only channel 40", 2, true, 40, false},
        {"valid group outside the groups scanned", 10, true, 5, false},
    };
    for (const Case& c : cases) {
        doc = std::make_unique<Document>();
        SetUp();
        Put(1, {4, 45});  // 45 is a memory channel: it does not keep the group alive
        if (c.otherGroup > 0) {
            Put(c.otherGroup, {c.otherChannel});
            doc->settings().GroupValid(kBandHam, c.otherGroup) = c.otherValid ? 1 : 0;
        }
        EXPECT_FALSE(SetChannelFreq(*doc, 4, "").has_value()) << c.what;
        const std::vector<int> left = c.removed ? std::vector<int>{45} : std::vector<int>{4, 45};
        EXPECT_EQ(Numbers(1), left) << c.what;
        EXPECT_EQ(doc->settings().GroupValid(kBandHam, 1), c.removed ? 0 : 1) << c.what;
    }
}

TEST_F(ChannelEditTest, RemoveChannelSlotShiftsAndLeavesOldLastSlot) {
    Put(1, {1, 2, 3});
    ASSERT_TRUE(RemoveChannelSlot(*doc, 1, kBandHam, 1));
    EXPECT_EQ(Numbers(1), (std::vector<int>{2, 3}));
    EXPECT_EQ(Slot(3).ChNo, 3);  // beyond the count, stale
    EXPECT_FALSE(RemoveChannelSlot(*doc, 3, kBandHam, 1));
    EXPECT_FALSE(RemoveChannelSlot(*doc, 0, kBandHam, 1));
}

TEST_F(ChannelEditTest, AddChannelRefusesFullOrUnknownGroup) {
    doc->Working.channelCount(kBandHam, 1) = 40;
    EXPECT_FALSE(AddChannel(*doc, 41, kBandHam, 1, "28.5"));
    EXPECT_EQ(doc->Working.channelCount(kBandHam, 1), 40);
    doc->Working.channelCount(kBandHam, 2) = -3;  // damaged count from a file
    EXPECT_FALSE(AddChannel(*doc, 1, kBandHam, 2, "28.5"));
    EXPECT_FALSE(AddChannel(*doc, 1, kBandHam, 15, "28.5"));
    EXPECT_FALSE(AddChannel(*doc, 1, 3, 1, "28.5"));
    EXPECT_TRUE(AddChannel(*doc, 80, kBandCb, 3, "26.965"));  // CB group 3 holds 80
}

TEST_F(ChannelEditTest, DamagedCurrentGroupChangesNothing) {
    doc->config().CurrentGroup[kBandHam] = 40;
    EXPECT_FALSE(SetChannelFreq(*doc, 1, "28.5").has_value());
    doc->config().BandMode = 7;
    EXPECT_FALSE(SetChannelFreq(*doc, 1, "28.5").has_value());
    doc->config().BandMode = kBandHam;
    doc->config().CurrentGroup[kBandHam] = 0;  // read as group 1
    SetChannelFreq(*doc, 1, "28.5");
    EXPECT_EQ(Numbers(1), std::vector<int>{1});
    EXPECT_EQ(doc->config().CurrentGroup[kBandHam], 1);
}

TEST_F(ChannelEditTest, OpenChannelWindowIsAskedToRedisplay) {
    std::vector<int> rows;
    int boxRefreshes = 0;
    const ChannelWindowRefresh refresh{[&](int row) { rows.push_back(row); },
                                       [&] { ++boxRefreshes; }};
    SetChannelFreq(*doc, 5, "28.5", refresh);  // window closed: no calls
    EXPECT_TRUE(rows.empty());
    doc->ChannelEditorOpen = true;
    SetChannelFreq(*doc, 6, "28.6", refresh);  // added: references and row
    SetChannelFreq(*doc, 6, "28.7", refresh);  // changed: row only
    SetChannelFreq(*doc, 6, "99", refresh);    // rejected: row shows the kept frequency
    SetChannelFreq(*doc, 6, "", refresh);      // removed: references and row
    EXPECT_EQ(rows, (std::vector<int>{6, 6, 6, 6}));
    EXPECT_EQ(boxRefreshes, 2);
}

TEST_F(ChannelEditTest, EntryIsCheckedAgainstTheShownBandNotTheRangeTextInForce) {
    doc->BandRangeText = "28.0000 - 29.6950 MHz";  // as after New, Open or a read
    ParseBandRange(*doc);
    EXPECT_FALSE(
        ApplyChannelFreq(*doc, kBandHam, 1, 3, "29.698", BandLimits(kBandHam)).has_value());
    EXPECT_EQ(Slot(1).RxFreqText.raw(), "2969800 ");
    EXPECT_TRUE(ApplyChannelFreq(*doc, kBandHam, 1, 4, "29.7001", BandLimits(kBandHam)));
    EXPECT_TRUE(ApplyChannelFreq(*doc, kBandHam, 1, 4, "24.8", BandLimits(kBandHam)));
    EXPECT_FALSE(ApplyChannelFreq(*doc, kBandHf, 1, 4, "24.8", BandLimits(kBandHf)));
    EXPECT_EQ(Numbers(1), std::vector<int>{3});
}

TEST_F(ChannelEditTest, TheVfoRowIsItsOneSlotAndIsNeverRemoved) {
    ASSERT_TRUE(AddChannel(*doc, 7, kBandHam, 14, "28.5"));
    const FreqLimits ham = BandLimits(kBandHam);
    ApplyChannelFreq(*doc, kBandHam, 14, 1, "28.6", ham);
    EXPECT_EQ(doc->Working.channelCount(kBandHam, 14), 1);
    EXPECT_EQ(Slot(1, 14).RxFreqText.raw(), "2860000 ");
    for (const char* entry : {"", "1.2.3"}) {
        ApplyChannelFreq(*doc, kBandHam, 14, 1, entry, ham);
        EXPECT_EQ(doc->Working.channelCount(kBandHam, 14), 1) << entry;
        EXPECT_EQ(Slot(1, 14).RxFreqText.raw(), "2860000 ") << entry;
    }
}

}  // namespace
}  // namespace kv
