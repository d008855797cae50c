// Tools → Sort Group by Frequency, Move Up and Move Down in the channel window: what the grid
// shows after each, one undo step each, the keys, and the refusal in CB groups.
#include <QAction>

#include "app/ui/main_window.h"
#include "channel_fixture.h"
#include "gui/document_editor.h"
#include "model/radio_data.h"

namespace kv::test {
namespace {

class ChannelOrderTest : public ChannelWindowTest {
protected:
    std::vector<QString> Cells(int first, int last) {
        std::vector<QString> cells;
        for (int row = first; row <= last; ++row) cells.push_back(Cell(row));
        return cells;
    }
    int UndoSteps() { return main().Editor().UndoCount(); }
};

TEST_F(ChannelOrderTest, SortKeepsGapsFollowsTheWorkChannelAndUndoesInOneStep) {
    StartWithBands();
    ShowBandGroup(kBandHam, 2);
    TypeFrequency(1, "29.1");
    TypeFrequency(2, "28.5");
    TypeFrequency(4, "28.2");
    const std::vector<QString> before = Cells(1, 5);
    ASSERT_EQ(before, (std::vector<QString>{"29.10000", "28.50000", "", "28.20000", ""}));
    ASSERT_EQ(doc().settings().GroupWorkChannel(kBandHam, 2), 1);
    const int steps = UndoSteps();

    trigger("mnuSortGroup");
    EXPECT_EQ(Cells(1, 5), (std::vector<QString>{"28.20000", "28.50000", "", "29.10000", ""}));
    // The work channel was the 29.1 MHz channel, and still is.
    EXPECT_EQ(doc().settings().GroupWorkChannel(kBandHam, 2), 4);
    EXPECT_EQ(combo("Combo1_4")->currentText(), "4");
    EXPECT_EQ(UndoSteps(), steps + 1);

    trigger("mnuUndo");
    EXPECT_EQ(Cells(1, 5), before);
    EXPECT_EQ(doc().settings().GroupWorkChannel(kBandHam, 2), 1);
    EXPECT_EQ(UndoSteps(), steps);
}

TEST_F(ChannelOrderTest, CtrlShiftArrowsMoveTheSelectedChannelAndItsSelection) {
    StartWithBands();
    ShowBandGroup(kBandHf, kMemGroup[kBandHf]);
    TypeFrequency(3, "25.1");
    TypeFrequency(4, "25.2");
    const std::vector<QString> before = Cells(1, 5);
    const int steps = UndoSteps();
    SelectRow(4);
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cell(3), "25.20000");
    EXPECT_EQ(Cell(4), "25.10000");
    QTest::keyClick(grid(), Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cell(2), "25.20000");
    EXPECT_EQ(Cell(3), "");
    EXPECT_EQ(grid()->currentIndex().row() + 1, 2);
    EXPECT_EQ(UndoSteps(), steps + 2);
    QTest::keyClick(grid(), Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cell(3), "25.20000");
    EXPECT_EQ(UndoSteps(), steps + 3);
    for (int i = 0; i < 3; ++i) trigger("mnuUndo");
    EXPECT_EQ(Cells(1, 5), before);
}

TEST_F(ChannelOrderTest, CbGroupsRefuseInBothLanguages) {
    StartWithBands();
    ShowBandGroup(kBandCb, 1);
    const std::vector<QString> before = Cells(1, 40);
    const int steps = UndoSteps();
    SelectRow(5);
    grid()->setFocus();
    Answer({MessageAnswer::Ok, MessageAnswer::Ok});
    trigger("mnuSortGroup");
    QTest::keyClick(grid(), Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(Asked.size(), 2u);
    for (const MessageRequest& asked : Asked) {
        EXPECT_EQ(asked.Text.en,
                  "CB channel numbers are those of the national channel plan: they cannot be "
                  "sorted or moved.");
        EXPECT_EQ(asked.Text.zh, "CB 信道号由国家信道规划确定，不能排序或移动。");
    }
    EXPECT_EQ(Cells(1, 40), before);
    EXPECT_EQ(UndoSteps(), steps);
}

}  // namespace
}  // namespace kv::test
