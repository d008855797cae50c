// The settings window through its controls: texts in both languages, what stored values show and
// what picks, ticks and typed texts store, the dependencies, the PUBLIC switches, the refresh
// operations the tone and DTMF editors call, and the document surviving Save and Open.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "app/main_window_tables.h"
#include "editors/settings/settings_rows.h"
#include "editors/settings/settings_texts.h"
#include "gui/editors/settings/settings_fixture.h"
#include "model/channel_store.h"
#include "model/radio_data.h"
#include "unit/editors/settings/setting_members.h"

namespace kv::settingstest {
namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

void DefineCode(Document& doc, int n, const char* digits) {
    doc.settings().DtmfCodes[static_cast<std::size_t>(n - 1)].assign(digits);
}

void DefineTone(Document& doc, int n) {
    ToneRecord& tone = doc.config().ToneTable[static_cast<std::size_t>(n - 1)];
    tone.ToneRepeat = 2;
    tone.Steps[0].ToneTime = 10;
}

TEST_F(SettingsWindowTest, ShowsTheRowsWithTheirTextsInEnglish) {
    StartApp(kLanguageEnglish, true);
    Open();
    EXPECT_EQ(window()->windowTitle(), Q("Optional Features"));
    EXPECT_EQ(window()->findChild<QLabel*>(Q("lblAsqEnabled"))->text(), Q("ASQ Level"));
    EXPECT_EQ(window()->findChild<QLabel*>(Q("lblTalkBack"))->text(), Q("TaIK Back"));
    EXPECT_EQ(Check("SwrProtect")->text(), Q("SWR Protect"));
    EXPECT_EQ(Check("ModeEnablePA")->text(), Q("PA Enable"));
    EXPECT_EQ(window()->findChild<QPushButton*>(Q("CommandClose"))->text(), Q("&Close"));
    EXPECT_EQ(window()->findChild<QGroupBox*>(Q("fraCbPublic"))->title(), Q("CB Public"));
    EXPECT_EQ(window()->findChild<QLabel*>(Q("lblCbRogerBeep"))->text(), Q("Chan Rb"));
    EXPECT_EQ(window()->findChild<QLabel*>(Q("lblHfRogerBeep"))->text(), Q("Roger"));
    EXPECT_EQ(window()->findChild<QComboBox*>(Q("CbAdd10K")), nullptr);
    EXPECT_NE(window()->findChild<QComboBox*>(Q("HamAdd10K")), nullptr);
    EXPECT_EQ(Entries("Tot").size(), 61);
    EXPECT_EQ(Entries("Tot").first(), Q("Off"));
    EXPECT_EQ(Entries("CwFreq").last(), Q("2550"));
    EXPECT_EQ(Entries("KeyP1").size(), 19);
    EXPECT_EQ(Entries("HamPublic"), (QStringList{Q("On"), Q("Off")}));
    EXPECT_EQ(Entries("HfNbAnl"), (QStringList{Q("Off"), Q("NB"), Q("ANL"), Q("NB/ANL")}));
    EXPECT_EQ(Box("BtDeviceName")->maxLength(), 16);
}

TEST_F(SettingsWindowTest, ShowsTheRowsWithTheirTextsInChinese) {
    StartApp(kLanguageChinese);
    Open();
    EXPECT_EQ(window()->windowTitle(), Q("可选功能"));
    EXPECT_EQ(window()->findChild<QLabel*>(Q("lblAsqEnabled"))->text(), Q("ASQ等级"));
    EXPECT_EQ(window()->findChild<QLabel*>(Q("lblVoxDelay"))->text(), Q("声控延时"));
    EXPECT_EQ(Check("BatteryProtect")->text(), Q("电池电压保护"));
    EXPECT_EQ(window()->findChild<QPushButton*>(Q("CommandClose"))->text(), Q("关闭(&C)"));
    EXPECT_EQ(window()->findChild<QGroupBox*>(Q("fraHamPublic"))->title(), Q("HAM 公共信道设置"));
    EXPECT_EQ(Entries("Tot").first(), Q("关"));
    EXPECT_EQ(Entries("ScanType"), (QStringList{Q("静噪扫描"), Q("时间扫描")}));
    EXPECT_EQ(Entries("AsqEnabled"), (QStringList{Q("Off"), Q("On")}));
    EXPECT_EQ(Entries("CwBreakIn").first(), Q("Off"));
    EXPECT_EQ(Entries("CbEcho"), (QStringList{Q("关"), Q("开")}));
    EXPECT_EQ(Entries("CbPublic"), (QStringList{Q("On"), Q("Off")}));
    EXPECT_EQ(Entries("KeyP1").size(), 18);  // no "VFO" without the radio's option
}

// Stored value → shown entry → picked entry → stored value, once per kind of row, through the
// window's lists. Opening shows the value and stores nothing; the pick is announced once.
TEST_F(SettingsWindowTest, ListsShowTheStoredValueAndStoreThePick) {
    struct Case {
        const char* list;
        bool option;
        int stored;
        const char* shown;
        const char* pick;
        int storedAfter;
    };
    const Case cases[] = {
        {"Tot", false, 60, "600s", "10s", 1},
        {"Tot", false, 61, "61 (not in the list)", "20s", 2},  // kept until picked
        {"MicGain", false, 0, "1", "45", 44},
        {"CwFreq", false, 255, "2550", "300", 30},
        {"CwFreq", false, 10, "10 (not in the list)", "310", 31},
        {"KeyP2", false, 3, "NB.ANL", "MODE SET", 18},
        {"KeyP2", true, 2, "VFO", "NB.ANL", 3},
        {"KeyP2", false, 40, "40 (not in the list)", "VOX", 1},
        {"BtHoldDelay", false, 10, "5.5S", "30ms", 0},
        {"ChVolKind", false, 1, "VOL", "CH", 0},
    };
    for (const Case& c : cases) {
        StartApp(kLanguageEnglish, c.option);
        test::StoreIn(doc().config(), c.list, c.stored);
        const auto before = std::make_unique<RadioData>(doc().Working);
        Open();
        EXPECT_EQ(List(c.list)->currentText(), Q(c.shown)) << c.list << " " << c.stored;
        EXPECT_TRUE(doc().Working.Config == before->Config) << "opening stored " << c.list;
        EXPECT_EQ(edits_->count(), 0);
        Pick(c.list, Q(c.pick));
        EXPECT_EQ(test::StoredIn(doc().config(), c.list), c.storedAfter) << c.list << " " << c.pick;
        EXPECT_EQ(edits_->count(), 1);
        app_.reset();
        FlushDeletes();
    }
}

TEST_F(SettingsWindowTest, AKeyHoldingVfoKeepsItUntilTheUserPicksAnother) {
    StartApp(kLanguageEnglish, false);
    doc().settings().KeyP3 = 2;
    doc().settings().HandType = 2;
    Open();
    EXPECT_EQ(List("KeyP3")->currentText(), Q("VFO"));
    EXPECT_EQ(Entries("KeyP3").size(), 19);
    EXPECT_EQ(Entries("KeyP4").size(), 18);
    FlushDeletes();
    main().DocumentEdited({EditSection::Whole});
    EXPECT_EQ(doc().settings().KeyP3, 2);
    Pick("KeyP3", Q("NB.ANL"));
    EXPECT_EQ(doc().settings().KeyP3, 3);
    EXPECT_EQ(Entries("KeyP3").size(), 18);
    EXPECT_EQ(List("KeyP3")->currentText(), Q("NB.ANL"));
}

// Values no list can show, tones and codes that are not defined: opening, refreshing, ShowRB and
// ShowDTMF and closing leave the whole document as it was.
TEST_F(SettingsWindowTest, ShowingAndRefreshingStoreNothing) {
    StartApp(kLanguageEnglish, false);
    RadioSettings& s = doc().settings();
    doc().config().BandMode = kBandCb;
    doc().config().ToneTable = {};
    s.DtmfCodes = {};
    s.Tot = 99;
    s.Clarifier = 3;
    s.KeyP1 = 2;
    s.PfKey = -4;
    s.CwFreq = 7;
    s.SwrProtect = 5;
    s.BtHoldTime = 70;
    s.RepeaterOffset = 65535;
    s.BatteryMin = 300;
    s.BatteryMax = 50;
    s.CbPublicParams.RogerBeep = 4;
    s.HfPublicParams.DtmfBot = 9;
    s.HamPublicParams.Mode = 12;
    doc().config().ModeEnable = {0, 0, 0, 0, 0, 0};
    doc().config().HamPublic = 5;
    DefineCode(doc(), 2, "12");
    DefineTone(doc(), 1);
    const auto before = std::make_unique<RadioData>(doc().Working);

    Open();
    EXPECT_EQ(List("CbRogerBeep")->currentText(), Q("4 (not in the list)"));
    EXPECT_EQ(List("HfDtmfBot")->currentText(), Q("9 (not in the list)"));
    EXPECT_EQ(List("HamMode")->currentText(), Q("12 (not in the list)"));
    EXPECT_EQ(List("Clarifier")->currentText(), Q("3 (not in the list)"));
    EXPECT_TRUE(Check("SwrProtect")->isChecked());
    EXPECT_EQ(Box("RepeaterOffset")->text(), Q("6.5535"));
    window()->ShowRB();
    window()->ShowDTMF();
    main().DocumentEdited({EditSection::Whole});
    main().FinishEdits();
    CloseWithButton();
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(doc().Working.Config == before->Config);
    EXPECT_TRUE(doc().Working.Store.Channels == before->Store.Channels);
}

TEST_F(SettingsWindowTest, PublicListsFollowTheDefinedTonesAndCodesOnTheEdit) {
    StartApp(kLanguageEnglish, true);
    doc().config().ToneTable = {};
    doc().settings().DtmfCodes = {};
    DefineCode(doc(), 2, "1");
    DefineCode(doc(), 5, "2");
    DefineTone(doc(), 3);
    DefineTone(doc(), 6);
    doc().settings().HfPublicParams.DtmfEot = 5;
    doc().settings().CbPublicParams.RogerBeep = 6;
    Open();
    EXPECT_EQ(Entries("HfDtmfEot"), (QStringList{Q("Off"), Q("2"), Q("5")}));
    EXPECT_EQ(List("HfDtmfEot")->currentText(), Q("5"));
    EXPECT_EQ(Entries("CbRogerBeep"), (QStringList{Q("Off"), Q("3"), Q("6")}));

    // The DTMF editor clears code 5, repairs the references and announces the edit.
    doc().settings().DtmfCodes[4].assign("");
    doc().settings().HfPublicParams.DtmfEot = 0;
    main().DocumentEdited(DocumentEdit{EditSection::Dtmf});
    EXPECT_EQ(Entries("HfDtmfEot"), (QStringList{Q("Off"), Q("2")}));
    EXPECT_EQ(List("HfDtmfEot")->currentText(), Q("Off"));
    EXPECT_EQ(Entries("CbDtmfCall"), (QStringList{Q("Off"), Q("2")}));

    doc().config().ToneTable[5].ToneRepeat = 0;
    main().DocumentEdited(DocumentEdit{EditSection::Tones});
    EXPECT_EQ(Entries("HamRogerBeep"), (QStringList{Q("Off"), Q("3")}));
    EXPECT_EQ(List("CbRogerBeep")->currentText(), Q("6 (not in the list)"));
    EXPECT_EQ(doc().settings().CbPublicParams.RogerBeep, 6) << "redrawing stores nothing";

    edits_->clear();
    Pick("HamRogerBeep", Q("3"));
    Pick("CbDtmfCall", Q("2"));
    Pick("HfMode", Q("CW"));
    EXPECT_EQ(doc().settings().HamPublicParams.RogerBeep, 3);
    EXPECT_EQ(doc().settings().CbPublicParams.DtmfCall, 2);
    EXPECT_EQ(doc().settings().HfPublicParams.Mode, 5);
    EXPECT_EQ(edits_->count(), 3);
    EXPECT_EQ(edits_->last().at(0).value<DocumentEdit>().Section, EditSection::PublicChannels);
}

TEST_F(SettingsWindowTest, NumberBoxesClampReplaceAndExchange) {
    StartApp();
    doc().settings().SwrProtect = 1;
    doc().settings().BatteryProtect = 1;
    doc().settings().BatteryMin = 90;
    doc().settings().BatteryMax = 100;
    Open();
    TypeAndLeave("RepeaterOffset", Q("0"));
    EXPECT_EQ(Box("RepeaterOffset")->text(), Q("0.0001"));
    EXPECT_EQ(doc().settings().RepeaterOffset, 1);
    TypeAndLeave("RepeaterOffset", Q("7"));
    EXPECT_EQ(Box("RepeaterOffset")->text(), Q("5.0000"));
    EXPECT_EQ(doc().settings().RepeaterOffset, 50000);
    TypeAndLeave("RepeaterOffset", Q("0.6"));
    TypeAndLeave("RepeaterOffset", Q("abc"));  // the key filter lets none of it in
    EXPECT_EQ(Box("RepeaterOffset")->text(), Q("5.0000"));
    EXPECT_EQ(doc().settings().RepeaterOffset, 50000);
    TypeAndLeave("SwrLimit", Q("1x.2-5"));
    EXPECT_EQ(Box("SwrLimit")->text(), Q("1.2"));
    EXPECT_EQ(doc().settings().SwrLimit, 12);
    TypeAndLeave("SwrLimit", Q("1.35"));
    EXPECT_EQ(Box("SwrLimit")->text(), Q("1.4"));
    EXPECT_EQ(doc().settings().SwrLimit, 14);

    TypeAndLeave("BatteryMin", Q("12"));
    EXPECT_EQ(Box("BatteryMin")->text(), Q("10.0"));
    EXPECT_EQ(Box("BatteryMax")->text(), Q("12.0"));
    EXPECT_EQ(doc().settings().BatteryMin, 100);
    EXPECT_EQ(doc().settings().BatteryMax, 120);
    EXPECT_EQ(edits_->count(), 7);
    TypeAndLeave("SwrLimit", Q("1.4"));  // the value it holds: no edit to announce
    EXPECT_EQ(edits_->count(), 7);
}

// The key filter sees no paste: the committed text is checked again.
TEST_F(SettingsWindowTest, APastedTextIsCheckedWhenCommitted) {
    StartApp();
    doc().settings().SwrProtect = 1;
    Open();
    QApplication::clipboard()->setText(Q("-3"));
    Box("SwrLimit")->selectAll();
    Box("SwrLimit")->paste();
    EXPECT_EQ(Box("SwrLimit")->text(), Q("-3"));
    window()->FinishEdit();
    EXPECT_EQ(Box("SwrLimit")->text(), Q("20.0"));
    EXPECT_EQ(doc().settings().SwrLimit, 200);
}

// Pasting through the keyboard is refused in every form, Shift+Insert as Ctrl+V.
TEST_F(SettingsWindowTest, KeyboardPasteIsRefusedInEveryForm) {
    StartApp();
    doc().settings().SwrProtect = 1;
    Open();
    QApplication::clipboard()->setText(Q("27.1a5xy"));
    QLineEdit* box = Box("SwrLimit");
    const QString shown = box->text();
    box->setFocus();
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_V, Qt::ControlModifier},
                                         std::pair{Qt::Key_Insert, Qt::ShiftModifier}}) {
        QTest::keyClick(box, key, modifiers);
        EXPECT_EQ(box->text(), shown) << QKeySequence(key | modifiers).toString().toStdString();
    }
}

