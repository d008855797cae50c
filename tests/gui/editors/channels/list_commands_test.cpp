// The list commands through the main window's list-edit items, their shortcuts and the grid's
// context menu; and an edited document that survives Save and Open.
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTimer>

#include "app/ui/main_window.h"
#include "channel_fixture.h"
#include "editors/channels/channel_slots.h"
#include "model/radio_data.h"

namespace kv::test {
namespace {

class ListCommandsTest : public ChannelWindowTest {
protected:
    void ExpectCompact(int band, int group) {
        for (int slot = 1; slot <= doc().Working.channelCount(band, group); ++slot)
            EXPECT_EQ(doc().Working.channel(band, slot, group).InUse, 1) << "slot " << slot;
    }
};

TEST_F(ListCommandsTest, CopyFivePasteNineThroughShortcutsOnTheGrid) {
    StartWithBands();
    ShowBandGroup(kBandHam, 2);
    TypeFrequency(5, "28.55");
    TypeFrequency(9, "28.99");
    const QString five = Cell(5);
    ASSERT_EQ(five, "28.55000");
    SelectRow(5);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    SelectRow(9);
    QTest::keyClick(grid(), Qt::Key_Delete);
    EXPECT_EQ(Cell(9), "");
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Cell(9), five);
    const int slot = FindSlot(doc().Working, kBandHam, 2, 9);
    ASSERT_GT(slot, 0);
    EXPECT_EQ(doc().Working.channel(kBandHam, slot, 2).ChNo, 9);
    ExpectCompact(kBandHam, 2);
}

TEST_F(ListCommandsTest, ShortcutsEditTextOutsideTheGrid) {
    StartWithBands();
    ShowBandGroup(kBandHam, 1);
    const auto before = Numbers(kBandHam, 1);
    const QString shown = Cell(1);
    SelectRow(1);
    QTest::keyClick(grid(), Qt::Key_Return);
    ASSERT_TRUE(editBox()->isVisible());
    editBox()->setText(QStringLiteral("28.3"));
    editBox()->setCursorPosition(0);
    QTest::keyClick(editBox(), Qt::Key_Delete);
    QTest::keyClick(editBox(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(editBox()->isVisible());
    EXPECT_EQ(editBox()->text(), "8.3");
    editBox()->setText(shown);
    grid()->setFocus();
    EXPECT_EQ(Numbers(kBandHam, 1), before);
    EXPECT_EQ(Cell(1), shown);
}

TEST_F(ListCommandsTest, CutAndDeleteInTheVfoSayWhyAndChangeNothing) {
    StartWithBands();
    ShowBandGroup(kBandHf, 17);
    TypeFrequency(1, "25.5");
    const auto before = Numbers(kBandHf, 17);
    SelectRow(1);
    Answer({MessageAnswer::Ok, MessageAnswer::Ok});
    trigger("mnuDelete");
    trigger("mnuCut");
    ASSERT_EQ(Asked.size(), 2u);
    for (const MessageRequest& asked : Asked)
        EXPECT_EQ(asked.Text.en,
                  "The VFO group keeps its one channel: it cannot be cut, deleted or moved.");
    EXPECT_EQ(Numbers(kBandHf, 17), before);
    EXPECT_NE(Cell(1), "");
}

TEST_F(ListCommandsTest, InsertPasteInAFullGroupAsksKeepsTheCountAndSurvivesSaveAndOpen) {
    QFile versions(dir_.filePath(QStringLiteral("Version.ini")));
    ASSERT_TRUE(versions.open(QIODevice::WriteOnly));
    versions.write(
        "[Version]\nCurrentVersion=V100\nSoftVersionCount=1\nFirmVersionCount=1\n"
        "[Soft]\nVersion0=V100\n[Firm]\nFirm0=V100-V100\n");
    versions.close();
    StartWithBands();
    ShowBandGroup(kBandHam, 4);
    for (int row = 1; row <= 40; ++row)
        if (Cell(row).isEmpty()) TypeFrequency(row, QString::number(28.1 + row * 0.01, 'f', 2));
    ASSERT_EQ(doc().Working.channelCount(kBandHam, 4), 40);
    QStringList before;
    for (int row = 1; row <= 40; ++row) before << Cell(row);
    SelectRow(40);
    trigger("mnuCopy");
    // The group is full: the user is asked first, and No leaves every channel where it was.
    SelectRow(1);
    Answer({MessageAnswer::No});
    trigger("mnuInsertPaste");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text.en,
              "The group is full: inserting here pushes out channel 40. Insert anyway?");
    EXPECT_EQ(Asked[0].Text.zh, "该组已满：在此插入将移除信道 40。仍要插入吗？");
    for (int row = 1; row <= 40; ++row) EXPECT_EQ(Cell(row), before[row - 1]) << row;
    SelectRow(1);
    Answer({MessageAnswer::Yes});
    trigger("mnuInsertPaste");
    EXPECT_EQ(Asked.size(), 2u);
    EXPECT_EQ(doc().Working.channelCount(kBandHam, 4), 40);
    ExpectCompact(kBandHam, 4);
    EXPECT_EQ(Cell(1), before[39]);
    for (int row = 2; row <= 40; ++row) EXPECT_EQ(Cell(row), before[row - 2]) << row;
    QStringList shown;
    for (int row = 1; row <= 40; ++row) shown << Cell(row);

    const QString path = dir_.filePath(QStringLiteral("edited.dat"));
    chooser_->Answers.push_back(path);
    trigger("mnuFileSaveAs");
    chooser_->Answers.push_back(path);
    trigger("mnuFileOpen");
    ASSERT_NE(window(), nullptr);
    ShowBandGroup(kBandHam, 4);
    QStringList reopened;
    for (int row = 1; row <= 40; ++row) reopened << Cell(row);
    EXPECT_EQ(reopened, shown);
}

TEST_F(ListCommandsTest, CutThenPasteBringsBackAChannelOutsideTheBandsRange) {
    StartWithBands();
    ShowBandGroup(kBandCb, 7);  // the template's UK plan: channel 35 at 27.94125
    ASSERT_EQ(Cell(35), "27.94125");
    const int count = doc().Working.channelCount(kBandCb, 7);
    const ChannelRecord before =
        doc().Working.channel(kBandCb, FindSlot(doc().Working, kBandCb, 7, 35), 7);
    SelectRow(35);
    trigger("mnuCut");
    EXPECT_EQ(Cell(35), "");
    EXPECT_EQ(FindSlot(doc().Working, kBandCb, 7, 35), 0);
    trigger("mnuPaste");
    EXPECT_TRUE(Asked.empty());
    EXPECT_EQ(Cell(35), "27.94125");
    EXPECT_EQ(doc().Working.channelCount(kBandCb, 7), count);
    const int slot = FindSlot(doc().Working, kBandCb, 7, 35);
    ASSERT_GT(slot, 0);
    EXPECT_TRUE(doc().Working.channel(kBandCb, slot, 7) == before);
}

TEST_F(ListCommandsTest, InsertPasteInASparseMemGroupMovesOnlyUpToTheFirstFreeNumber) {
    StartWithBands();
    doc().Working.channelCount(kBandHf, 16) = 0;
    ShowBandGroup(kBandHf, 16);
    for (int row : {1, 2, 3, 4, 5, 6, 99})
        TypeFrequency(row, QString::number(25 + row * 0.01, 'f', 2));
    QStringList before;
    for (int row = 1; row <= 99; ++row) before << Cell(row);
    // Nothing copied: an empty row opens at M1.
    SelectRow(1);
    trigger("mnuInsertPaste");
    EXPECT_TRUE(Asked.empty());
    EXPECT_EQ(Cell(1), "");
    for (int row = 2; row <= 7; ++row) EXPECT_EQ(Cell(row), before[row - 2]) << row;
    for (int row = 8; row <= 98; ++row) EXPECT_EQ(Cell(row), "") << row;
    EXPECT_EQ(Cell(99), before[98]);
    // A copied channel goes into the row the same way.
    SelectRow(99);
    trigger("mnuCopy");
    SelectRow(3);
    trigger("mnuInsertPaste");
    EXPECT_TRUE(Asked.empty());
    EXPECT_EQ(Cell(3), before[98]);
    EXPECT_EQ(Cell(4), before[1]);
    EXPECT_EQ(Cell(8), before[5]);
    EXPECT_EQ(Cell(9), "");
    EXPECT_EQ(Cell(99), before[98]);
    ExpectCompact(kBandHf, 16);
    EXPECT_EQ(doc().Working.channelCount(kBandHf, 16), 8);
}

TEST_F(ListCommandsTest, DeleteOfAGroupsOnlyChannelKeepsTheGroupOnAndSaysWhenItCannotAct) {
    StartWithBands();
    ShowBandGroup(kBandHam, 2);
    ASSERT_GT(doc().Working.channelCount(kBandHam, 2), 0);
    const i16 valid = doc().settings().GroupValid(kBandHam, 2);
    for (int row = 1; row <= 40; ++row)
        if (!Cell(row).isEmpty()) {
            SelectRow(row);
            trigger("mnuDelete");
        }
    ASSERT_EQ(doc().Working.channelCount(kBandHam, 2), 0);
    EXPECT_EQ(doc().settings().GroupValid(kBandHam, 2), valid);
    EXPECT_TRUE(Asked.empty());
    SelectRow(7);
    Answer({MessageAnswer::Ok});
    trigger("mnuDelete");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text.en, "This row holds no channel.");
}

TEST_F(ListCommandsTest, TheContextMenuIsTheListEditMenuExceptInHfNamedGroups) {
    StartWithBands();
    QMenu* menu = action("mnuListEdit")->menu();
    ASSERT_NE(menu, nullptr);
    bool opened = false;
    // The menu runs its own loop: once it shows, the user copies from it and it closes, before
    // the request returns. A menu that never shows leaves nothing behind.
    const QMetaObject::Connection showing = QObject::connect(menu, &QMenu::aboutToShow, [&] {
        opened = true;
        QTimer::singleShot(0, menu, [&] {
            EXPECT_EQ(QApplication::activePopupWidget(), menu);
            action("mnuCopy")->trigger();  // from the menu: the grid's row is copied
            menu->close();
        });
    });
    const auto openMenuAt = [&](int row) {
        opened = false;
        const QRect cell = grid()->visualRect(grid()->model()->index(row - 1, 1));
        emit grid()->customContextMenuRequested(cell.center());
        EXPECT_FALSE(menu->isVisible());
    };
    ShowBandGroup(kBandHf, 1);
    openMenuAt(2);
    EXPECT_FALSE(opened);
    ShowBandGroup(kBandHam, 1);
    openMenuAt(2);
    EXPECT_TRUE(opened);
    EXPECT_EQ(grid()->currentIndex().row(), 1);
    EXPECT_TRUE(action("mnuPaste")->isEnabled());
    QObject::disconnect(showing);
}

}  // namespace
}  // namespace kv::test
