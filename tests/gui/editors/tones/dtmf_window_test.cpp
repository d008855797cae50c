// The DTMF window: texts in both languages, the encode lists, the code box with its key filter,
// the commit of a code and the repair of references when a code ends up empty.
#include "editors/tones/ui/dtmf_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "editors/tones/dtmf_rules.h"
#include "tone_windows_fixture.h"

namespace kv::test {
namespace {

class DtmfWindowTest : public ToneWindowsTest {
protected:
    RadioSettings& settings() { return doc().settings(); }
    DtmfWindow* open() {
        clickTreeNode("N5");
        auto* window =
            qobject_cast<DtmfWindow*>(main().FindEditor(QString::fromLatin1(kDtmfWindow)));
        EXPECT_NE(window, nullptr);
        if (window != nullptr)
            child<QTabWidget>(window, QStringLiteral("SSTab1"))->setCurrentIndex(2);
        return window;
    }
    QTableWidget* grid(DtmfWindow* w) {
        return child<QTableWidget>(w, QStringLiteral("MSFlexGrid1"));
    }
    QLineEdit* box(DtmfWindow* w) { return child<QLineEdit>(w, QStringLiteral("Text1")); }
    // Clicks the code cell of row n; the box opens over it.
    QLineEdit* editCode(DtmfWindow* w, int n) {
        QTableWidget* g = grid(w);
        const QRect cell = g->visualItemRect(g->item(n, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
        QLineEdit* b = box(w);
        EXPECT_TRUE(b->isVisible());
        EXPECT_EQ(w->CurrentCode(), n);
        return b;
    }
    void clear(QLineEdit* b) {
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Backspace);
    }
    QString cellText(DtmfWindow* w, int n) { return grid(w)->item(n, 1)->text(); }
};

TEST_F(DtmfWindowTest, TextsInBothLanguages) {
    struct Case {
        const char* Locale;
        const char* Caption;
        const char* Encode;
        const char* Autodial;
        const char* Number;
        const char* SendTime;
        const char* DCodeOff;
        const char* DCode16;
        const char* Display;
    };
    const Case cases[] = {
        {"en_US", "DTMF", "Encode", "Autodial Memory", "No.", "DTMF Send Time[ms]", "Off", "16s",
         "DTMF DISP"},
        {"zh_CN", "DTMF(双音多频)", "编码", "自动拨号存储器", "编号", "DTMF 发送时间[毫秒]", "D 码",
         "16秒", "DTMF 显示"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Locale);
        StartWithToneWindows(c.Locale);
        DtmfWindow* w = open();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.Caption));
        auto* tabs = child<QTabWidget>(w, QStringLiteral("SSTab1"));
        EXPECT_EQ(tabs->tabText(0), QString::fromUtf8(c.Encode));
        EXPECT_FALSE(tabs->isTabEnabled(1));
        EXPECT_EQ(tabs->tabText(2), QString::fromUtf8(c.Autodial));
        EXPECT_EQ(grid(w)->item(0, 0)->text(), QString::fromUtf8(c.Number));
        EXPECT_EQ(grid(w)->item(0, 1)->text(), QString::fromUtf8(c.Autodial));
        EXPECT_EQ(grid(w)->item(16, 0)->text(), QStringLiteral("16"));
        EXPECT_EQ(child<QLabel>(w, QStringLiteral("Label1_0"))->text(),
                  QString::fromUtf8(c.SendTime));
        auto* dCode = child<QComboBox>(w, QStringLiteral("Combo1_4"));
        EXPECT_EQ(dCode->itemText(0), QString::fromUtf8(c.DCodeOff));
        EXPECT_EQ(dCode->itemText(16), QString::fromUtf8(c.DCode16));
        EXPECT_EQ(child<QComboBox>(w, QStringLiteral("Combo1_3"))->itemText(0),
                  QStringLiteral("Off"));
        EXPECT_EQ(child<QCheckBox>(w, QStringLiteral("Check1"))->text(),
                  QString::fromUtf8(c.Display));
        app_.reset();
        FlushDeletes();
        QFile::remove(settingsPath());  // the next start takes the language from the locale
    }
}

// 49 shows 500; 60 is shown as itself and stays stored until the user picks; the check box
// shows 1 ticked and anything else unticked.
TEST_F(DtmfWindowTest, EncodeListsShowAndStoreWhatTheUserPicks) {
    StartWithToneWindows();
    settings().DtmfParams = {49, 60, 24, 3, 16, 7};
    DtmfWindow* w = open();
    auto* send = child<QComboBox>(w, QStringLiteral("Combo1_0"));
    auto* first = child<QComboBox>(w, QStringLiteral("Combo1_1"));
    EXPECT_EQ(send->currentText(), QStringLiteral("500"));
    EXPECT_EQ(first->currentText(), QStringLiteral("60 (not in the list)"));
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("Combo1_2"))->currentText(),
              QStringLiteral("2500"));
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("Combo1_3"))->currentText(),
              QStringLiteral("1000"));
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("Combo1_4"))->currentText(),
              QStringLiteral("16s"));
    auto* display = child<QCheckBox>(w, QStringLiteral("Check1"));
    EXPECT_FALSE(display->isChecked());
    EXPECT_EQ(settings().DtmfParams[1], 60);
    EXPECT_EQ(settings().DtmfParams[5], 7);
    EXPECT_TRUE(Edits.empty());

    emit first->activated(0);
    EXPECT_EQ(settings().DtmfParams[1], 0);
    send->setCurrentIndex(2);
    emit send->activated(2);
    EXPECT_EQ(settings().DtmfParams[0], 2);
    display->click();
    EXPECT_EQ(settings().DtmfParams[5], 1);
    display->click();
    EXPECT_EQ(settings().DtmfParams[5], 0);
    EXPECT_EQ(Edits.size(), 4u);
}

