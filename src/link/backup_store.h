// The radio images kept as backups: every successful read keeps what the radio held and every
// write keeps what it sent, as raw image files named by local date, time and kind
// ("2026-12-10_142233_read.img") in one folder. Pruning removes backups older than a year but
// always keeps the newest ones, so a radio that is programmed rarely still has its history.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "link/civil_time.h"
#include "model/memory_image.h"
#include "model/text_pair.h"

namespace kv {

enum class BackupKind { Read, Written };

// Backups kept whatever their age.
inline constexpr std::size_t kBackupsAlwaysKept = 50;

// "read" or "written".
const char* BackupKindName(BackupKind kind);

// "2026-12-10_142233_read.img"; `sequence` above 1 tells apart backups of the same second:
// "2026-12-10_142233-2_read.img".
std::string BackupFileName(const CivilTime& time, BackupKind kind, int sequence = 1);

struct BackupName {
    CivilTime Time;  // to the second
    int Sequence = 1;
    BackupKind Kind = BackupKind::Read;
};

// The parts of a backup's file name; nothing for any other file.
std::optional<BackupName> ParseBackupFileName(const std::string& name);

// Of the backup files named in `names` (other names are ignored), those to remove at `now`:
// older than a year and not among the newest kBackupsAlwaysKept.
std::vector<std::string> BackupsToPrune(const std::vector<std::string>& names,
                                        const CivilTime& now);

// Removes what BackupsToPrune names from `folder`; returns how many files were removed. A
// missing folder has nothing to prune.
std::size_t PruneBackups(const std::filesystem::path& folder, const CivilTime& now);

struct KeptBackup {
    std::filesystem::path Path;  // empty when the backup could not be kept
    TextPair Error;              // why not
};

// Writes `image` as a new backup file in `folder` (created when missing); never replaces an
// existing backup.
KeptBackup KeepBackup(const std::filesystem::path& folder, const MemoryImage& image,
                      BackupKind kind, const CivilTime& now);

// Fills `image` from a raw image file (a backup, or any file of exactly the image's size). On
// failure the image is unchanged and the result says why.
std::optional<TextPair> LoadImageFile(const std::string& path, MemoryImage& image);

}  // namespace kv
