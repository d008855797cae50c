// The real settings and channel windows' roger-beep and DTMF lists follow the tone and DTMF
// windows.
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "editors/tones/dtmf_rules.h"
#include "tone_windows_fixture.h"

namespace kv::test {
namespace {

class ListsFollowTest : public ToneWindowsTest {
protected:
    void SetUp() override {
        ToneWindowsTest::SetUp();
        StartWithToneWindows("en_US");
    }
    QComboBox* settingsList(const char* name) {
        trigger("mnuOptionFeatures");
        QWidget* settings = main().FindEditor(QString::fromLatin1(kSettingsWindow));
        EXPECT_NE(settings, nullptr);
        return settings ? child<QComboBox>(settings, QString::fromLatin1(name)) : nullptr;
    }
    QComboBox* channelList(const char* name) {
        QWidget* channels = main().FindEditor(QString::fromLatin1(kChannelWindow));
        EXPECT_NE(channels, nullptr);
        return channels ? child<QComboBox>(channels, QString::fromLatin1(name)) : nullptr;
    }
    void reopenChannelWindow() {
        if (QWidget* channels = main().FindEditor(QString::fromLatin1(kChannelWindow)))
            channels->parentWidget()->close();
        FlushDeletes();
        main().OpenEditor(QString::fromLatin1(kChannelWindow));
    }
    static QStringList Items(QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        return items;
    }
    static void pick(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

TEST_F(ListsFollowTest, RogerListsDropAToneThatBecomesUndefined) {
    ConfigRecord& config = doc().config();
    UndefineAllTones();
    for (const int n : {1, 3}) {
        config.ToneTable[static_cast<std::size_t>(n - 1)].Steps[0] = {100, 10};
        config.ToneTable[static_cast<std::size_t>(n - 1)].ToneRepeat = 1;
    }
    config.Settings.CbPublicParams.RogerBeep = 3;
    QComboBox* roger = settingsList("CbRogerBeep");
    ASSERT_NE(roger, nullptr);
    // The channel window opened before the tones were set behind its back: reopened, it
    // builds its lists from the document.
    reopenChannelWindow();
    QComboBox* channelRoger = channelList("Combo8_11");
    ASSERT_NE(channelRoger, nullptr);
    EXPECT_TRUE(Items(channelRoger).contains(QStringLiteral("3")));
    EXPECT_EQ(Items(roger),
              (QStringList{QStringLiteral("Off"), QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_EQ(roger->currentText(), QStringLiteral("3"));

    trigger("mnuRogerBeep");
    QWidget* tones = main().FindEditor(QString::fromLatin1(kRogerBeepWindow));
    ASSERT_NE(tones, nullptr);
    child<QTabBar>(tones, QStringLiteral("TabStrip1"))->setCurrentIndex(2);
    pick(child<QComboBox>(tones, QStringLiteral("cboRecycle")), 0);

    EXPECT_EQ(config.Settings.CbPublicParams.RogerBeep, 0);
    EXPECT_EQ(Items(roger), (QStringList{QStringLiteral("Off"), QStringLiteral("1")}));
    EXPECT_EQ(roger->currentText(), QStringLiteral("Off"));
    EXPECT_TRUE(Items(channelRoger).contains(QStringLiteral("1")));
    EXPECT_FALSE(Items(channelRoger).contains(QStringLiteral("3")));
}

TEST_F(ListsFollowTest, DtmfListsDropACodeThatIsEmptied) {
    RadioSettings& s = doc().settings();
    StoreDtmfCode(s, 2, "2");
    StoreDtmfCode(s, 5, "5");
    s.CbPublicParams.DtmfEot = 5;
    QComboBox* eot = settingsList("CbDtmfEot");
    ASSERT_NE(eot, nullptr);
    // The channel window opened before the codes were set behind its back: reopened, it
    // builds its lists from the document.
    reopenChannelWindow();
    QComboBox* channelBot = channelList("Combo8_13");
    ASSERT_NE(channelBot, nullptr);
    EXPECT_TRUE(Items(channelBot).contains(QStringLiteral("5")));
    EXPECT_EQ(Items(eot),
              (QStringList{QStringLiteral("Off"), QStringLiteral("2"), QStringLiteral("5")}));
    EXPECT_EQ(eot->currentText(), QStringLiteral("5"));

    trigger("mnuDTMF");
    QWidget* dtmf = main().FindEditor(QString::fromLatin1(kDtmfWindow));
    ASSERT_NE(dtmf, nullptr);
    child<QTabWidget>(dtmf, QStringLiteral("SSTab1"))->setCurrentIndex(2);
    auto* grid = child<QTableWidget>(dtmf, QStringLiteral("MSFlexGrid1"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualItemRect(grid->item(5, 1)).center());
    auto* box = child<QLineEdit>(dtmf, QStringLiteral("Text1"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Return);

    EXPECT_EQ(s.CbPublicParams.DtmfEot, 0);
    EXPECT_EQ(Items(eot), (QStringList{QStringLiteral("Off"), QStringLiteral("2")}));
    EXPECT_EQ(eot->currentText(), QStringLiteral("Off"));
    EXPECT_TRUE(Items(channelBot).contains(QStringLiteral("2")));
    EXPECT_FALSE(Items(channelBot).contains(QStringLiteral("5")));
}

}  // namespace
}  // namespace kv::test
