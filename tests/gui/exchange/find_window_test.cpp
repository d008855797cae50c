// Edit → Find… and Find Next in the running program: the keys, the hits listed, and the place a
// hit opens in the channel window.
#include "exchange/ui/find_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "app/ui/main_window.h"
#include "gui/editors/channels/channel_fixture.h"

namespace kv::test {
namespace {

class FindWindowTest : public ChannelWindowTest {
protected:
    FindWindow* findWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* w = qobject_cast<FindWindow*>(widget); w && w->isVisible()) return w;
        return nullptr;
    }
};

TEST_F(FindWindowTest, CtrlFFindsAFrequencyAndF3OpensItsChannel) {
    StartWithBands();
    ShowBandGroup(kBandHam, 3);
    TypeFrequency(7, "28.777");
    ShowBandGroup(kBandHf, 1);

    QTest::keyClick(&main(), Qt::Key_F, Qt::ControlModifier);
    FindWindow* find = findWindow();
    ASSERT_NE(find, nullptr);
    auto* entry = find->findChild<QLineEdit*>(QStringLiteral("FindText"));
    auto* hits = find->findChild<QListWidget*>(QStringLiteral("HitList"));
    QTest::keyClicks(entry, QStringLiteral("28.777"));
    QTest::keyClick(entry, Qt::Key_Return);
    ASSERT_EQ(hits->count(), 1);
    EXPECT_EQ(hits->item(0)->text(), "HAM C CH 7: 28.77700 MHz");
    EXPECT_EQ(find->findChild<QLabel*>(QStringLiteral("FindSummary"))->text(), "1 place found.");

    main().activateWindow();
    QTest::keyClick(&main(), Qt::Key_F3);
    EXPECT_EQ(combo("Combo2")->currentIndex(), kBandHam);
    EXPECT_EQ(combo("Combo6")->currentIndex(), 2);
    EXPECT_EQ(grid()->currentIndex().row(), 6);

    // A language chosen meanwhile shows when the window is next activated.
    state().CurrentLanguage = kLanguageChinese;
    QEvent activated(QEvent::ActivationChange);
    QApplication::sendEvent(find, &activated);
    EXPECT_EQ(find->windowTitle(), "查找");
    EXPECT_EQ(hits->item(0)->text(), "HAM C 信道 7：28.77700 MHz");
    state().CurrentLanguage = kLanguageEnglish;
    QApplication::sendEvent(find, &activated);

    // An edit elsewhere is followed: the channel moved off the frequency is no longer found.
    TypeFrequency(7, "28.778");
    EXPECT_EQ(hits->count(), 0);
}

TEST_F(FindWindowTest, RangesAndTextsInChinese) {
    StartWithBands();
    state().CurrentLanguage = kLanguageChinese;
    ShowBandGroup(kBandHam, 3);
    TypeFrequency(7, "28.6");
    TypeFrequency(8, "28.65");
    trigger("mnuFind");
    FindWindow* find = findWindow();
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->windowTitle(), "查找");
    auto* entry = find->findChild<QLineEdit*>(QStringLiteral("FindText"));
    entry->setText(QStringLiteral("28.59-28.7"));
    find->Search();
    ASSERT_EQ(find->Hits().size(), 2u);
    EXPECT_EQ(find->findChild<QLabel*>(QStringLiteral("FindSummary"))->text(), "找到 2 处。");
    EXPECT_EQ(find->findChild<QListWidget*>(QStringLiteral("HitList"))->item(1)->text(),
              "HAM C 信道 8：28.65000 MHz");
    // Double-clicking the second line opens channel 8.
    ShowBandGroup(kBandCb, 1);
    find->ShowHit(1);
    EXPECT_EQ(combo("Combo2")->currentIndex(), kBandHam);
    EXPECT_EQ(grid()->currentIndex().row(), 7);
}

}  // namespace
}  // namespace kv::test