// A pick in the window is an unsaved change: the title shows the marker and Exit asks about it;
// picking the stored value back leaves nothing to ask.
TEST_F(SettingsWindowTest, APickCountsAsAnUnsavedChange) {
    StartApp();
    main().show();
    Open();
    ASSERT_FALSE(main().isWindowModified());
    const QString before = List("HandType")->currentText();
    Pick("HandType", before == Q("Type 3") ? Q("Type 1") : Q("Type 3"));
    EXPECT_TRUE(main().isWindowModified());
    Answer({MessageAnswer::Cancel});
    EXPECT_FALSE(main().close());
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text, SharedMessages().UnsavedChanges);

    Pick("HandType", before);
    EXPECT_FALSE(main().isWindowModified());
    EXPECT_TRUE(main().close());
    EXPECT_EQ(Asked.size(), 1u);
}

TEST_F(SettingsWindowTest, DependentControlsFollowTheirControllers) {
    StartApp();
    doc().settings().VoxLevel = 3;
    doc().settings().VoxDelay = 4;
    doc().settings().HandType = 0;
    doc().settings().SwrProtect = 0;
    doc().settings().BatteryProtect = 0;
    Open();
    EXPECT_TRUE(List("VoxDelay")->isEnabled());
    Pick("VoxLevel", Q("Off"));
    EXPECT_FALSE(List("VoxDelay")->isEnabled());
    EXPECT_EQ(doc().settings().VoxDelay, 4);

    EXPECT_TRUE(List("PfKey")->isEnabled());
    EXPECT_FALSE(List("KeyP1")->isEnabled());
    Pick("HandType", Q("Type 3"));
    EXPECT_FALSE(List("PfKey")->isEnabled());
    for (const char* key : {"KeyP1", "KeyP2", "KeyP3", "KeyP4"})
        EXPECT_TRUE(List(key)->isEnabled());
    Pick("HandType", Q("Type 1"));
    EXPECT_TRUE(List("PfKey")->isEnabled());
    EXPECT_FALSE(List("KeyP4")->isEnabled());

    EXPECT_FALSE(Box("SwrLimit")->isEnabled());
    Click("SwrProtect");
    EXPECT_TRUE(Box("SwrLimit")->isEnabled());
    EXPECT_EQ(doc().settings().SwrProtect, 1);
    Click("BatteryProtect");
    EXPECT_TRUE(Box("BatteryMin")->isEnabled());
    EXPECT_TRUE(Box("BatteryMax")->isEnabled());
}

