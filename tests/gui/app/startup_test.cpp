// Start-up: the first title, the language chosen from the locale and the settings file, and what
// start-up writes back.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTest>

#include "app/main_window_tables.h"
#include "link/backup_store.h"
#include "platform/user_data_folder.h"
#include "shell_fixture.h"

namespace kv::test {
namespace {

QString Setting(const QString& path, const char* key) {
    QSettings ini(path, QSettings::IniFormat);
    return ini.value(QStringLiteral("language/") + QString::fromLatin1(key)).toString();
}

void WriteSettings(const QString& path,
                   std::initializer_list<std::pair<const char*, const char*>> values) {
    QSettings ini(path, QSettings::IniFormat);
    for (const auto& [key, value] : values)
        ini.setValue(QStringLiteral("language/") + QString::fromLatin1(key),
                     QString::fromLatin1(value));
}

using StartupTest = ShellTest;

TEST_F(StartupTest, StartsWithTheNewDocumentTitleAndTheChannelWindow) {
    Start();
    EXPECT_EQ(title(), QStringLiteral("KV-7700[28.0000 - 29.6990 MHz][File Name:new.dat]"));
    EXPECT_EQ(main().objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(openEditors(), std::vector<std::string>{kChannelWindow});
    EXPECT_EQ(main().findChild<QLabel*>(QStringLiteral("sbrModel"))->text(),
              QStringLiteral("KV-7700[28.0000 - 29.6990 MHz]"));
    EXPECT_EQ(main().findChild<QLabel*>(QStringLiteral("sbrPort"))->text(), QStringLiteral("COM1"));
    EXPECT_FALSE(main().findChild<QLabel*>(QStringLiteral("sbrDate"))->text().isEmpty());
    EXPECT_FALSE(main().findChild<QLabel*>(QStringLiteral("sbrTime"))->text().isEmpty());
    EXPECT_TRUE(doc().DocumentUntitled);
}

TEST_F(StartupTest, TheProgramOpensTheChannelWindowOnceTheMainWindowHasBeenPainted) {
    channelWindowAfterFirstPaint_ = true;
    Start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(openEditors().empty()) << "opened before the main window appeared";
    EXPECT_EQ(title(), QStringLiteral("KV-7700[28.0000 - 29.6990 MHz][File Name:new.dat]"));

    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    QTRY_COMPARE(openEditors(), std::vector<std::string>{kChannelWindow});
    EXPECT_FALSE(main().isWindowModified());
}

TEST_F(StartupTest, AnEditorOpenedBeforeTheFirstPaintIsNotJoinedByTheChannelWindow) {
    // A data file named on the command line, or a quick user, opens a window first.
    channelWindowAfterFirstPaint_ = true;
    Start();
    trigger("mnuOptionFeatures");
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    QTest::qWait(50);
    EXPECT_EQ(openEditors(), std::vector<std::string>{kSettingsWindow});
}

TEST_F(StartupTest, FirstRunOnASimplifiedChineseSystemStartsInChineseAndRemembersIt) {
    Start("zh_CN");
    EXPECT_EQ(title(), QStringLiteral("KV-7700[28.0000 - 29.6990 MHz][文件名:new.dat]"));
    EXPECT_EQ(main().findChild<QMenu*>(QStringLiteral("mnuFile"))->title(),
              QStringLiteral("文件&F"));
    EXPECT_EQ(main().findChild<QLabel*>(QStringLiteral("sbrPort"))->text(),
              QStringLiteral("通信口1"));
    EXPECT_EQ(Setting(settingsPath(), "IsFirstRun"), QStringLiteral("0"));
    EXPECT_EQ(Setting(settingsPath(), "CurrentLanguage"), QStringLiteral("2"));
    EXPECT_EQ(Setting(settingsPath(), "comPort"), QStringLiteral("1"));
}

TEST_F(StartupTest, LanguageFollowsTheSettingsFileAfterTheFirstRun) {
    struct Case {
        const char* Locale;
        const char* IsFirstRun;
        const char* Language;
        int Expected;
    };
    const Case cases[] = {
        {"zh_CN", "0", "1", kLanguageEnglish},  // the file wins over the locale
        {"en_US", "0", "2", kLanguageChinese},
        {"zh_TW", "1", "2", kLanguageEnglish},  // first run: the locale decides
        {"zh_CN", "0", "9", kLanguageChinese},  // no such language: the locale decides
    };
    for (const auto& c : cases) {
        WriteSettings(
            settingsPath(),
            {{"IsFirstRun", c.IsFirstRun}, {"CurrentLanguage", c.Language}, {"comPort", "4"}});
        Start(c.Locale);
        EXPECT_EQ(state().CurrentLanguage, c.Expected) << c.Locale << " " << c.Language;
        EXPECT_EQ(Setting(settingsPath(), "CurrentLanguage"), QString::number(c.Expected));
        EXPECT_EQ(main().findChild<QLabel*>(QStringLiteral("sbrPort"))->text().right(1),
                  QStringLiteral("4"));
        app_.reset();
    }
}

TEST_F(StartupTest, HiddenCommandsAreHiddenAndShortcutsSet) {
    Start();
    for (const auto& row : MainMenuRows())
        EXPECT_EQ(action(row.Name)->isVisible(), row.Shown) << row.Name;
    for (const auto& [item, keys] : {std::pair{"mnuFileNew", "Ctrl+N"},
                                     {"mnuFileOpen", "Ctrl+O"},
                                     {"mnuFileSave", "Ctrl+S"},
                                     {"mnuFileExit", "Ctrl+Q"},
                                     {"mnuInsertPaste", "Ctrl+I"}})
        EXPECT_EQ(action(item)->shortcut(), QKeySequence(QString::fromLatin1(keys))) << item;
    EXPECT_FALSE(action("tbrMWriteRadio")->isVisible());
    EXPECT_TRUE(action("tbrReadRadio")->isVisible());
    EXPECT_EQ(action("tbrOpen")->toolTip(), QStringLiteral("Open"));
    EXPECT_EQ(action("tbrReadRadio")->toolTip(), QStringLiteral("Read from Radio"));
}

qsizetype BackupCount() {
    return QDir(BackupFolder()).entryList(QDir::Files).size();
}

TEST_F(StartupTest, PrunesBackupsOlderThanAYearBeyondTheNewestFiftyOnceTheWindowHasAppeared) {
    QDir(BackupFolder()).removeRecursively();
    QDir().mkpath(BackupFolder());
    for (int day = 1; day <= 28; ++day)
        for (int month : {1, 2}) {
            QFile old(QDir(BackupFolder())
                          .filePath(QString::fromStdString(
                              BackupFileName({2001, month, day, 12, 0, 0, 0}, BackupKind::Read))));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        }
    Start();
    QCoreApplication::processEvents();
    EXPECT_EQ(BackupCount(), 56) << "pruned before the main window appeared";

    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    QTRY_COMPARE(BackupCount(), static_cast<qsizetype>(kBackupsAlwaysKept));
    const QStringList kept = QDir(BackupFolder()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(kept.first(), QStringLiteral("2001-01-07_120000_read.img"));
    EXPECT_EQ(kept.last(), QStringLiteral("2001-02-28_120000_read.img"));
    QDir(BackupFolder()).removeRecursively();
}

}  // namespace
}  // namespace kv::test