TEST_F(DtmfWindowTest, TypedKeysAreFilteredAndStoredWithNulAndBlanks) {
    StartWithToneWindows();
    DtmfWindow* w = open();
    QLineEdit* b = editCode(w, 3);
    QTest::keyClicks(b, QStringLiteral("12ab*#"));
    QTest::keyClicks(b, QStringLiteral("E fx-"));  // refused
    EXPECT_EQ(b->text(), QStringLiteral("12AB*#"));
    QTest::keyClick(b, Qt::Key_Return);  // moves on without inserting
    EXPECT_EQ(w->CurrentCode(), 4);
    EXPECT_EQ(settings().DtmfCodes[2].raw(), std::string("12AB*#\0         ", 16));
    EXPECT_EQ(cellText(w, 3), QStringLiteral("12AB*#"));
    ASSERT_EQ(Edits.size(), 1u);
    EXPECT_EQ(Edits[0].Section, EditSection::Dtmf);
}

// Enter commits the code and the box moves to the next code row with the focus: typing goes on
// there and a Space is refused by the box instead of pressing Close. The last row keeps the box.
TEST_F(DtmfWindowTest, EnterMovesTheBoxToTheNextCodeAndNeverToClose) {
    StartWithToneWindows();
    DtmfWindow* w = open();
    auto* close = child<QPushButton>(w, QStringLiteral("CommandClose"));
    struct Case {
        int From;
        int To;
    };
    for (const Case c : {Case{2, 3}, Case{15, 16}, Case{16, 16}}) {
        SCOPED_TRACE(c.From);
        QLineEdit* b = editCode(w, c.From);
        QTest::keyClicks(b, QStringLiteral("12ab*#"));
        QTest::keyClick(b, Qt::Key_Return);
        EXPECT_EQ(cellText(w, c.From), QStringLiteral("12AB*#"));
        EXPECT_EQ(w->CurrentCode(), c.To);
        EXPECT_EQ(grid(w)->currentRow(), c.To);
        EXPECT_EQ(grid(w)->currentColumn(), 1);
        EXPECT_TRUE(b->isVisible());
        EXPECT_TRUE(b->hasFocus());
        EXPECT_FALSE(close->hasFocus());
        EXPECT_EQ(b->geometry(), grid(w)->visualItemRect(grid(w)->item(c.To, 1)));
        // The user's next keys go wherever the focus is.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        ASSERT_NE(main().FindEditor(QString::fromLatin1(kDtmfWindow)), nullptr);
        EXPECT_TRUE(w->isVisible());
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Backspace);
    }
    w->FinishEdit();
    EXPECT_EQ(QString::fromStdString(DtmfCodeText(settings(), 2)), QStringLiteral("12AB*#"));
    EXPECT_EQ(QString::fromStdString(DtmfCodeText(settings(), 15)), QStringLiteral("12AB*#"));
    EXPECT_EQ(QString::fromStdString(DtmfCodeText(settings(), 3)), QString());
    EXPECT_EQ(QString::fromStdString(DtmfCodeText(settings(), 16)), QString());
}