TEST_F(SettingsWindowTest, TheLastModeEnableBoxStaysTicked) {
    StartApp();
    doc().config().ModeEnable = {0, 0, 0, 0, 1, 0};  // CW only
    Open();
    EXPECT_TRUE(Check("ModeEnableCW")->isChecked());
    EXPECT_FALSE(Check("ModeEnablePA")->isChecked());
    Click("ModeEnableCW");
    EXPECT_TRUE(Check("ModeEnableCW")->isChecked());
    EXPECT_EQ(doc().config().ModeEnable[4], 1);
    EXPECT_EQ(edits_->count(), 0);
    Click("ModeEnablePA");
    Click("ModeEnableCW");
    EXPECT_FALSE(Check("ModeEnableCW")->isChecked());
    EXPECT_EQ((doc().config().ModeEnable), (std::array<i16, 6>{0, 0, 0, 0, 0, 1}));
}

TEST_F(SettingsWindowTest, TheDeviceNameRefusesWhatTheRadioCannotHold) {
    StartApp();
    doc().settings().BtDeviceName.assign("Old");
    Open();
    Answer({MessageAnswer::Ok});
    Type("BtDeviceName", Q("Mic "));
    Compose("BtDeviceName", Q("中"));
    QTest::keyClick(Box("BtDeviceName"), Qt::Key_Return);
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text, SettingsTexts().DeviceNameUnfit);
    EXPECT_EQ(Asked[0].Icon, MessageIcon::Warning);
    EXPECT_EQ(Box("BtDeviceName")->text(), Q("Old"));
    EXPECT_EQ(doc().settings().BtDeviceName.trimmed(), "Old");

    // Sixteen characters, "€" one byte in the document and the same byte on the way to the radio.
    Type("BtDeviceName", Q("1234567"));
    Compose("BtDeviceName", Q("€€€€€€€€€"));
    QTest::keyClick(Box("BtDeviceName"), Qt::Key_Return);
    EXPECT_EQ(Asked.size(), 1u);
    EXPECT_EQ(doc().settings().BtDeviceName.raw(), "1234567" + std::string(9, '\x80'));

    TypeAndLeave("BtDeviceName", Q("Car Handset  "));
    EXPECT_EQ(doc().settings().BtDeviceName.raw(), "Car Handset     ");
    EXPECT_EQ(Asked.size(), 1u);
}

