// Work without a radio: the HF and 10 m bands of the last radio read are offered after a
// restart, Setup's check mark shows and sets them, and a CB-only radio turns them off again;
// the check before writing lists what the radio would receive and writes only when the user
// goes on. Real windows, real data files, the simulated radio.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "app/main_window_tables.h"
#include "app/write_checks.h"
#include "codec/image_codec.h"
#include "files/data_file.h"
#include "gui/app/installed_shell_fixture.h"
#include "link/ui/radio_bands_option.h"

namespace kv::test {
namespace {

class OfflineBandsTest : public InstalledShellTest {
protected:
    // A radio holding the program's new document, encoded.
    std::unique_ptr<MemoryImage> TemplateRadio() {
        auto doc = std::make_unique<Document>();
        EXPECT_TRUE(LoadTemplateFile(*doc, std::string(KV_PROGRAM_DIR) + "/Init/1_KV7700_New.dat"));
        auto image = std::make_unique<MemoryImage>();
        EncodeImage(doc->Working, *image);
        return image;
    }

    // Read from Radio through the menu, answering the confirmation and the completion message.
    void ReadRadio() {
        Answer({MessageAnswer::Ok, MessageAnswer::Ok});
        ASSERT_TRUE(TriggerAndWaitFor("mnuReadFromRadio", SharedMessages().ReadCompleted));
    }