// Paste through the keyboard is discarded; text that reaches the box another way (the context
// menu, dropping, an input method) is cleaned when it is committed.
TEST_F(DtmfWindowTest, CommitCleansWhatTheKeyFilterDidNotSee) {
    StartWithToneWindows();
    DtmfWindow* w = open();
    QApplication::clipboard()->setText(QStringLiteral("999"));
    QLineEdit* b = editCode(w, 1);
    QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(b->text(), QString());
    b->insert(QStringLiteral("1e2 f-c#中"));
    main().FinishEdits();
    EXPECT_EQ(DtmfCodeText(settings(), 1), "12C#");
    EXPECT_EQ(cellText(w, 1), QStringLiteral("12C#"));
}

// Emptying code 5 and typing it again keeps its references; committing it empty clears them
// everywhere before the open windows rebuild their lists.
TEST_F(DtmfWindowTest, ReferencesAreRepairedWhenTheEditEnds) {
    StartWithToneWindows();
    StoreDtmfCode(settings(), 2, "22");
    StoreDtmfCode(settings(), 5, "55");
    RadioData& data = doc().Working;
    data.channel(kBandHf, 3, 2).DtmfBot = 5;
    data.channel(kBandHam, 1, 14).DtmfCall = 5;
    data.Store.cbMem(90).DtmfEot = 5;
    data.channel(kBandCb, 1, 1).DtmfEot = 2;
    settings().CbPublicParams.DtmfEot = 5;
    DtmfWindow* w = open();

    QLineEdit* b = editCode(w, 5);
    clear(b);
    QTest::keyClicks(b, QStringLiteral("7"));
    QTest::keyClick(b, Qt::Key_Tab);
    EXPECT_EQ(DtmfCodeText(settings(), 5), "7");
    EXPECT_EQ(data.channel(kBandHf, 3, 2).DtmfBot, 5);
    EXPECT_EQ(settings().CbPublicParams.DtmfEot, 5);

    b = editCode(w, 5);
    clear(b);
    EXPECT_EQ(data.channel(kBandHf, 3, 2).DtmfBot, 5);  // not while typing
    main().FinishEdits();
    EXPECT_EQ(DtmfCodeText(settings(), 5), "");
    EXPECT_EQ(data.channel(kBandHf, 3, 2).DtmfBot, 0);
    EXPECT_EQ(data.channel(kBandHam, 1, 14).DtmfCall, 0);
    EXPECT_EQ(data.Store.cbMem(90).DtmfEot, 0);
    EXPECT_EQ(data.channel(kBandCb, 1, 1).DtmfEot, 2);
    EXPECT_EQ(settings().CbPublicParams.DtmfEot, 0);
}

// Typing a code leaves the references to codes that were empty already as the radio holds them;
// only the code the edit empties loses its references, with a word in the status bar.
TEST_F(DtmfWindowTest, EditsLeaveReferencesThatWereAlreadyUndefined) {
    StartWithToneWindows();
    for (int n = 1; n <= kDtmfCodeCount; ++n) StoreDtmfCode(settings(), n, "");
    StoreDtmfCode(settings(), 3, "33");
    RadioData& data = doc().Working;
    data.channel(kBandCb, 4, 2).DtmfBot = 7;
    data.channel(kBandHam, 1, 14).DtmfCall = 16;
    data.Store.cbMem(12).DtmfEot = 40;
    settings().HamPublicParams.DtmfBot = 9;
    data.channel(kBandHf, 5, 3).DtmfEot = 3;
    DtmfWindow* w = open();
    main().statusBar()->clearMessage();

    QLineEdit* b = editCode(w, 1);
    QTest::keyClicks(b, QStringLiteral("1"));
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_EQ(DtmfCodeText(settings(), 1), "1");
    EXPECT_EQ(data.channel(kBandCb, 4, 2).DtmfBot, 7);
    EXPECT_EQ(data.channel(kBandHam, 1, 14).DtmfCall, 16);
    EXPECT_EQ(data.Store.cbMem(12).DtmfEot, 40);
    EXPECT_EQ(settings().HamPublicParams.DtmfBot, 9);
    EXPECT_TRUE(main().statusBar()->currentMessage().isEmpty());

    b = editCode(w, 3);
    clear(b);
    main().FinishEdits();
    EXPECT_EQ(data.channel(kBandHf, 5, 3).DtmfEot, 0);
    EXPECT_EQ(data.channel(kBandCb, 4, 2).DtmfBot, 7);
    EXPECT_EQ(main().statusBar()->currentMessage(),
              QStringLiteral("DTMF code 3 is no longer used by 1 channel."));
}

