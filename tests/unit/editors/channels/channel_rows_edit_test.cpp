// The list commands on several rows, on the core: Insert&Paste of several rows into full and
// nearly full groups loses channels only with the user's Yes and says how many beforehand, the
// references follow the moved channels, and pasted rows refuse what the rows cannot hold.
#include "editors/channels/channel_rows_edit.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "editors/channels/cb_memory.h"
#include "editors/channels/channel_edit.h"
#include "editors/channels/grid_rows.h"
#include "model/band_range.h"

namespace kv {
namespace {

class RowsEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc->config().BandMode = kBandHam;
        doc->BandRangeText = kBandRangeTexts[kBandHam];
        ParseBandRange(*doc);
        doc->settings().GroupValid(kBandHam, 1) = 1;
    }
    // Channels 1..count of HAM group 1, channel n at 28.<n> MHz.
    void Fill(int count) {
        for (int chNo = 1; chNo <= count; ++chNo)
            ASSERT_TRUE(AddChannel(*doc, chNo, kBandHam, 1, "28." + std::to_string(100 + chNo)));
    }
    // The frequency (as typed, "28.1nn" → nn) of each channel 1..40; 0 where there is none.
    std::vector<int> Layout() const {
        std::vector<int> layout;
        for (int chNo = 1; chNo <= 40; ++chNo) {
            const int slot = FindSlot(doc->Working, kBandHam, 1, chNo);
            layout.push_back(slot == 0 ? 0
                                       : std::stoi(doc->Working.channel(kBandHam, slot, 1)
                                                       .RxFreqText.trimmed()
                                                       .substr(2, 3)) -
                                             100);
        }
        return layout;
    }
    static std::vector<RowToPaste> Rows(std::initializer_list<const char*> freqs) {
        std::vector<RowToPaste> rows;
        int line = 1;
        for (const char* freq : freqs) {
            ChannelRecord record;
            InitNewChannel(record, 1, freq);
            rows.push_back({line++, false, record});
        }
        return rows;
    }

    std::unique_ptr<Document> doc = std::make_unique<Document>();
};

TEST_F(RowsEditTest, InsertingIntoAFullGroupLosesItsLastChannelsOnlyWithYes) {
    Fill(40);
    const std::vector<int> before = Layout();
    const auto rows = Rows({"28901000", "28902000", "28903000"});
    EXPECT_EQ(InsertRowsWouldLose(*doc, kBandHam, 1, 5, rows), 3);
    EXPECT_EQ(Layout(), before);  // asking changes nothing

    const RowsEditOutcome refused = InsertPasteChannelRows(*doc, kBandHam, 1, 5, rows);
    EXPECT_TRUE(refused.Message);
    EXPECT_EQ(Layout(), before);

    doc->settings().GroupWorkChannel(kBandHam, 1) = 20;
    const RowsEditOutcome done = InsertPasteChannelRows(*doc, kBandHam, 1, 5, rows, {}, true);
    EXPECT_TRUE(done.Changed);
    std::vector<int> expected = {1, 2, 3, 4, 801, 802, 803};
    for (int n = 5; n <= 37; ++n) expected.push_back(n);
    EXPECT_EQ(Layout(), expected);
    EXPECT_EQ(doc->Working.channelCount(kBandHam, 1), 40);
    EXPECT_EQ(doc->settings().GroupWorkChannel(kBandHam, 1), 23);  // follows its channel
}

