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

TEST_F(ListCommandsTest, CutAndDeleteInTheVfoDoNothing) {
    StartWithBands();
    ShowBandGroup(kBandHf, 17);
    TypeFrequency(1, "25.5");
    const auto before = Numbers(kBandHf, 17);
    SelectRow(1);
    trigger("mnuDelete");
    trigger("mnuCut");
    EXPECT_EQ(Numbers(kBandHf, 17), before);
    EXPECT_NE(Cell(1), "");
}

TEST_F(ListCommandsTest, InsertPasteOnRowOneOfAFullGroupKeepsTheCountAndSurvivesSaveAndOpen) {
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
    SelectRow(1);
    trigger("mnuInsertPaste");
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