// In a Simplified Chinese system the name is kept in GBK: two bytes a character.
TEST_F(SettingsWindowTest, TheDeviceNameUsesTheSystemsCodePage) {
    StartApp(kLanguageChinese, false, "zh_CN");
    Open();
    Compose("BtDeviceName", Q("蓝牙耳机"));
    QTest::keyClick(Box("BtDeviceName"), Qt::Key_Return);
    EXPECT_EQ(doc().settings().BtDeviceName.raw(), "\xC0\xB6\xD1\xC0\xB6\xFA\xBB\xFA        ");
    EXPECT_EQ(Box("BtDeviceName")->text(), Q("蓝牙耳机"));

    Answer({MessageAnswer::Ok});
    Compose("BtDeviceName", Q("蓝牙耳机蓝牙"));  // added to the four: 20 bytes
    QTest::keyClick(Box("BtDeviceName"), Qt::Key_Return);
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, SettingsTexts().DeviceNameTooLong.zh);
    EXPECT_EQ(Box("BtDeviceName")->text(), Q("蓝牙耳机"));
}

TEST_F(SettingsWindowTest, EnteringABoxSelectsItsText) {
    StartApp();
    doc().settings().RepeaterOffset = 12345;
    Open();
    main().show();
    QApplication::setActiveWindow(&main());
    QLineEdit* box = Box("RepeaterOffset");
    box->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return box->hasFocus(); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return box->selectedText() == Q("1.2345"); }, 2000));
}

