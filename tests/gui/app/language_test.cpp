// The language window and the switch that takes effect when the main window becomes active.
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include "app/main_window_tables.h"
#include "app/ui/language_window.h"
#include "shell_fixture.h"

namespace kv::test {
namespace {

class LanguageTest : public ShellTest {
protected:
    // A Simplified Chinese system on which the user chose English before.
    void WriteChineseSystemRunningEnglish() {
        {
            QSettings ini(settingsPath(), QSettings::IniFormat);
            ini.setValue(QStringLiteral("language/IsFirstRun"), QStringLiteral("0"));
            ini.setValue(QStringLiteral("language/CurrentLanguage"), QStringLiteral("1"));
        }
        Start("zh_CN");
    }
    QStringList Offered(LanguageWindow& window) {
        auto* list = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
        return items;
    }
    void Choose(const QString& name) {
        LanguageWindow window(state(), app_->settings(), &main());
        window.findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentText(name);
        window.findChild<QPushButton*>(QStringLiteral("CommandOK"))->click();
    }
    void Activate() {
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&main(), &activate);
    }
    QString StoredLanguage() {
        QSettings ini(settingsPath(), QSettings::IniFormat);
        return ini.value(QStringLiteral("language/CurrentLanguage")).toString();
    }
};

// Both interfaces work on every system, so both are offered whatever the system's language.
TEST_F(LanguageTest, BothLanguagesAreOfferedOnEverySystem) {
    Start("zh_TW");
    LanguageWindow english(state(), app_->settings());
    EXPECT_EQ(Offered(english),
              (QStringList{QStringLiteral("English"), QStringLiteral("Chinese")}));
    EXPECT_EQ(english.windowTitle(), QStringLiteral("Language Setup"));
    EXPECT_EQ(english.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Language Mode"));
    EXPECT_EQ(english.findChild<QPushButton*>(QStringLiteral("CommandCancel"))->text(),
              QStringLiteral("&Cancel"));
    app_.reset();

    WriteChineseSystemRunningEnglish();
    LanguageWindow both(state(), app_->settings());
    EXPECT_EQ(Offered(both), (QStringList{QStringLiteral("English"), QStringLiteral("Chinese")}));
    EXPECT_EQ(both.findChild<QComboBox*>(QStringLiteral("Combo1"))->currentText(),
              QStringLiteral("English"));
}

TEST_F(LanguageTest, SwitchingClosesEveryEditorAndReopensOnlyTheChannelWindow) {
    WriteChineseSystemRunningEnglish();
    main().OpenEditor(QString::fromLatin1(kSettingsWindow));
    main().OpenEditor(QString::fromLatin1(kWeatherWindow));
    QWidget* oldChannel = main().FindEditor(QString::fromLatin1(kChannelWindow));
    ASSERT_EQ(openEditors().size(), 3u);

    // OK without a change writes the unchanged value and closes nothing.
    Choose(QStringLiteral("English"));
    Activate();
    EXPECT_EQ(StoredLanguage(), QStringLiteral("1"));
    EXPECT_EQ(openEditors().size(), 3u);

    Choose(QStringLiteral("Chinese"));
    EXPECT_EQ(StoredLanguage(), QStringLiteral("2"));
    Activate();
    FlushDeletes();
    EXPECT_EQ(openEditors(), std::vector<std::string>{kChannelWindow});
    EXPECT_NE(main().FindEditor(QString::fromLatin1(kChannelWindow)), oldChannel);
    EXPECT_EQ(title(), QStringLiteral("KV-7700[28.0000 - 29.6990 MHz][文件名:new.dat]"));
    EXPECT_EQ(action("tbrOpen")->toolTip(), QStringLiteral("打开"));

    // Now the window speaks Chinese and names the languages in Chinese.
    LanguageWindow chinese(state(), app_->settings());
    EXPECT_EQ(Offered(chinese), (QStringList{QStringLiteral("英语"), QStringLiteral("中文")}));
    EXPECT_EQ(chinese.findChild<QComboBox*>(QStringLiteral("Combo1"))->currentText(),
              QStringLiteral("中文"));
}

TEST_F(LanguageTest, CancelChangesNothing) {
    WriteChineseSystemRunningEnglish();
    LanguageWindow window(state(), app_->settings());
    window.findChild<QComboBox*>(QStringLiteral("Combo1"))
        ->setCurrentText(QStringLiteral("Chinese"));
    window.findChild<QPushButton*>(QStringLiteral("CommandCancel"))->click();
    Activate();
    EXPECT_EQ(state().CurrentLanguage, kLanguageEnglish);
    EXPECT_EQ(title(), QStringLiteral("KV-7700[28.0000 - 29.6990 MHz][File Name:new.dat]"));
}

TEST_F(LanguageTest, MessagesFollowTheLanguageAtOnce) {
    WriteChineseSystemRunningEnglish();
    Choose(QStringLiteral("Chinese"));
    Answer({MessageAnswer::Cancel});
    trigger("mnuFileNew");
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Shown, "所有数据将被清空。");
}

}  // namespace
}  // namespace kv::test
