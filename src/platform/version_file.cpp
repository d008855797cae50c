// The version file read through QSettings in INI format.
#include "platform/version_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <map>

namespace kv {
namespace {

constexpr qsizetype kValueLimit = 511;

// A value as the version manager sees it. QSettings splits an unquoted value at commas; the parts
// are joined back so the value reads as written.
QString ReadValue(const QSettings& settings, const QString& key) {
    const QVariant raw = settings.value(key);
    QString value = raw.userType() == QMetaType::QStringList
                        ? raw.toStringList().join(QLatin1Char(','))
                        : raw.toString();
    value.truncate(kValueLimit);
    const qsizetype nul = value.indexOf(QChar(u'\0'));
    if (nul >= 0) value.truncate(nul);
    return value.trimmed();
}

// Values of section/prefix0 .. prefix(count − 1) in index order, count read from [Version]
// countKey. Only keys the section holds are visited, so a damaged count costs nothing.
std::vector<std::string> ReadList(QSettings& settings, const QString& countKey,
                                  const QString& section, const QString& prefix) {
    bool isNumber = false;
    const int count = ReadValue(settings, QStringLiteral("Version/") + countKey).toInt(&isNumber);
    if (!isNumber || count <= 0) return {};
    settings.beginGroup(section);
    std::map<int, std::string> byIndex;
    for (const QString& key : settings.childKeys()) {
        if (!key.startsWith(prefix)) continue;
        bool isIndex = false;
        const int index = key.mid(prefix.size()).toInt(&isIndex);
        if (isIndex && index >= 0 && index < count && key == prefix + QString::number(index))
            byIndex[index] = ReadValue(settings, key).toStdString();
    }
    settings.endGroup();
    std::vector<std::string> values;
    for (auto& [index, value] : byIndex) values.push_back(std::move(value));
    return values;
}

}  // namespace

QString VersionFilePathFor(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/../Version.ini"));
}

QString VersionFilePath() {
    return VersionFilePathFor(QCoreApplication::applicationDirPath());
}

VersionTable LoadVersionTable(const QString& iniPath) {
    VersionTable table;
    if (!QFileInfo(iniPath).isFile()) return table;
    QSettings settings(iniPath, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) return table;

    table.CurrentVersion =
        ReadValue(settings, QStringLiteral("Version/CurrentVersion")).toStdString();
    table.SoftVersions = ReadList(settings, QStringLiteral("SoftVersionCount"),
                                  QStringLiteral("Soft"), QStringLiteral("Version"));
    for (const std::string& value : ReadList(settings, QStringLiteral("FirmVersionCount"),
                                             QStringLiteral("Firm"), QStringLiteral("Firm")))
        table.Pairs.push_back(ParseVersionPair(value));
    return table;
}

}  // namespace kv
