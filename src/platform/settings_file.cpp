// The private settings file.
#include "platform/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace kv {
namespace {

// True when the file can be created or appended to, its folder created when missing.
bool CanWrite(const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

std::optional<std::string> ReadFrom(const QString& path, const QString& section,
                                    const QString& key) {
    if (!QFileInfo::exists(path)) return std::nullopt;
    QSettings ini(path, QSettings::IniFormat);
    const QVariant value = ini.value(section + QLatin1Char('/') + key);
    if (!value.isValid()) return std::nullopt;
    // A value with a comma reads back as a list; the file's text is what counts.
    const QString text = value.typeId() == QMetaType::QStringList
                             ? value.toStringList().join(QLatin1Char(','))
                             : value.toString();
    return text.trimmed().toStdString();
}

}  // namespace

SettingsFile::SettingsFile(QString installedPath, QString userPath)
    : installedPath_(std::move(installedPath)) {
    writePath_ = CanWrite(installedPath_) ? installedPath_ : std::move(userPath);
}

SettingsFile SettingsFile::ForInstallation(const ProgramFolders& folders) {
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString userFile = QDir(userFolder).filePath(QStringLiteral("mysetup.ini"));
    if (folders.isSystemInstallation()) return SettingsFile(userFile, userFile);
    return SettingsFile(folders.settingsFile(), userFile);
}

std::optional<std::string> SettingsFile::read(const QString& section, const QString& key) const {
    if (auto value = ReadFrom(writePath_, section, key)) return value;
    if (writePath_ != installedPath_) return ReadFrom(installedPath_, section, key);
    return std::nullopt;
}

bool SettingsFile::write(const QString& section, const QString& key, const std::string& value) {
    // Start-up writes back values that are mostly there already; rewriting (and syncing) the file
    // for them would only cost time and touch the file.
    if (ReadFrom(writePath_, section, key) == value) return true;
    if (!QDir().mkpath(QFileInfo(writePath_).absolutePath())) return false;
    QSettings ini(writePath_, QSettings::IniFormat);
    ini.setValue(section + QLatin1Char('/') + key, QString::fromStdString(value));
    ini.sync();
    return ini.status() == QSettings::NoError;
}

StoredSettings SettingsFile::readStartupSettings() const {
    const QString section = QString::fromLatin1(kSettingsSection);
    const auto get = [&](const char* key) { return read(section, QString::fromLatin1(key)); };
    return {get(kKeyIsFirstRun), get(kKeyComPort), get(kKeyHandshaking), get(kKeyStopBit),
            get(kKeyCurrentLanguage)};
}

}  // namespace kv
