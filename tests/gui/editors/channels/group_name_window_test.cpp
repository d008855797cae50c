// The group names window: the rename box and its filter, the stored names, CB, and the channel
// window following a rename and the window following the channel window's band.
#include "editors/channels/ui/group_name_window.h"

#include <QApplication>
#include <QClipboard>
#include <QTableWidget>

#include "app/ui/main_window.h"
#include "channel_fixture.h"
#include "gui/document_editor.h"

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
    // Replaces what a half holds as the user does: erases it, then types.
    static void Type(QLineEdit* box, const QString& keys) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, keys);
    }
    // Renames group `group` by typing into the two halves and pressing Enter twice.
    void Rename(int group, const QString& first, const QString& second) {
        nameGrid()->setFocus();
        nameGrid()->setCurrentCell(group - 1, 2);
        QTest::keyClick(nameGrid(), Qt::Key_Return);
        ASSERT_TRUE(half(0)->isVisible());
        Type(half(0), first);
        QTest::keyClick(half(0), Qt::Key_Return);
        Type(half(1), second);
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
    Type(half(0), QStringLiteral("Q"));
    main().CloseAllEditors();
    EXPECT_EQ(doc().settings().GroupName(kBandHf, 4).raw(), "Q7");
}

TEST_F(GroupNameWindowTest, PastedCharactersAreRefusedAtCommit) {
    StartWithBands();
    ShowBandGroup(kBandHam, 1);
    nameGrid()->setFocus();
    nameGrid()->setCurrentCell(0, 2);
    QTest::keyClick(nameGrid(), Qt::Key_Return);
    half(0)->selectAll();
    half(0)->insert(QStringLiteral("#"));  // as pasted: no key filter saw it
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
    // Nor does text arrive without a key: no drop, no menu, no middle button.
    for (QLineEdit* box : {half(0), half(1)}) {
        EXPECT_FALSE(box->acceptDrops());
        EXPECT_EQ(box->contextMenuPolicy(), Qt::NoContextMenu);
    }
}

// Name bytes above 0x7F, as a radio may hold them, show as the code page shows them or as their
// escape, so that groups differing in such bytes look different in the window and the channel
// window's group selector; opening the rename box and leaving it untyped stores nothing.
TEST_F(GroupNameWindowTest, NamesFromTheRadioShowTheirBytesAndAnUntypedRenameStoresNothing) {
    StartWithBands();
    doc().settings().GroupName(kBandHf, 3).assign("\x81\x8D");
    doc().settings().GroupName(kBandHf, 4).assign("\x8D\x81");
    doc()
        .settings()
        .GroupName(kBandHf, 5)
        .assign(
            "\xE7"
            "b");
    ShowBandGroup(kBandHf, 1);
    window()->ReShow_Group_Name();
    names();
    const struct {
        int group;
        const char* shown;
    } cases[] = {{3, "\\x81\\x8D"}, {4, "\\x8D\\x81"}, {5, "\u00E7b"}};
    for (const auto& c : cases) {
        EXPECT_EQ(nameGrid()->item(c.group - 1, 0)->text(), QString::fromUtf8(c.shown)) << c.group;
        EXPECT_EQ(combo("Combo6")->itemText(c.group - 1), QString::fromUtf8(c.shown)) << c.group;
    }

    const int steps = main().Editor().UndoCount();
    nameGrid()->setFocus();
    nameGrid()->setCurrentCell(4, 2);
    QTest::keyClick(nameGrid(), Qt::Key_Return);
    EXPECT_EQ(half(0)->text(), QString::fromUtf8("\u00E7"));
    EXPECT_EQ(half(1)->text(), QStringLiteral("b"));
    QTest::keyClick(half(0), Qt::Key_Return);
    QTest::keyClick(half(1), Qt::Key_Return);
    EXPECT_FALSE(half(0)->isVisible());
    EXPECT_EQ(doc().settings().GroupName(kBandHf, 5).raw(),
              "\xE7"
              "b");
    EXPECT_EQ(main().Editor().UndoCount(), steps);

    // Typing one half keeps the stored byte of the other, shown as the box's hint.
    nameGrid()->setCurrentCell(2, 2);
    QTest::keyClick(nameGrid(), Qt::Key_Return);
    EXPECT_EQ(half(0)->text(), QString());
    EXPECT_EQ(half(0)->placeholderText(), QStringLiteral("\\x81"));
    QTest::keyClick(half(0), Qt::Key_Return);
    QTest::keyClicks(half(1), QStringLiteral("7"));
    QTest::keyClick(half(1), Qt::Key_Return);
    EXPECT_EQ(doc().settings().GroupName(kBandHf, 3).raw(),
              "\x81"
              "7");
    EXPECT_EQ(main().Editor().UndoCount(), steps + 1);
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
    Type(half(0), QStringLiteral("Z"));
    const std::string hamName = doc().settings().GroupName(kBandHam, 2).raw();
    Pick(combo("Combo2"), kBandHam);  // the band changes while the rename is open
    EXPECT_EQ(doc().settings().GroupName(kBandHf, 2).trimmed(), "Z");
    EXPECT_EQ(doc().settings().GroupName(kBandHam, 2).raw(), hamName);
}

}  // namespace
}  // namespace kv::test
