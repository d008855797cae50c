// The per-user data folder.
#include "platform/user_data_folder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace kv {

QString UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString BackupFolder() {
    return QDir(UserDataFolder()).filePath(QStringLiteral("backups"));
}

QString TraceFolder() {
    return QDir(UserDataFolder()).filePath(QStringLiteral("traces"));
}

std::filesystem::path ToPath(const QString& folder) {
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

CivilTime LocalNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(),   date.month(),  date.day(), time.hour(),
            time.minute(), time.second(), time.msec()};
}

std::optional<TextPair> KeepBackupImage(const MemoryImage& image, BackupKind kind) {
    const KeptBackup kept = KeepBackup(ToPath(BackupFolder()), image, kind, LocalNow());
    if (kept.Path.empty()) return kept.Error;
    return std::nullopt;
}

void PruneBackupFolder() {
    PruneBackups(ToPath(BackupFolder()), LocalNow());
}

}  // namespace kv
