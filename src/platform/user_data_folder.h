// The per-user data folder (QStandardPaths::AppDataLocation) and what the program keeps there:
// backups of radio images and traces of the last sessions. The program and kv7700-cli share it
// because both run under the application and organisation name "KV-7700".
#pragma once

#include <QString>
#include <filesystem>
#include <optional>

#include "link/backup_store.h"
#include "link/civil_time.h"
#include "model/memory_image.h"
#include "model/text_pair.h"

namespace kv {

QString UserDataFolder();
QString BackupFolder();  // UserDataFolder()/backups
QString TraceFolder();   // UserDataFolder()/traces

std::filesystem::path ToPath(const QString& folder);

// The local date and time now.
CivilTime LocalNow();

// Keeps `image` as a new backup in the backup folder; the reason when it could not.
std::optional<TextPair> KeepBackupImage(const MemoryImage& image, BackupKind kind);

// Removes the backups that are older than a year and not among the newest; run at start-up, once
// the main window has appeared.
void PruneBackupFolder();

}  // namespace kv