TEST_F(SettingsWindowTest, TypedTextIsCommittedWhenTheWindowCloses) {
    StartApp();
    doc().settings().RepeaterOffset = 7;
    Open();
    Type("RepeaterOffset", Q("1.5"));
    Type("BtDeviceName", Q("Pending"));
    EXPECT_EQ(doc().settings().RepeaterOffset, 7);
    CloseWithButton();
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(doc().settings().RepeaterOffset, 15000);
    EXPECT_EQ(doc().settings().BtDeviceName.trimmed(), "Pending");
}

TEST_F(SettingsWindowTest, HamPublicOffWritesEveryHamSlotAndTheChannelWindowFollows) {
    StartApp(kLanguageEnglish, true);
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    ChannelWindow* channels = channelWindow();
    ASSERT_NE(channels, nullptr);
    doc().Working.channel(kBandHf, 3, 2).PublicCh = 0;
    // HAM group 2 shown, a frequency being typed into its row 7.
    channels->ShowChannel(kBandHam, 2, 6);
    auto* grid = channels->findChild<QTableView*>(Q("MSFlexGrid1"));
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(6, 1));
    QTest::keyClick(grid, Qt::Key_Return);
    auto* entry = channels->findChild<QLineEdit*>(Q("Text1"));
    ASSERT_TRUE(entry->isVisible());
    QTest::keyClicks(entry, Q("28.5"));
    Open();
    Pick("HamPublic", Q("Off"));

    const int typed = FindSlot(doc().Working, kBandHam, 2, 7);
    ASSERT_GT(typed, 0) << "the channel window finishes its edit before the rewrite";
    EXPECT_EQ(doc().Working.channel(kBandHam, typed, 2).RxFreqText.raw(), "2850000 ");
    EXPECT_EQ(doc().config().HamPublic, 1);
    for (int group = 1; group <= 14; ++group)
        for (int slot = 1; slot <= SlotCapacity(kBandHam, group); ++slot)
            ASSERT_EQ(doc().Working.channel(kBandHam, slot, group).PublicCh, 1)
                << group << "/" << slot;
    EXPECT_EQ(doc().Working.channel(kBandHam, 99, 13).PublicCh, 1);
    EXPECT_EQ(doc().Working.channel(kBandHf, 3, 2).PublicCh, 0);
    ASSERT_EQ(edits_->count(), 2) << "the typed frequency, then the switch";
    EXPECT_EQ(edits_->last().at(0).value<DocumentEdit>().Section, EditSection::PublicChannels);
    EXPECT_EQ(List("HamPublic")->currentText(), Q("Off"));
    // The channel window stays where the user was and shows the rewritten flag.
    FlushDeletes();
    EXPECT_EQ(channelWindow(), channels);
    EXPECT_EQ(channels->findChild<QComboBox*>(Q("Combo8_9"))->currentText(), Q("ON"));

    // The value already stored changes nothing.
    doc().Working.channel(kBandHam, 7, 2).PublicCh = 0;
    Pick("HamPublic", Q("Off"));
    EXPECT_EQ(doc().Working.channel(kBandHam, 7, 2).PublicCh, 0);
    EXPECT_EQ(edits_->count(), 2);
}

