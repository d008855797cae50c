#include "editors/channels/grid_rows.h"

#include <gtest/gtest.h>

#include <memory>

#include "editors/channels/cb_memory.h"
#include "editors/channels/channel_edit.h"
#include "editors/channels/detail_rows.h"

namespace kv {
namespace {

TEST(GridRowsTest, RowsLabelsAndWidthsPerBandAndGroup) {
    struct Case {
        int band, group, rows, channelRows, width;
        const char *row1, *lastLabel;
    };
    for (const Case& c : {
             Case{kBandCb, 3, 96, 80, 1520, "1", "M16"},
             Case{kBandCb, 1, 56, 40, 1260, "1", "M16"},
             Case{kBandHf, 16, 99, 99, 1520, "M1", "M99"},
             Case{kBandHf, 17, 1, 1, 1520, "1", "1"},
             Case{kBandHf, 15, 40, 40, 1260, "1", "40"},
             Case{kBandHam, 13, 99, 99, 1520, "M1", "M99"},
             Case{kBandHam, 14, 1, 1, 1520, "1", "1"},
             Case{kBandHam, 12, 40, 40, 1260, "1", "40"},
         }) {
        const GridShape shape = GridShapeFor(c.band, c.group);
        EXPECT_EQ(shape.rows, c.rows) << c.band << "/" << c.group;
        EXPECT_EQ(shape.channelRows, c.channelRows);
        EXPECT_EQ(shape.freqColumnTwips, c.width);
        EXPECT_EQ(GridRowLabel(c.band, c.group, 1), c.row1);
        EXPECT_EQ(GridRowLabel(c.band, c.group, c.rows), c.lastLabel);
    }
    EXPECT_EQ(GridRowLabel(kBandCb, 3, 45), "45");  // group 3's channels 41..80 are normal
    EXPECT_EQ(GridRowLabel(kBandCb, 3, 81), "M1");
    EXPECT_EQ(GridShapeFor(kBandHam, 15).rows, 0);
    EXPECT_EQ(GridShapeFor(kBandCb, 8).rows, 0);
}

class RowRecordTest : public ::testing::Test {
protected:
    std::unique_ptr<Document> doc = std::make_unique<Document>();
};

TEST_F(RowRecordTest, MemoryRowsAreTheBlocksRecordsAndTheVfoRowIsSlotOne) {
    EXPECT_EQ(FindRowRecord(doc->Working, kBandCb, 1, 41).index, 1);
    EXPECT_EQ(FindRowRecord(doc->Working, kBandCb, 3, 81).index, 33);
    EXPECT_EQ(FindRowRecord(doc->Working, kBandCb, 3, 96).index, 48);
    EXPECT_EQ(FindRowRecord(doc->Working, kBandCb, 7, 41).index, 65);  // shared with group 5
    EXPECT_EQ(FindRowRecord(doc->Working, kBandCb, 6, 56).index, 96);
    EXPECT_EQ(FindRowRecord(doc->Working, kBandCb, 1, 41).kind, RowRecord::Kind::CbMemory);
    // The VFO's one channel shows in row 1 whatever number it carries.
    ASSERT_TRUE(AddChannel(*doc, 7, kBandHf, 17, "28.5"));
    EXPECT_EQ(FindRowRecord(doc->Working, kBandHf, 17, 1).index, 1);
    // A number outside the grid is not drawn.
    ASSERT_TRUE(AddChannel(*doc, 55, kBandHf, 1, "28.5"));
    EXPECT_EQ(FindRowRecord(doc->Working, kBandHf, 1, 55).kind, RowRecord::Kind::None);
}

TEST_F(RowRecordTest, MemoriesReferToChannelNumbersAndCopyTheirFrequency) {
    ASSERT_TRUE(AddChannel(*doc, 12, kBandCb, 5, "27.1"));  // slot 1 of group 5
    ASSERT_TRUE(AddChannel(*doc, 7, kBandCb, 7, "27.2"));
    ASSERT_TRUE(AddChannel(*doc, 12, kBandCb, 7, "27.3"));
    ChannelRecord& memory = doc->Working.Store.cbMem(65);
    memory.MemBand = 1;
    EXPECT_EQ(CbMemChannelChoices(doc->Working, 5, memory), (std::vector<int>{7, 12}));
    SetCbMemReference(doc->Working, 5, 65, 12);
    EXPECT_EQ(memory.MemChNo, 12);
    EXPECT_EQ(memory.InUse, 1);
    EXPECT_EQ(memory.RxFreqText.trimmed(), "273");
    ASSERT_NE(CbMemReferredChannel(doc->Working, 5, memory), nullptr);
    // The band box moves the reference to group 5's channel 12 (its slot 1).
    SetCbMemBand(doc->Working, 5, 65, 0);
    EXPECT_EQ(memory.RxFreqText.trimmed(), "271");
    EXPECT_EQ(CbMemChannelChoices(doc->Working, 5, memory), std::vector<int>{12});
    SetCbMemReference(doc->Working, 5, 65, kCbMemEmpty);
    EXPECT_EQ(memory.InUse, 0);
    EXPECT_EQ(CbMemReferredChannel(doc->Working, 5, memory), nullptr);
}

TEST(DetailRowsTest, ListsAndBoxesAreTheFixedTables) {
    ASSERT_EQ(CtcssToneEntries().size(), 38u);
    EXPECT_EQ(CtcssToneEntries().front(), "C_001(67.0Hz)");
    EXPECT_EQ(CtcssToneEntries().back(), "C_038(250.3Hz)");
    ASSERT_EQ(DcsCodeEntries().size(), 104u);
    EXPECT_EQ(DcsCodeEntries().front(), "D_001(023N)");
    EXPECT_EQ(DcsCodeEntries().back(), "D_104(754N)");
    EXPECT_EQ(DetailBoxes().size(), 22u);  // 20 rows, two of them with a tone and a code box
    ChannelRecord record;
    record.TxToneType = 2;
    const auto shown = [&](int box, int band, int group) {
        return DetailBoxShown(*FindDetailBox(box), band, false, false, group, record);
    };
    EXPECT_TRUE(shown(16, kBandHf, 1));   // TX code box
    EXPECT_FALSE(shown(0, kBandHf, 1));   // TX tone box
    EXPECT_FALSE(shown(19, kBandHf, 1));  // RX boxes with RX type Off
    EXPECT_FALSE(shown(20, kBandHf, 1));
    EXPECT_FALSE(shown(7, kBandCb, 1));  // REP outside HF and HAM
    EXPECT_TRUE(shown(7, kBandHam, 1));
}

}  // namespace
}  // namespace kv
