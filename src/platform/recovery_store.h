// Where the recovery copies of documents with unsaved edits live, and the lock that tells the
// copy of a running program from one left behind. Every running program writes its own copy
// ("<name>.kvrecovery") and holds an advisory lock on "<name>.lock" while the copy exists; the
// system releases the lock when the program ends in any way, so a copy whose lock can be taken
// was left by a program that crashed, was killed or lost its power.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/program_folders.h"

namespace kv {

class SettingsFile;

// The recovery folder: "recovery" in the folder of the settings file for a copy that keeps its
// settings beside itself, otherwise in the per-user data folder.
QString RecoveryFolder(const ProgramFolders& folders, const SettingsFile& settings);

// This running program's own recovery copy. Writing and removing may run on any one thread.
class OwnRecoveryFile {
public:
    explicit OwnRecoveryFile(QString folder);
    ~OwnRecoveryFile();  // releases the lock; the copy stays
    OwnRecoveryFile(const OwnRecoveryFile&) = delete;
    OwnRecoveryFile& operator=(const OwnRecoveryFile&) = delete;

    // Takes the lock (the first time), then replaces the copy with `bytes`, synced to the disk.
    // False when the folder, the lock or the file could not be written.
    bool Write(std::span<const std::uint8_t> bytes);
    // Removes the copy, then the lock.
    void Remove();

    QString path() const { return path_; }

private:
    QString folder_;
    QString path_;
    QString lockPath_;
    int lockFd_ = -1;
};

// A copy left behind by a program that is no longer running; its lock is held until this object
// goes, so that no other program offers it at the same time.
class LeftRecoveryFile {
public:
    LeftRecoveryFile(QString path, QString lockPath, int lockFd);
    LeftRecoveryFile(LeftRecoveryFile&& other) noexcept;
    LeftRecoveryFile& operator=(LeftRecoveryFile&&) = delete;
    ~LeftRecoveryFile();

    // The whole file; nothing when it cannot be read.
    std::optional<std::vector<std::uint8_t>> Read() const;
    // Removes the copy and its lock.
    void Remove();
    // Renames the copy to "<name>.refused" beside it, so that it is not offered again but kept;
    // returns the new path.
    QString SetAside();

    QString path() const { return path_; }

private:
    QString path_;
    QString lockPath_;
    int lockFd_ = -1;
};

// The copies in `folder` whose program no longer runs, oldest first. Looks at nothing but the
// folder's list when it holds none; locks left without their copy are removed.
std::vector<LeftRecoveryFile> FindLeftRecoveryFiles(const QString& folder);

}  // namespace kv
