// The keys a user presses first on the channel grid: typing starts a frequency entry, Escape
// abandons it, Tab leaves the grid, arrows move between cells, and no form of paste gets past
// the entry's filter.
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>

#include "app/ui/main_window.h"
#include "channel_fixture.h"
#include "model/radio_data.h"

namespace kv::test {
namespace {

TEST_F(ChannelWindowTest, ADigitOrPointTypedOnTheGridStartsTheEntryWithIt) {
    StartWithBands();
    struct Case {
        int band, group, row;
        const char* keys;
        const char* stored;  // nullptr: no entry opens
    };
    for (const Case& c :
         {Case{kBandHf, 3, 4, "28.3", "2830000 "},
          Case{kBandHam, 2, 9, ".5", nullptr},  // ".5" is out of the band
          Case{kBandHam, 2, 10, "29.1", "2910000 "}, Case{kBandCb, 1, 3, "2", nullptr}}) {
        SCOPED_TRACE(std::string(BandName(c.band)) + " " + c.keys);
        ShowBandGroup(c.band, c.group);
        SelectRow(c.row);
        QTest::keyClick(grid(), c.keys[0]);
        if (c.band == kBandCb) {
            EXPECT_FALSE(editBox()->isVisible());
            continue;
        }
        ASSERT_TRUE(editBox()->isVisible());
        EXPECT_EQ(editBox()->text(), QString(QChar(c.keys[0])));
        QTest::keyClicks(editBox(), c.keys + 1);
        EXPECT_EQ(editBox()->text(), c.keys);
        if (c.stored == nullptr) {
            Answer({MessageAnswer::Ok});
            QTest::keyClick(editBox(), Qt::Key_Return);
            continue;
        }
        QTest::keyClick(editBox(), Qt::Key_Return);
        const int slot = FindSlot(doc().Working, c.band, c.group, c.row);
        ASSERT_GT(slot, 0);
        EXPECT_EQ(doc().Working.channel(c.band, slot, c.group).RxFreqText.raw(), c.stored);
    }
}

TEST_F(ChannelWindowTest, EscapeAbandonsTheEntryAndShowsTheStoredValue) {
    StartWithBands();
    ShowBandGroup(kBandHf, 2);
    TypeFrequency(6, "28.4");
    const auto before = std::make_unique<RadioData>(doc().Working);
    QSignalSpy edits(&main(), &MainWindow::documentEdited);
    SelectRow(6);
    QTest::keyClick(grid(), Qt::Key_Return);
    editBox()->clear();
    QTest::keyClicks(editBox(), "29.9");
    QTest::keyClick(editBox(), Qt::Key_Escape);
    EXPECT_FALSE(editBox()->isVisible());
    EXPECT_EQ(Cell(6), "28.40000");
    EXPECT_EQ(grid()->currentIndex().row() + 1, 6);
    main().FinishEdits();
    EXPECT_TRUE(doc().Working.Store.Channels == before->Store.Channels);
    EXPECT_EQ(edits.count(), 0);
}

TEST_F(ChannelWindowTest, ArrowsMoveBetweenCellsAndTabLeavesTheGrid) {
    StartWithBands();
    ShowBandGroup(kBandHf, 2);
    SelectRow(3);
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_EQ(grid()->currentIndex().row() + 1, 4);
    QTest::keyClick(grid(), Qt::Key_Left);
    EXPECT_EQ(grid()->currentIndex().column(), 0);
    for (const auto modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
        SelectRow(3);
        ASSERT_TRUE(grid()->hasFocus());
        QTest::keyClick(grid(), Qt::Key_Tab, modifiers);
        EXPECT_FALSE(grid()->hasFocus()) << "Shift: " << (modifiers == Qt::ShiftModifier);
        EXPECT_EQ(grid()->currentIndex().row() + 1, 3);
    }
}

TEST_F(ChannelWindowTest, KeyboardPasteIntoTheFrequencyEntryIsDiscardedInEveryForm) {
    StartWithBands();
    ShowBandGroup(kBandHf, 2);
    QApplication::clipboard()->setText(QStringLiteral("27.1a5xy"));
    SelectRow(8);
    QTest::keyClick(grid(), Qt::Key_Return);
    editBox()->clear();
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_V, Qt::ControlModifier},
                                         std::pair{Qt::Key_Insert, Qt::ShiftModifier}}) {
        QTest::keyClick(editBox(), key, modifiers);
        EXPECT_EQ(editBox()->text(), "") << QKeySequence(key | modifiers).toString().toStdString();
    }
    QTest::keyClick(editBox(), Qt::Key_Escape);
}

}  // namespace
}  // namespace kv::test