    QAction* bandsItem() { return action(kRadioBandsItem); }
};

TEST_F(OfflineBandsTest, HfRadioBandsSurviveARestartAndACbRadioTurnsThemOff) {
    Start();
    main().show();
    ASSERT_NE(bandBox(), nullptr);
    EXPECT_FALSE(bandBox()->isEnabled()) << "no radio read yet";
    EXPECT_FALSE(bandsItem()->isChecked());

    const auto radio = TemplateRadio();
    ASSERT_TRUE(StartRadio(*radio));
    ReadRadio();
    EXPECT_TRUE(doc().Radio.RadioOptionFlag);
    EXPECT_TRUE(bandsItem()->isChecked());
    EXPECT_EQ(Setting(QStringLiteral("language/RadioOptionFlag")), QStringLiteral("1"));
    const QString saved = dir_.filePath(QStringLiteral("hf-radio.dat"));
    chooser_->Answers.push_back(saved);
    trigger("mnuFileSaveAs");
    sim_.Stop();

    // Without a radio: the saved file of the HF radio opens with its bands.
    Restart();
    EXPECT_TRUE(doc().Radio.RadioOptionFlag);
    EXPECT_TRUE(bandsItem()->isChecked());
    ASSERT_TRUE(main().OpenDataFile(saved));
    ASSERT_NE(bandBox(), nullptr);
    EXPECT_TRUE(bandBox()->isEnabled());
    ASSERT_EQ(bandBox()->count(), 3);

    // A CB-only radio's identification reply turns the bands off, now and after a restart.
    ASSERT_TRUE(StartRadio(*radio, {QStringLiteral("--option-byte"), QStringLiteral("0")}));
    ReadRadio();
    EXPECT_FALSE(doc().Radio.RadioOptionFlag);
    EXPECT_FALSE(bandsItem()->isChecked());
    EXPECT_FALSE(bandBox()->isEnabled());
    sim_.Stop();
    Restart();
    EXPECT_FALSE(doc().Radio.RadioOptionFlag);
    EXPECT_EQ(Setting(QStringLiteral("language/RadioOptionFlag")), QStringLiteral("0"));
    EXPECT_FALSE(bandBox()->isEnabled());
}

TEST_F(OfflineBandsTest, SetupItemSetsTheBandsForWorkWithoutARadio) {
    Start();
    main().show();
    EXPECT_EQ(bandsItem()->text(), QStringLiteral("Radio with HF and 10 m bands"));
    EXPECT_TRUE(bandsItem()->isCheckable());
    bandsItem()->trigger();
    EXPECT_TRUE(doc().Radio.RadioOptionFlag);
    FlushDeletes();
    ASSERT_NE(bandBox(), nullptr);
    EXPECT_TRUE(bandBox()->isEnabled());
    EXPECT_EQ(Setting(QStringLiteral("language/RadioOptionFlag")), QStringLiteral("1"));

    Restart();
    EXPECT_TRUE(bandsItem()->isChecked());
    EXPECT_TRUE(bandBox()->isEnabled());
    bandsItem()->trigger();
    FlushDeletes();
    EXPECT_FALSE(doc().Radio.RadioOptionFlag);
    EXPECT_FALSE(bandBox()->isEnabled());
    EXPECT_EQ(Setting(QStringLiteral("language/RadioOptionFlag")), QStringLiteral("0"));
}

TEST_F(OfflineBandsTest, ChineseCaption) {
    QSettings ini(settingsPath(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("language/IsFirstRun"), 0);
    ini.setValue(QStringLiteral("language/CurrentLanguage"), kLanguageChinese);
    ini.sync();
    Start();
    EXPECT_EQ(bandsItem()->text(), QStringLiteral("对讲机带 HF 和 10 米波段"));
}

class CheckBeforeWritingTest : public OfflineBandsTest {
protected:
    void SetUp() override {
        OfflineBandsTest::SetUp();
        Start();
        main().show();
        for (const char* option : {"mnuBackupBeforeWrite", "mnuVerifyAfterWrite"})
            action(option)->setChecked(false);
        ASSERT_TRUE(StartRadio(*TemplateRadio()));
        // The simulated radio has the HF and 10 m bands, as Setup says.
        bandsItem()->trigger();
        ASSERT_TRUE(doc().Radio.RadioOptionFlag);
        // The work group of CB switched off, as a user may leave it.
        doc().settings().GroupValid(kBandCb, 1) = 0;
    }
};

TEST_F(CheckBeforeWritingTest, CancelSendsNothing) {
    Answer({MessageAnswer::Cancel});
    const TextPair report = WriteCheckReport(CheckBeforeWriting(doc()));
    ASSERT_TRUE(TriggerAndWaitFor("mnuWriteToRadio", report));
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown.rfind("The radio would receive this:\n• CB band: the work group 1 is "
                                   "switched off.",
                                   0),
              0u)
        << Asked[0].Shown;
    EXPECT_EQ(Asked[0].Buttons, MessageButtons::OkCancel);
    sim_.Stop();
    EXPECT_TRUE(sim_.ReceivedFrames().empty());
}

TEST_F(CheckBeforeWritingTest, GoingOnWritesAfterTheConfirmation) {
    Answer({MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok});
    ASSERT_TRUE(TriggerAndWaitFor("mnuWriteToRadio", SharedMessages().WriteCompleted));
    ASSERT_EQ(Asked.size(), 3u);
    EXPECT_EQ(Asked[0].Text, WriteCheckReport(CheckBeforeWriting(doc())));
    EXPECT_EQ(Asked[1].Text, SharedMessages().WriteConfirmation);
    sim_.Stop();
    auto written = std::make_unique<RadioData>();
    DecodeImage(sim_.SavedImage(), *written);
    EXPECT_EQ(written->Config.Settings.GroupValid(kBandCb, 1), 0);
    EXPECT_EQ(written->Config.Settings.GroupValid(kBandCb, 2), 1);
}

// Without the HF option the radio has CB only: a document starting in another band is named
// first, in the language shown.
TEST_F(CheckBeforeWritingTest, ABandTheRadioDoesNotHaveIsNamed) {
    bandsItem()->trigger();
    ASSERT_FALSE(doc().Radio.RadioOptionFlag);
    doc().config().BandMode = kBandHam;
    Answer({MessageAnswer::Cancel});
    const TextPair report = WriteCheckReport(CheckBeforeWriting(doc()));
    ASSERT_TRUE(TriggerAndWaitFor("mnuWriteToRadio", report));
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown.rfind("The radio would receive this:\n• The radio would start in the "
                                   "HAM band",
                                   0),
              0u)
        << Asked[0].Shown;
    sim_.Stop();
    EXPECT_TRUE(sim_.ReceivedFrames().empty());
}

TEST_F(CheckBeforeWritingTest, DocumentWithoutFindingsGoesStraightToTheConfirmation) {
    doc().settings().GroupValid(kBandCb, 1) = 1;
    doc().config().ModeEnable[0] = 1;
    Answer({MessageAnswer::Cancel});
    ASSERT_TRUE(TriggerAndWaitFor("mnuWriteToRadio", SharedMessages().WriteConfirmation));
    EXPECT_EQ(Asked.size(), 1u);
}

}  // namespace
}  // namespace kv::test
