// The settings window's edits reach the simulated radio with Write to Radio, a text still being
// typed included, and come back with Read from Radio.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/main_window_tables.h"
#include "app/shared_messages.h"
#include "app/ui/main_window.h"
#include "editors/settings/public_params.h"
#include "editors/settings/settings_rules.h"
#include "editors/settings/ui/settings_window.h"
#include "gui/link/link_fixture.h"

namespace kv::settingstest {
namespace {

constexpr int kSessionTimeoutMs = 60000;

class SettingsRadioTest : public linktest::LinkFixture {
protected:
    SettingsRadioTest() { editors_.Register(kSettingsWindow, &CreateSettingsWindow); }

    QWidget* window() { return main().FindEditor(QString::fromLatin1(kSettingsWindow)); }
    template <typename T>
    T* Control(const char* name) {
        auto* control = window()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Pick(const char* name, const char* text) {
        auto* box = Control<QComboBox>(name);
        const int index = box->findText(QString::fromUtf8(text));
        ASSERT_GE(index, 0) << name << " offers no " << text;
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void Type(const char* name, const char* text, bool leave) {
        auto* box = Control<QLineEdit>(name);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, QString::fromLatin1(text));
        if (leave) QTest::keyClick(box, Qt::Key_Return);
    }
    bool WaitForShown(const TextPair& text) {
        return QTest::qWaitFor([&] { return CountShown(text) > 0; }, kSessionTimeoutMs);
    }
};

// Every value the rows of the window show, as the document holds it.
std::vector<int> RowValues(const ConfigRecord& config) {
    std::vector<int> values;
    for (const SettingRow& row : SettingRows())
        if (row.Field) values.push_back(StoredSettingValue(row, config));
    for (const PublicBand& band : PublicBands())
        for (const PublicRow& row : PublicRows())
            values.push_back(StoredPublicValue(row, band, config));
    return values;
}

TEST_F(SettingsRadioTest, SettingsSurviveWriteAndRead) {
    ASSERT_TRUE(StartRadio(MemoryImage{}, {"--linger", "forever"}));
    doc_->Radio.RadioOptionFlag = true;
    doc_->config().BandMode = kBandHf;
    doc_->config().ModeEnable = {1, 0, 0, 0, 0, 0};
    doc_->settings().DtmfCodes[6].assign("123");
    doc_->config().ToneTable[4].ToneRepeat = 1;
    doc_->config().ToneTable[4].Steps[0] = {800, 10};
    main().show();
    QApplication::setActiveWindow(&main());
    ASSERT_NE(main().OpenEditor(QString::fromLatin1(kSettingsWindow)), nullptr);

    Pick("Tot", "120s");
    Pick("MicGain", "45");
    Pick("AsqEnabled", "On");
    Pick("AsqLevel", "9");
    Pick("Clarifier", "RT");
    Pick("CwFreq", "2550");
    Pick("CwBreakIn", "1000ms");
    Pick("VfoStep", "1M");
    Pick("HandType", "Type 3");
    Pick("KeyP1", "NB.ANL");
    Pick("KeyP2", "VFO");
    Pick("PfKey", "MODE SET");
    Pick("ChVolKind", "VOL");
    Pick("BtHoldTime", "Infinite");
    Pick("BtPttSleep", "4 min");
    Pick("HfMode", "CW");
    Pick("HfDtmfBot", "7");
    Pick("CbRogerBeep", "5");
    Pick("HamTxPower", "High");
    Pick("HamNbAnl", "NB/ANL");
    Pick("HamAdd10K", "On");
    Control<QCheckBox>("SwrProtect")->click();
    Control<QCheckBox>("BatteryProtect")->click();
    Control<QCheckBox>("ModeEnableCW")->click();
    Control<QCheckBox>("ModeEnableFM")->click();
    Type("RepeaterOffset", "1.5", true);
    Type("SwrLimit", "3.5", true);
    Type("BatteryMax", "14.4", true);
    Type("BatteryMin", "11", true);
    Type("BtDeviceName", "Cab 7", false);  // still being typed when Write starts

    Trigger("mnuWriteToRadio");
    ASSERT_TRUE(WaitForShown(SharedMessages().WriteCompleted));
    EXPECT_EQ(doc_->settings().BtDeviceName.trimmed(), "Cab 7");
    const auto written = std::make_unique<ConfigRecord>(doc_->config());
    EXPECT_EQ(written->Settings.CwFreq, 255);
    EXPECT_EQ(written->Settings.RepeaterOffset, 15000);
    EXPECT_EQ((written->ModeEnable), (std::array<i16, 6>{0, 0, 0, 0, 1, 0}));

    doc_->config().Settings = RadioSettings{};
    doc_->config().ModeEnable = {};
    doc_->config().ChVolKind = 0;
    Trigger("mnuReadFromRadio");
    ASSERT_TRUE(WaitForShown(SharedMessages().ReadCompleted));
    EXPECT_EQ(RowValues(doc_->config()), RowValues(*written));
    EXPECT_EQ(doc_->settings().BtDeviceName.trimmed(), "Cab 7");
    EXPECT_EQ(doc_->settings().BatteryMin, 110);
    EXPECT_EQ(doc_->settings().BatteryMax, 144);
    EXPECT_EQ(doc_->settings().SwrLimit, 35);
}

}  // namespace
}  // namespace kv::settingstest
