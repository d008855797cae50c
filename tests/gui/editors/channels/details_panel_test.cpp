// The details panel of the channel window: which boxes show, what a choice stores, the PUBLIC
// switch, the roger-beep and DTMF lists, and the CB memory rows.
#include <QGroupBox>
#include <QLabel>

#include "channel_fixture.h"
#include "editors/channels/channel_edit.h"
#include "editors/channels/grid_rows.h"
#include "model/radio_data.h"

namespace kv::test {
namespace {

class DetailsPanelTest : public ChannelWindowTest {
protected:
    QComboBox* box(int n) { return combo(("Combo8_" + std::to_string(n)).c_str()); }
    QGroupBox* panel() { return child<QGroupBox>("FrameDetails"); }
    ChannelRecord& Channel(int band, int group, int chNo) {
        const int slot = FindSlot(doc().Working, band, group, chNo);
        EXPECT_GT(slot, 0);
        return doc().Working.channel(band, slot > 0 ? slot : 1, group);
    }
    // HF group 1 row 1 shown, its channel returned.
    ChannelRecord& ShowHfChannelOne() {
        ShowBandGroup(kBandHf, 1);
        SelectRow(1);
        return Channel(kBandHf, 1, 1);
    }
};

TEST_F(DetailsPanelTest, ToneAndCodeBoxesFollowTheToneTypes) {
    StartWithBands();
    ChannelRecord& record = ShowHfChannelOne();
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(panel()->title(), "More Information -- CH 1");
    record.TxDcs = 7;
    Pick(box(17), 2);  // TXCTC: DCS
    EXPECT_EQ(record.TxToneType, 2);
    EXPECT_TRUE(box(16)->isVisible());
    EXPECT_FALSE(box(0)->isVisible());
    EXPECT_EQ(box(16)->currentText(), "D_008(047N)");
    Pick(box(16), 103);
    EXPECT_EQ(record.TxDcs, 103);
    Pick(box(17), 0);  // Off hides both and keeps the code
    EXPECT_FALSE(box(16)->isVisible());
    EXPECT_FALSE(box(0)->isVisible());
    EXPECT_EQ(record.TxDcs, 103);
    Pick(box(18), 1);  // RXCTC: CTCSS
    EXPECT_TRUE(box(19)->isVisible());
    EXPECT_EQ(box(19)->count(), 38);
    EXPECT_TRUE(box(5)->isVisible()) << "+10KHz in HF";
    EXPECT_TRUE(box(7)->isVisible()) << "REP in HF";
}

TEST_F(DetailsPanelTest, PublicOnDisablesTheDependentRowsButNotBusy) {
    StartWithBands();
    ChannelRecord& record = ShowHfChannelOne();
    Pick(box(9), 1);
    EXPECT_EQ(record.PublicCh, 1);
    for (int n : {2, 3, 4, 5, 11, 12, 13, 14, 15}) EXPECT_FALSE(box(n)->isEnabled()) << n;
    EXPECT_TRUE(box(6)->isEnabled());
    EXPECT_TRUE(box(21)->isEnabled());
    EXPECT_FALSE(child<QLabel>("Label8_21")->isEnabled());
    Pick(box(9), 0);
    for (int n : {2, 3, 4, 5, 11, 13}) EXPECT_TRUE(box(n)->isEnabled()) << n;
}

TEST_F(DetailsPanelTest, RogerAndDtmfListsOfferOnlyDefinedNumbersAndShowingStoresNothing) {
    StartWithBands();
    for (ToneRecord& tone : doc().config().ToneTable) tone = {};
    for (int n : {1, 3, 4}) {
        doc().config().ToneTable[n - 1].ToneRepeat = 1;
        doc().config().ToneTable[n - 1].Steps[2].ToneTime = 5;
    }
    for (auto& code : doc().settings().DtmfCodes) code.assign("");
    doc().settings().DtmfCodes[1].assign("12");
    doc().settings().DtmfCodes[4].assign("*5");
    ChannelRecord& record = ShowHfChannelOne();
    record.RogerBeep = 3;
    record.DtmfBot = 2;
    record.DtmfEot = 3;  // not defined: shows OFF, stays stored
    window()->ShowRB();
    window()->ShowDTMF();
    SelectRow(2);
    SelectRow(1);
    QStringList roger;
    for (int i = 0; i < box(11)->count(); ++i) roger << box(11)->itemText(i);
    EXPECT_EQ(roger, (QStringList{"OFF", "1", "3", "4"}));
    EXPECT_EQ(box(11)->currentText(), "3");
    EXPECT_EQ(box(13)->currentText(), "2");
    EXPECT_EQ(box(14)->currentText(), "3 (not in the list)");  // code 3 is not defined
    EXPECT_EQ(record.DtmfEot, 3);
    Pick(box(11), QStringLiteral("4"));
    EXPECT_EQ(record.RogerBeep, 4);
    // Code 2 no longer defined: the list loses it and the box shows the stored 2 as itself.
    doc().settings().DtmfCodes[1].assign("");
    window()->ShowDTMF();
    EXPECT_EQ(box(13)->currentText(), "2 (not in the list)");
    EXPECT_EQ(box(13)->findText(QStringLiteral("2")), -1);
}

TEST_F(DetailsPanelTest, CbMemoryRowsEditTheBlocksRecords) {
    StartWithBands();
    // Group 3: rows 41..80 are channels, 81..96 memories 33..48.
    ShowBandGroup(kBandCb, 3);
    SelectRow(45);
    EXPECT_FALSE(box(22)->isVisible());
    SelectRow(81);
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_TRUE(box(22)->isVisible());
    EXPECT_FALSE(box(23)->isVisible());
    Pick(box(22), QStringLiteral("12"));
    const ChannelRecord& memory33 = doc().Working.Store.cbMem(33);
    EXPECT_EQ(memory33.MemChNo, 12);
    EXPECT_EQ(memory33.InUse, 1);
    EXPECT_EQ(Cell(81), Cell(12));
    Pick(box(22), 0);
    EXPECT_EQ(memory33.MemChNo, 255);
    EXPECT_EQ(Cell(81), "");

    // Groups 5 and 7 share block 5 (records 65..80); the band box picks the group referred to.
    ShowBandGroup(kBandCb, 5);
    const int seven = FindSlot(doc().Working, kBandCb, 7, 7);
    ASSERT_GT(seven, 0);
    doc().Working.channel(kBandCb, seven, 7).RxFreqText.assign("27111110");
    SelectRow(41);
    EXPECT_TRUE(box(23)->isVisible());
    Pick(box(22), QStringLiteral("7"));
    Pick(box(23), 1);  // UK: group 7
    const ChannelRecord& memory65 = doc().Working.Store.cbMem(65);
    EXPECT_EQ(memory65.MemBand, 1);
    EXPECT_EQ(Cell(41), "27.11111");
    Pick(box(23), 0);
    EXPECT_EQ(Cell(41), Cell(7));
    ShowBandGroup(kBandCb, 7);
    SelectRow(41);
    EXPECT_EQ(box(22)->currentText(), "7");
}

}  // namespace
}  // namespace kv::test