// Text arriving without a key (the middle button's X11 selection, a drop, the box's menu) is
// refused like the Ctrl+V the key filter drops: "zh0.dat" never becomes "0DA".
TEST_F(DtmfWindowTest, PastesWithoutKeysAreRefusedLikeCtrlV) {
    StartWithToneWindows();
    StoreDtmfCode(settings(), 4, "12");
    DtmfWindow* w = open();
    QLineEdit* b = editCode(w, 4);
    b->end(false);
    EXPECT_EQ(b->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_FALSE(b->acceptDrops());

    QMimeData dropped;
    dropped.setText(QStringLiteral("zh0.dat"));
    QDropEvent drop(QPointF(b->rect().center()), Qt::CopyAction, &dropped, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(b, &drop);
    QTest::mouseClick(b, Qt::MiddleButton, {}, QPoint(2, b->height() / 2));
    EXPECT_EQ(b->text(), QStringLiteral("12"));
    EXPECT_EQ(b->cursorPosition(), 2) << "the middle button never reached the box";
    main().FinishEdits();
    EXPECT_EQ(DtmfCodeText(settings(), 4), "12");
}

// A code being typed is stored when the window closes, whichever way, and counts as an unsaved
// change: the title shows the marker, and New offers to save it before the template replaces it.
TEST_F(DtmfWindowTest, ClosingCommitsTheCodeBeingTyped) {
    CopyTemplates();  // New replaces the document
    StartWithToneWindows();
    ASSERT_EQ(DtmfCodeText(settings(), 1), "");
    ASSERT_EQ(DtmfCodeText(settings(), 2), "");
    ASSERT_FALSE(title().endsWith(QLatin1Char('*')));

    QTest::keyClicks(editCode(open(), 1), QStringLiteral("4d"));
    trigger("mnuWindowCloseAll");
    FlushDeletes();
    EXPECT_EQ(DtmfCodeText(settings(), 1), "4D");
    EXPECT_TRUE(title().endsWith(QLatin1Char('*')));

    QTest::keyClicks(editCode(open(), 2), QStringLiteral("4d"));
    const QString path = dir_.filePath(QStringLiteral("typed.dat"));
    chooser_->Answers.push_back(path);
    Answer({MessageAnswer::Yes});
    trigger("tbrNew");
    FlushDeletes();
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text, SharedMessages().UnsavedChanges);
    const std::unique_ptr<Document> saved = ReadPair(path);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(DtmfCodeText(saved->settings(), 1), "4D");
    EXPECT_EQ(DtmfCodeText(saved->settings(), 2), "4D");
    EXPECT_EQ(DtmfCodeText(settings(), 2), "");
    EXPECT_FALSE(title().endsWith(QLatin1Char('*')));
}

TEST_F(DtmfWindowTest, OpeningChangesNothing) {
    StartWithToneWindows();
    settings().DtmfCodes[0].assignPadded("12", '\0');
    settings().DtmfParams = {60, -1, 99, 9, 40, 2};
    doc().Working.channel(kBandCb, 2, 2).DtmfBot = 3;  // a code that is empty
    const RadioData before = doc().Working;
    DtmfWindow* w = open();
    EXPECT_EQ(cellText(w, 1), QStringLiteral("12"));
    editCode(w, 1);
    main().FinishEdits();
    trigger("mnuWindowCloseAll");
    EXPECT_TRUE(doc().Working.Config == before.Config);
    EXPECT_EQ(doc().Working.channel(kBandCb, 2, 2).DtmfBot, 3);
    EXPECT_TRUE(Edits.empty());
}

}  // namespace
}  // namespace kv::test
