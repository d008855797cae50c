#include "platform/settings_file.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/placement_store.h"
#include "platform/program_folders.h"

namespace kv {
namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    QString path(const char* relative) const {
        return dir_.filePath(QString::fromLatin1(relative));
    }
    void writeIni(const QString& file, const char* text) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QTemporaryDir dir_;
};

TEST_F(SettingsFileTest, LivesInTheLanguageFolderBesideTheProgramFolder) {
    const ProgramFolders folders =
        ProgramFolders::ForProgramFolder(QStringLiteral("/opt/Apps/Radio/program"));
    EXPECT_EQ(folders.settingsFile(), QStringLiteral("/opt/Apps/Radio/language/mysetup.ini"));
    EXPECT_EQ(folders.versionFile(), QStringLiteral("/opt/Apps/Radio/Version.ini"));
    EXPECT_EQ(folders.backgroundPicture(2), QStringLiteral("/opt/Apps/Radio/program/PIC/BK_2.jpg"));
    // A program folder directly under the root keeps the root.
    EXPECT_EQ(ProgramFolders::ForProgramFolder(QStringLiteral("/program")).settingsFile(),
              QStringLiteral("/language/mysetup.ini"));
}

TEST_F(SettingsFileTest, ReadsTrimmedValuesOfTheLanguageSection) {
    writeIni(path("language/mysetup.ini"),
             "[language]\nIsFirstRun= 0 \ncomPort=3\nStopBit=1,5\nCurrentLanguage=2\n");
    SettingsFile file(path("language/mysetup.ini"), path("user/mysetup.ini"));
    const StoredSettings stored = file.readStartupSettings();
    EXPECT_EQ(stored.IsFirstRun, "0");
    EXPECT_EQ(stored.comPort, "3");
    EXPECT_EQ(stored.Handshaking, std::nullopt);
    EXPECT_EQ(stored.StopBit, "1,5");
    EXPECT_EQ(stored.CurrentLanguage, "2");
    EXPECT_EQ(file.writePath(), path("language/mysetup.ini"));
}