TEST_F(SettingsWindowTest, WithoutTheRadiosOptionOnlyCbPublicCanBeChanged) {
    StartApp(kLanguageEnglish, false);
    doc().settings().HfPublicParams.TxPower = 2;
    Open();
    EXPECT_TRUE(window()->findChild<QGroupBox*>(Q("fraCbPublic"))->isEnabled());
    EXPECT_FALSE(window()->findChild<QGroupBox*>(Q("fraHfPublic"))->isEnabled());
    EXPECT_FALSE(window()->findChild<QGroupBox*>(Q("fraHamPublic"))->isEnabled());
    EXPECT_TRUE(List("CbPublic")->isEnabled());
    EXPECT_FALSE(List("HfPublic")->isEnabled());
    EXPECT_FALSE(List("HamPublic")->isEnabled());
    EXPECT_EQ(List("HfTxPower")->currentText(), Q("High"));
}

// The settings reach the data files through Save, typed text included, and come back with Open.
// Room enough: the window opens showing all of its controls. A frame smaller than the controls (a
// small screen) scrolls, so that the lowest ones, Close and the Mode Enable boxes, come into view.
TEST_F(SettingsWindowTest, ASmallWindowScrollsToEveryControl) {
    StartApp(kLanguageEnglish, true);
    main().show();
    main().resize(2400, 1600);
    SettingsWindow* w = Open();
    ASSERT_NE(w, nullptr);
    auto* scroll = w->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
    ASSERT_NE(scroll, nullptr);
    auto* close = w->findChild<QPushButton*>(QStringLiteral("CommandClose"));
    // Close stays below the scrolling content, in sight at every size.
    QWidget* lowest[] = {Check("ModeEnablePA"), Box("BtDeviceName")};
    QCoreApplication::processEvents();
    EXPECT_EQ(scroll->viewport()->size(), scroll->widget()->size());
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());

    auto* frame = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    ASSERT_NE(frame, nullptr);
    frame->resize(500, 300);
    QCoreApplication::processEvents();
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    for (QWidget* control : lowest) {
        SCOPED_TRACE(control->objectName().toStdString());
        scroll->ensureWidgetVisible(control);
        const QRect shown(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(scroll->viewport()->rect().contains(shown));
    }
    EXPECT_TRUE(w->rect().contains(QRect(close->mapTo(w, QPoint(0, 0)), close->size())));
    close->click();
    FlushDeletes();
    EXPECT_EQ(window(), nullptr);
}

