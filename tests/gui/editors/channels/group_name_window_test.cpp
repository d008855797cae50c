// The group names window: the rename box and its filter, the stored names, CB, and the channel
// window following a rename and the window following the channel window's band.
#include "editors/channels/ui/group_name_window.h"

#include <QApplication>
#include <QClipboard>
#include <QTableWidget>

#include "app/ui/main_window.h"
#include "channel_fixture.h"

namespace kv::test {
namespace {

class GroupNameWindowTest : public ChannelWindowTest {
protected:
    GroupNameWindow* names() {
        return qobject_cast<GroupNameWindow*>(
            main().OpenEditor(QString::fromLatin1(kGroupNameWindow)));
    }
    QTableWidget* nameGrid() {
        return names()->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"));
    }
    QLineEdit* half(int i) {
        return names()->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
    }
    // Renames group `group` by typing into the two halves and pressing Enter twice.
    void Rename(int group, const QString& first, const QString& second) {
        nameGrid()->setFocus();
        nameGrid()->setCurrentCell(group - 1, 2);
        QTest::keyClick(nameGrid(), Qt::Key_Return);
        ASSERT_TRUE(half(0)->isVisible());
        half(0)->clear();
        QTest::keyClicks(half(0), first);
        QTest::keyClick(half(0), Qt::Key_Return);
        half(1)->clear();
        QTest::keyClicks(half(1), second);
        QTest::keyClick(half(1), Qt::Key_Return);
        EXPECT_FALSE(half(0)->isVisible());
    }
};

TEST_F(GroupNameWindowTest, RenamesFilterKeysAndKeepALeadingBlank) {
    StartWithBands();
    ShowBandGroup(kBandHf, 3);
    ASSERT_EQ(nameGrid()->rowCount(), 15);
    struct Case {
        const char *first, *second, *stored, *shown;
    };
    for (const Case& c : {Case{"", "7", " 7", " 7"}, Case{"A", "", "A ", "A"},
                          Case{"b#", " c", "BC", "BC"}, Case{"", "", "  ", ""}}) {
        Rename(3, c.first, c.second);
        EXPECT_EQ(doc().settings().GroupName(kBandHf, 3).raw(), c.stored) << c.first << c.second;
        EXPECT_EQ(nameGrid()->item(2, 0)->text(), c.shown);
        EXPECT_EQ(combo("Combo6")->itemText(2), c.shown);
        EXPECT_EQ(combo("Combo6")->currentIndex(), 2);  // the channel window stays on its group
    }
    // " 7": the first half shows nothing, the second "7".
    Rename(4, "", "7");
    nameGrid()->setCurrentCell(3, 2);
    QTest::keyClick(nameGrid(), Qt::Key_Return);
    EXPECT_EQ(half(0)->text(), "");
    EXPECT_EQ(half(1)->text(), "7");
    // Closing the window commits what is typed.
    half(0)->setText(QStringLiteral("Q"));
    main().CloseAllEditors();
    EXPECT_EQ(doc().settings().GroupName(kBandHf, 4).raw(), "Q7");
}

TEST_F(GroupNameWindowTest, PastedCharactersAreRefusedAtCommit) {
    StartWithBands();
    ShowBandGroup(kBandHam, 1);
    nameGrid()->setFocus();
    nameGrid()->setCurrentCell(0, 2);
    QTest::keyClick(nameGrid(), Qt::Key_Return);
    half(0)->setText(QStringLiteral("#"));  // as pasted: no key filter saw it
    Answer({MessageAnswer::Ok});
    nameGrid()->setFocus();
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, "A group name holds only 0-9, A-Z, +, -, * and /.");
    EXPECT_EQ(Asked[0].Icon, MessageIcon::Warning);
    EXPECT_EQ(doc().settings().GroupName(kBandHam, 1).trimmed(), "A");
}

TEST_F(GroupNameWindowTest, KeyboardPasteIsRefusedInEveryForm) {
    StartWithBands();
    ShowBandGroup(kBandHam, 1);
    QApplication::clipboard()->setText(QStringLiteral("#"));
    nameGrid()->setFocus();
    nameGrid()->setCurrentCell(0, 2);
    QTest::keyClick(nameGrid(), Qt::Key_Return);
    half(0)->clear();
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_V, Qt::ControlModifier},
                                         std::pair{Qt::Key_Insert, Qt::ShiftModifier}}) {
        QTest::keyClick(half(0), key, modifiers);
        EXPECT_EQ(half(0)->text(), "") << QKeySequence(key | modifiers).toString().toStdString();
    }
}

TEST_F(GroupNameWindowTest, CbNamesCannotChangeAndTheWindowFollowsTheBand) {
    StartWithBands(false);
    doc().config().BandMode = kBandCb;
    main().CloseAllEditors();
    FlushDeletes();
    main().OpenEditor(QString::fromLatin1(kChannelWindow));
    EXPECT_FALSE(nameGrid()->isEnabled());
    EXPECT_EQ(nameGrid()->rowCount(), 7);
    EXPECT_EQ(nameGrid()->item(0, 0)->text(), "EU");
    main().CloseAllEditors();
    FlushDeletes();
    doc().Radio.RadioOptionFlag = true;
    main().OpenEditor(QString::fromLatin1(kChannelWindow));
    names();
    Pick(combo("Combo2"), kBandHam);
    EXPECT_TRUE(nameGrid()->isEnabled());
    EXPECT_EQ(nameGrid()->rowCount(), 12);
    EXPECT_EQ(names()->band(), kBandHam);
}

TEST_F(GroupNameWindowTest, ARenameKeepsTheBandItBeganIn) {
    StartWithBands();
    ShowBandGroup(kBandHf, 1);
    nameGrid()->setFocus();
    nameGrid()->setCurrentCell(1, 2);
    QTest::keyClick(nameGrid(), Qt::Key_Return);
    half(0)->setText(QStringLiteral("Z"));
    const std::string hamName = doc().settings().GroupName(kBandHam, 2).raw();
    Pick(combo("Combo2"), kBandHam);  // the band changes while the rename is open
    EXPECT_EQ(doc().settings().GroupName(kBandHf, 2).trimmed(), "Z");
    EXPECT_EQ(doc().settings().GroupName(kBandHam, 2).raw(), hamName);
}

}  // namespace
}  // namespace kv::test