TEST_F(SettingsFileTest, WritesCreateTheFileAndItsFolder) {
    SettingsFile file(path("language/mysetup.ini"), path("user/mysetup.ini"));
    ASSERT_TRUE(file.write(QStringLiteral("language"), QStringLiteral("CurrentLanguage"), "2"));
    ASSERT_TRUE(file.write(QStringLiteral("ports"), QStringLiteral("COM3"), "/dev/ttyUSB0"));
    QSettings ini(path("language/mysetup.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("language/CurrentLanguage")).toString(),
              QStringLiteral("2"));
    EXPECT_EQ(file.read(QStringLiteral("ports"), QStringLiteral("COM3")), "/dev/ttyUSB0");
    EXPECT_FALSE(QFileInfo::exists(path("user/mysetup.ini")));
}

TEST_F(SettingsFileTest, AValueTheFileHoldsAlreadyLeavesTheFileAsItIs) {
    // Start-up writes back the port and the language on every run; most runs change neither.
    const QByteArray text = "[language]\ncomPort = 3\n; chosen by hand\nCurrentLanguage=2\n";
    writeIni(path("language/mysetup.ini"), text.constData());
    QFile ini(path("language/mysetup.ini"));
    const QDateTime longAgo(QDate(2001, 1, 1), QTime(12, 0));
    ASSERT_TRUE(ini.open(QIODevice::ReadWrite));
    ASSERT_TRUE(ini.setFileTime(longAgo, QFileDevice::FileModificationTime));
    ini.close();
    const auto bytes = [&] {
        QFile f(path("language/mysetup.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };

    SettingsFile file(path("language/mysetup.ini"), path("user/mysetup.ini"));
    ASSERT_TRUE(file.write(QStringLiteral("language"), QStringLiteral("comPort"), "3"));
    ASSERT_TRUE(file.write(QStringLiteral("language"), QStringLiteral("CurrentLanguage"), "2"));
    EXPECT_EQ(bytes(), text);
    EXPECT_EQ(QFileInfo(path("language/mysetup.ini")).lastModified(), longAgo);

    ASSERT_TRUE(file.write(QStringLiteral("language"), QStringLiteral("comPort"), "4"));
    EXPECT_EQ(file.read(QStringLiteral("language"), QStringLiteral("comPort")), "4");
    EXPECT_EQ(file.read(QStringLiteral("language"), QStringLiteral("CurrentLanguage")), "2");
}

TEST_F(SettingsFileTest, AnUnwritableInstallationFallsBackToThePerUserFile) {
    // The language "folder" is a file, so nothing can be created in it, whoever runs the test.
    writeIni(path("language"), "not a folder");
    SettingsFile file(path("language/mysetup.ini"), path("user/mysetup.ini"));
    EXPECT_EQ(file.writePath(), path("user/mysetup.ini"));
    ASSERT_TRUE(file.write(QStringLiteral("language"), QStringLiteral("comPort"), "7"));
    EXPECT_EQ(file.read(QStringLiteral("language"), QStringLiteral("comPort")), "7");
    EXPECT_EQ(file.read(QStringLiteral("language"), QStringLiteral("IsFirstRun")), std::nullopt);
}

TEST_F(SettingsFileTest, ASystemInstallationIsNeverASettingsFolder) {
    const struct {
        const char* ProgramFolder;
        bool System;
    } cases[] = {
        {"/usr/lib/kv7700/KV7700", true},
        {"/usr/local/lib/kv7700/KV7700", true},
        {"/usr/KV7700", true},
        {"/opt/kv7700/KV7700", true},
        {"/usr/lib/../../home/radio/kv7700/KV7700", false},
        {"/usrlocal/kv7700/KV7700", false},
        {"/home/radio/opt/kv7700/KV7700", false},
        {"/KV7700", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramFolders::ForProgramFolder(QString::fromLatin1(c.ProgramFolder))
                      .isSystemInstallation(),
                  c.System)
            << c.ProgramFolder;

    // A link to a system folder is the system folder.
    ASSERT_TRUE(QFile::link(QStringLiteral("/usr/lib"), path("linked")));
    EXPECT_TRUE(
        ProgramFolders::ForProgramFolder(path("linked/kv7700/KV7700")).isSystemInstallation());
    EXPECT_FALSE(ProgramFolders::ForProgramFolder(path("KV7700")).isSystemInstallation());
}

TEST_F(SettingsFileTest, ASystemInstallationKeepsTheSettingsInTheUsersOwnFolder) {
    // Root can write into /usr, so only the rule keeps the file out of it.
    QStandardPaths::setTestModeEnabled(true);
    const QString userFile =
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
            .filePath(QStringLiteral("mysetup.ini"));
    for (const char* folder : {"/usr/lib/kv7700/KV7700", "/opt/kv7700/KV7700"}) {
        const SettingsFile file = SettingsFile::ForInstallation(
            ProgramFolders::ForProgramFolder(QString::fromLatin1(folder)));
        EXPECT_EQ(file.writePath(), userFile) << folder;
    }
    EXPECT_FALSE(userFile.startsWith(QStringLiteral("/usr/")));
    // A copy in a folder the user may write keeps its own settings folder.
    EXPECT_EQ(
        SettingsFile::ForInstallation(ProgramFolders::ForProgramFolder(path("KV7700"))).writePath(),
        path("language/mysetup.ini"));
    QStandardPaths::setTestModeEnabled(false);
}

TEST_F(SettingsFileTest, PlacementDefaultsAndRoundTrip) {
    PlacementStore store(path("placement.ini"));
    EXPECT_EQ(store.load(), (WindowPlacement{100, 100, 14500, 10500}));
    store.save({200, 300, 12000, 9000});
    EXPECT_EQ(PlacementStore(path("placement.ini")).load(),
              (WindowPlacement{200, 300, 12000, 9000}));
    QSettings ini(path("placement.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Settings/MainWidth")).toString(), QStringLiteral("12000"));
    ini.setValue(QStringLiteral("Settings/MainTop"), QStringLiteral("abc"));
    ini.sync();
    EXPECT_EQ(PlacementStore(path("placement.ini")).load().Top, 100);
}

}  // namespace
}  // namespace kv
