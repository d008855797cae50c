// The channel window through its object names: rows per band and group, frequency entry, the
// selectors and what they store.
#include <QAction>
#include <QGroupBox>
#include <QSignalSpy>

#include "app/ui/main_window.h"
#include "channel_fixture.h"
#include "editors/channels/channel_edit.h"
#include "editors/channels/ui/channel_editor_state.h"
#include "files/staging.h"
#include "model/band_range.h"
#include "model/memory_image.h"
#include "model/radio_data.h"

namespace kv::test {
namespace {

TEST_F(ChannelWindowTest, RowsAndLabelsFollowTheBandAndGroupTables) {
    StartWithBands();
    struct Case {
        int band, group, rows;
        const char *first, *last;
        bool workChannelShown, workGroupShown;
    };
    for (const Case& c : {Case{kBandCb, 3, 96, "1", "M16", true, true},
                          Case{kBandCb, 1, 56, "1", "M16", true, true},
                          Case{kBandHf, 16, 99, "M1", "M99", false, true},
                          Case{kBandHf, 17, 1, "1", "1", false, false},
                          Case{kBandHf, 15, 40, "1", "40", true, true},
                          Case{kBandHam, 13, 99, "M1", "M99", false, true},
                          Case{kBandHam, 14, 1, "1", "1", false, false}}) {
        ShowBandGroup(c.band, c.group);
        SCOPED_TRACE(std::to_string(c.band) + "/" + std::to_string(c.group));
        EXPECT_EQ(grid()->model()->rowCount(), c.rows);
        EXPECT_EQ(Label(1), c.first);
        EXPECT_EQ(Label(c.rows), c.last);
        EXPECT_EQ(combo("Combo1_4")->isVisibleTo(window()), c.workChannelShown);
        EXPECT_EQ(combo("Combo1_6")->isVisibleTo(window()), c.workChannelShown);
        EXPECT_EQ(combo("Combo3")->isVisibleTo(window()), c.workGroupShown);
    }
    EXPECT_EQ(combo("Combo6")->count(), 14);  // HAM: 12 groups, MEM, VFO
    ShowBandGroup(kBandCb, 3);
    EXPECT_EQ(Label(80), "80");
    EXPECT_EQ(Label(81), "M1");
}

TEST_F(ChannelWindowTest, WithoutRadioOptionsTheBandCannotChangeAndCbTakesNoFrequencyEntry) {
    StartWithBands(false);
    EXPECT_FALSE(combo("Combo2")->isEnabled());
    doc().config().BandMode = kBandCb;
    main().CloseAllEditors();
    FlushDeletes();
    main().OpenEditor(QString::fromLatin1(kChannelWindow));
    EXPECT_EQ(combo("Combo2")->currentIndex(), kBandCb);
    EXPECT_EQ(combo("Combo6")->count(), 7);
    // No frequency entry in CB: neither Enter nor a double-click opens the box.
    SelectRow(2);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_FALSE(editBox()->isVisible());
    emit grid()->doubleClicked(grid()->currentIndex());
    EXPECT_FALSE(editBox()->isVisible());
}

TEST_F(ChannelWindowTest, FrequencyEntryFiltersKeysMovesOnAndStoresInTheShownGroup) {
    StartWithBands();
    ShowBandGroup(kBandHf, 3);
    Pick(combo("Combo6"), 4);  // group 5, after a group change
    SelectRow(7);
    QTest::keyClick(grid(), Qt::Key_Return);
    ASSERT_TRUE(editBox()->isVisible());
    editBox()->clear();
    QTest::keyClicks(editBox(), "2a8,.5x");
    EXPECT_EQ(editBox()->text(), "28.5");
    QSignalSpy edits(&main(), &MainWindow::documentEdited);
    QTest::keyClick(editBox(), Qt::Key_Return);
    EXPECT_FALSE(editBox()->isVisible());
    EXPECT_EQ(grid()->currentIndex().row() + 1, 8);
    const int slot = FindSlot(doc().Working, kBandHf, 5, 7);
    ASSERT_GT(slot, 0);
    EXPECT_EQ(doc().Working.channel(kBandHf, slot, 5).RxFreqText.raw(), "2850000 ");
    EXPECT_EQ(Cell(7), "28.50000");
    EXPECT_EQ(doc().config().CurrentGroup[kBandHf], 5);
    ASSERT_EQ(edits.count(), 1);
    const auto edit = edits.at(0).at(0).value<DocumentEdit>();
    EXPECT_EQ(edit.Section, EditSection::Channels);
    EXPECT_EQ(edit.Group, 5);
    EXPECT_EQ(edit.FirstRow, 7);

    // Enter on the last row wraps to row 1.
    TypeFrequency(40, "28.6");
    EXPECT_EQ(grid()->currentIndex().row() + 1, 1);

    // A rejected entry warns and keeps the channel as it was.
    Answer({MessageAnswer::Ok});
    TypeFrequency(7, "31");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, "Frequency is out of range.");
    EXPECT_EQ(doc().Working.channel(kBandHf, slot, 5).RxFreqText.raw(), "2850000 ");
    EXPECT_EQ(Cell(7), "28.50000");
}

TEST_F(ChannelWindowTest, AnyFocusChangeCommitsAndFinishEditCommitsTooAtTheLimitsOfTheShownBand) {
    StartWithBands();
    ShowBandGroup(kBandHam, 2);
    // After New, Open or a read the range text in force is narrower than the HAM band; the
    // band shown decides.
    doc().BandRangeText = "28.0000 - 29.6950 MHz";
    ParseBandRange(doc());
    SelectRow(3);
    QTest::keyClick(grid(), Qt::Key_Return);
    editBox()->setText(QStringLiteral("29.698"));
    combo("Combo1_6")->setFocus();
    EXPECT_FALSE(editBox()->isVisible());
    EXPECT_EQ(Cell(3), "29.69800");

    SelectRow(4);
    QTest::keyClick(grid(), Qt::Key_Return);
    editBox()->setText(QStringLiteral("28.2"));  // as pasted: no key filter saw it
    main().FinishEdits();
    EXPECT_EQ(Cell(4), "28.20000");
}

TEST_F(ChannelWindowTest, TheDisplayedGroupIsThePositionEvenWhenNamesRepeat) {
    StartWithBands();
    doc().settings().GroupName(kBandHf, 2).assign("AA");
    doc().settings().GroupName(kBandHf, 5).assign("AA");
    ShowBandGroup(kBandHf, 1);
    window()->ReShow_Group_Name();
    Pick(combo("Combo6"), 1);  // the first "AA"
    EXPECT_EQ(window()->DisplayedGroup(), 2);
    EXPECT_EQ(doc().settings().WorkGroup[kBandHf], 2);
    TypeFrequency(9, "28.7");
    EXPECT_GT(FindSlot(doc().Working, kBandHf, 2, 9), 0);
    EXPECT_EQ(FindSlot(doc().Working, kBandHf, 5, 9), 0);
}

TEST_F(ChannelWindowTest, BandChangeSetsTheRangeAndTitleAndOpeningStoresNoChannel) {
    auto before = std::make_unique<RadioData>();
    StartWithBands();
    *before = doc().Working;
    main().CloseAllEditors();
    FlushDeletes();
    main().OpenEditor(QString::fromLatin1(kChannelWindow));
    EXPECT_TRUE(doc().Working.Store.Channels == before->Store.Channels);
    EXPECT_TRUE(doc().Working.Config.ChannelCount == before->Config.ChannelCount);
    EXPECT_FALSE(IsDocumentChanged(doc()));  // no question about saving a document just opened

    Pick(combo("Combo2"), kBandHf);
    EXPECT_EQ(doc().config().BandMode, kBandHf);
    EXPECT_EQ(doc().BandRangeText, "24.7150 - 30.1050 MHz");
    EXPECT_DOUBLE_EQ(doc().FreqMin, 24.715);
    EXPECT_TRUE(main().windowTitle().contains(QStringLiteral("24.7150 - 30.1050 MHz")));
    EXPECT_EQ(ChannelEditorState::Of(main()).DisplayedBandMode, kBandHf);
}

TEST_F(ChannelWindowTest, TheTitleNamesTheRangeOfTheBandOnScreenAfterNewAndARead) {
    StartWithBands();
    main().LoadNewDoc();
    FlushDeletes();
    const int shown = combo("Combo2")->currentIndex();
    ASSERT_GE(shown, 0);
    EXPECT_TRUE(title().contains(QString::fromLatin1(kBandRangeTexts[shown])))
        << title().toStdString();
    auto image = std::make_unique<MemoryImage>();
    image->put(0x18000, kBandHam);  // BandMode
    main().ShowRadioData(*image);
    FlushDeletes();
    EXPECT_EQ(combo("Combo2")->currentIndex(), kBandHam);
    EXPECT_TRUE(title().contains(QStringLiteral("[28.0000 - 29.7000 MHz]")))
        << title().toStdString();
}

TEST_F(ChannelWindowTest, GroupValidRefusesTheLastAndCreatesAFirstChannel) {
    StartWithBands();
    ShowBandGroup(kBandCb, 7);
    doc().settings().GroupValid(kBandCb, 7) = 0;
    doc().Working.channelCount(kBandCb, 7) = 0;
    window()->reShowGrid();
    Pick(combo("Combo1_6"), 1);
    EXPECT_EQ(doc().settings().GroupValid(kBandCb, 7), 1);
    EXPECT_EQ(Numbers(kBandCb, 7), std::vector<int>{1});
    EXPECT_EQ(Cell(1), "27.60125");

    // Only group 3 of HAM valid: switching it off puts the box back.
    ShowBandGroup(kBandHam, 3);
    for (int group = 1; group <= 14; ++group)
        doc().settings().GroupValid(kBandHam, group) = group == 3 ? 1 : 0;
    doc().settings().GroupValid(kBandHam, 13) = 1;  // the MEM group does not count
    Pick(combo("Combo1_6"), 0);
    EXPECT_EQ(combo("Combo1_6")->currentIndex(), 1);
    EXPECT_EQ(doc().settings().GroupValid(kBandHam, 3), 1);
}

TEST_F(ChannelWindowTest, AGroupCountBeyondTheGridShowsOnlyTheGridsRows) {
    StartWithBands();
    // As a damaged file may hold: 60 channels in a named group, some numbered past its rows.
    for (int slot = 1; slot <= 40; ++slot) {
        ChannelRecord& record = doc().Working.channel(kBandHf, slot, 2);
        InitNewChannel(record, slot + 20, "2850000");
    }
    doc().Working.channelCount(kBandHf, 2) = 60;
    ShowBandGroup(kBandHf, 2);
    EXPECT_EQ(grid()->model()->rowCount(), 40);
    EXPECT_EQ(Cell(20), "");
    EXPECT_EQ(Cell(21), "28.50000");
    EXPECT_EQ(Cell(40), "28.50000");
    TypeFrequency(5, "28.1");
    EXPECT_EQ(Cell(5), "");  // no free slot: nothing stored, nothing shown
}

TEST_F(ChannelWindowTest, ListEditItemsAreOffWithoutTheWindowAndPasteFollowsTheClipboard) {
    StartWithBands();
    QAction* paste = action("mnuPaste");
    EXPECT_TRUE(action("mnuCopy")->isEnabled());
    EXPECT_FALSE(paste->isEnabled());
    ShowBandGroup(kBandHam, 1);
    SelectRow(1);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(paste->isEnabled());
    main().CloseAllEditors();
    EXPECT_FALSE(action("mnuCopy")->isEnabled());
    EXPECT_FALSE(paste->isEnabled());
}

TEST_F(ChannelWindowTest, AStoredBandOutsideTheListShowsCbAndIsKeptUntilTheUserPicks) {
    StartWithBands();
    doc().config().BandMode = 7;
    doc().settings().WorkGroup[kBandCb] = 30;
    main().CloseAllEditors();
    FlushDeletes();
    main().OpenEditor(QString::fromLatin1(kChannelWindow));
    EXPECT_EQ(combo("Combo2")->currentIndex(), kBandCb);
    EXPECT_EQ(combo("Combo6")->currentIndex(), 0);
    EXPECT_EQ(grid()->model()->rowCount(), 56);
    EXPECT_EQ(doc().config().BandMode, 7);
    Pick(combo("Combo2"), kBandCb);
    EXPECT_EQ(doc().config().BandMode, kBandCb);
}

TEST_F(ChannelWindowTest, ClosingTheWindowCommitsTheFrequencyBeingTyped) {
    StartWithBands();
    ShowBandGroup(kBandHf, 6);
    SelectRow(12);
    QTest::keyClick(grid(), Qt::Key_Return);
    QTest::keyClicks(editBox(), "26.5");
    main().CloseAllEditors();
    const int slot = FindSlot(doc().Working, kBandHf, 6, 12);
    ASSERT_GT(slot, 0);
    EXPECT_EQ(doc().Working.channel(kBandHf, slot, 6).RxFreqText.raw(), "2650000 ");
    EXPECT_FALSE(doc().ChannelEditorOpen);
}

TEST_F(ChannelWindowTest, AReopenedWindowShowsTypedFrequenciesAfterTheOldOneIsGone) {
    StartWithBands();
    // New, Open, Read and a language change close the window and open a new one; the old one is
    // destroyed later, after the new one has loaded.
    main().LoadNewDoc();
    FlushDeletes();
    EXPECT_TRUE(doc().ChannelEditorOpen);
    ShowBandGroup(kBandHf, 3);
    TypeFrequency(7, "28.5");
    EXPECT_EQ(Cell(7), "28.50000");
}

}  // namespace
}  // namespace kv::test
