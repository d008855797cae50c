// Where an installation keeps its files.
#include "platform/program_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kv {

ProgramFolders ProgramFolders::OfApplication() {
    return ForProgramFolder(QCoreApplication::applicationDirPath());
}

ProgramFolders ProgramFolders::ForProgramFolder(const QString& programFolder) {
    const QFileInfo program(QDir::cleanPath(QFileInfo(programFolder).absoluteFilePath()));
    // A program folder directly under the root has the root as its parent.
    return {program.absoluteFilePath(), program.absolutePath()};
}

QString ProgramFolders::settingsFile() const {
    return QDir(Parent).filePath(QStringLiteral("language/mysetup.ini"));
}

QString ProgramFolders::versionFile() const {
    return QDir(Parent).filePath(QStringLiteral("Version.ini"));
}

QString ProgramFolders::backgroundPicture(int language) const {
    return QDir(Program).filePath(QStringLiteral("PIC/BK_%1.jpg").arg(language));
}

bool ProgramFolders::isSystemInstallation() const {
    // Links resolved in the part of the path that exists.
    QString existing = QDir::cleanPath(QFileInfo(Parent).absoluteFilePath());
    QString missing;
    while (!QFileInfo::exists(existing) && existing != QStringLiteral("/")) {
        missing = QLatin1Char('/') + QFileInfo(existing).fileName() + missing;
        existing = QFileInfo(existing).absolutePath();
    }
    const QString parent = QDir::cleanPath(QFileInfo(existing).canonicalFilePath() + missing);
    for (const QString& prefix : {QStringLiteral("/usr"), QStringLiteral("/opt")})
        if (parent == prefix || parent.startsWith(prefix + QLatin1Char('/'))) return true;
    return false;
}

}  // namespace kv