TEST_F(RowsEditTest, InsertingLosesOnlyWhatTheFreeNumbersCannotTake) {
    struct Case {
        int held;   // channels 1..held
        int start;  // the row inserted at
        int count;  // rows inserted
        int lost;
    };
    const Case cases[] = {
        {38, 1, 3, 1}, {38, 1, 2, 0}, {40, 40, 1, 1}, {10, 3, 5, 0}, {39, 41, 1, 0}};
    for (const Case& c : cases) {
        doc = std::make_unique<Document>();
        SetUp();
        Fill(c.held);
        std::vector<RowToPaste> rows =
            Rows({"28901000", "28902000", "28903000", "28904000", "28905000"});
        rows.resize(static_cast<std::size_t>(c.count));
        EXPECT_EQ(InsertRowsWouldLose(*doc, kBandHam, 1, c.start, rows), c.lost)
            << c.held << " " << c.start << " " << c.count;
    }
    // A row the insertion refuses pushes nothing out.
    {
        doc = std::make_unique<Document>();
        SetUp();
        Fill(40);
        EXPECT_EQ(InsertRowsWouldLose(*doc, kBandHam, 1, 5, Rows({"28901000", "31000000"})), 1);
    }
}

TEST_F(RowsEditTest, PastedRowsAreCheckedAtTheRowTheyGoTo) {
    Fill(3);
    std::vector<RowToPaste> rows = Rows({"28500000", "31000000", "28600000", "28700000"});
    rows[2].Memory = true;
    const RowsEditOutcome outcome = PasteChannelRows(*doc, kBandHam, 1, 38, rows);
    ASSERT_EQ(outcome.Refused.size(), 3u);
    EXPECT_EQ(outcome.Refused[0].Line, 2);
    EXPECT_EQ(outcome.Refused[0].Reason.en, "this channel may not have the frequency 31.00000 MHz");
    EXPECT_EQ(outcome.Refused[1].Reason.en, "a CB memory can be pasted only onto a memory row");
    EXPECT_EQ(outcome.Refused[2].Reason.en, "row 41 is beyond the group's last channel 40");
    std::vector<int> expected(40, 0);
    expected[0] = 1;
    expected[1] = 2;
    expected[2] = 3;
    expected[37] = 400;
    EXPECT_EQ(Layout(), expected);
}

// A memory naming a channel its group holds takes that channel's frequency; one naming a
// channel the group does not hold is pasted as a radio holds it (the check before writing names
// it); one wider than the radio's reference byte is refused.
TEST_F(RowsEditTest, APastedMemoryIsRefusedOnlyWhenTheRadioCannotHoldIt) {
    doc->config().BandMode = kBandCb;
    ASSERT_TRUE(AddChannel(*doc, 4, kBandCb, 2, "27.005"));
    const int firstMemoryRow = GridShapeFor(kBandCb, 2).channelRows + 1;
    ChannelRecord memory;
    memory.MemChNo = 4;
    ChannelRecord dangling;
    dangling.MemChNo = 9;
    dangling.RxFreqText.assign("27015000");
    ChannelRecord wide;
    wide.MemChNo = 300;
    const std::vector<RowToPaste> rows = {{1, true, memory}, {2, true, dangling}, {3, true, wide}};
    const RowsEditOutcome outcome = PasteChannelRows(*doc, kBandCb, 2, firstMemoryRow, rows);
    ASSERT_EQ(outcome.Refused.size(), 1u);
    EXPECT_EQ(outcome.Refused[0].Line, 3);
    EXPECT_EQ(outcome.Refused[0].Reason.en,
              "CB Mem Chan ID \"#300\" is more than the radio holds in this field (1–255)");
    const ChannelRecord& kept = doc->Working.Store.cbMem(CbMemRecord(2, 2));
    EXPECT_EQ(kept.MemChNo, 9);
    EXPECT_EQ(kept.RxFreqText.trimmed(), "27015000");
    const ChannelRecord& stored = doc->Working.Store.cbMem(CbMemRecord(2, 1));
    EXPECT_EQ(stored.InUse, 1);
    EXPECT_EQ(stored.MemChNo, 4);
    EXPECT_EQ(stored.RxFreqText.trimmed(),
              doc->Working.channel(kBandCb, 1, 2).RxFreqText.trimmed());
}

}  // namespace
}  // namespace kv