TEST_F(SettingsWindowTest, SettingsSurviveSaveAndOpen) {
    StartApp(kLanguageEnglish, true);
    doc().settings().BatteryProtect = 1;
    doc().settings().BatteryMax = 150;
    doc().config().ModeEnable = {1, 0, 1, 1, 1, 1};
    DefineTone(doc(), 4);
    Open();
    Pick("Tot", Q("120s"));
    Pick("CwFreq", Q("750"));
    Pick("KeyP4", Q("VFO"));
    Pick("BtHoldTime", Q("Infinite"));
    Pick("HfRogerBeep", Q("4"));
    Pick("CbPublic", Q("Off"));
    Click("ModeEnableAM");
    EXPECT_EQ(doc().config().ModeEnable[1], 1) << "the click ticked AM";
    TypeAndLeave("BatteryMin", Q("11.5"));
    Type("BtDeviceName", Q("Saved"));  // still being typed when Save runs
    const QString path = dir_.filePath(Q("settings.dat"));
    chooser_->Answers.push_back(path);
    trigger("mnuFileSaveAs");
    const auto saved = std::make_unique<ConfigRecord>(doc().config());
    EXPECT_EQ(saved->Settings.BtDeviceName.trimmed(), "Saved");

    doc().config() = ConfigRecord{};
    Answer({MessageAnswer::No});  // discard the changes made since
    chooser_->Answers.push_back(path);
    trigger("mnuFileOpen");
    const ConfigRecord& opened = doc().config();
    EXPECT_EQ(opened.Settings.Tot, 12);
    EXPECT_EQ(opened.Settings.CwFreq, 75);
    EXPECT_EQ(opened.Settings.KeyP4, 2);
    EXPECT_EQ(opened.Settings.BtHoldTime, 33);
    EXPECT_EQ(opened.Settings.HfPublicParams.RogerBeep, 4);
    EXPECT_EQ(opened.Settings.BatteryMin, 115);
    EXPECT_EQ(opened.CbPublic, 1);
    EXPECT_EQ(opened.ModeEnable, (std::array<i16, 6>{1, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(opened.Settings == saved->Settings);
    EXPECT_EQ(opened.CbPublic, saved->CbPublic);

    Open();
    EXPECT_EQ(List("Tot")->currentText(), Q("120s"));
    EXPECT_EQ(List("CwFreq")->currentText(), Q("750"));
    EXPECT_EQ(Box("BatteryMin")->text(), Q("11.5"));
    EXPECT_EQ(Box("BtDeviceName")->text(), Q("Saved"));
}

// Too narrow for its three columns, the window puts the right-hand one under the other two and
// scrolls one way only; given the room again, the three stand side by side.
TEST_F(SettingsWindowTest, ANarrowWindowStacksItsRightColumnAndScrollsOneWay) {
    StartApp(kLanguageEnglish, true);
    main().show();
    main().resize(2400, 1600);
    SettingsWindow* settings = Open();
    ASSERT_NE(settings, nullptr);
    auto* sub = qobject_cast<QMdiSubWindow*>(settings->parentWidget());
    ASSERT_NE(sub, nullptr);
    auto* scroll = settings->findChild<QScrollArea*>(Q("scrollArea"));
    ASSERT_NE(scroll, nullptr);
    const auto* ble = settings->findChild<QGroupBox*>(Q("fraBLE"));
    const auto* middle = settings->findChild<QGroupBox*>(Q("fraModeEnable"));
    const auto place = [&](const QWidget* w) { return w->mapTo(scroll->widget(), QPoint()); };

    sub->setMinimumSize(0, 0);
    sub->resize(1400, 600);
    QCoreApplication::processEvents();
    const int wide = scroll->widget()->width();
    EXPECT_GT(place(ble).x(), place(middle).x());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());

    sub->resize(wide * 9 / 10, 600);
    QCoreApplication::processEvents();
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << wide;
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_GT(place(ble).y(), place(middle).y() + middle->height());

    sub->resize(1400, 600);
    QCoreApplication::processEvents();
    EXPECT_GT(place(ble).x(), place(middle).x());
    EXPECT_LT(place(ble).y(), place(middle).y() + middle->height());
}

}  // namespace
}  // namespace kv::settingstest
