// Recovery copies on the disk: written through the program's one safe-save path, locked with
// flock(2), whose lock the system drops with the process that held it.
#include "platform/recovery_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "files/file_io.h"
#include "platform/settings_file.h"
#include "platform/user_data_folder.h"

namespace kv {
namespace {

const QString kCopySuffix = QStringLiteral(".kvrecovery");
const QString kLockSuffix = QStringLiteral(".lock");

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Opens (creating) `lockPath` and takes its lock without waiting; -1 when it is held elsewhere
// or cannot be opened.
int TakeLock(const QString& lockPath) {
    const int fd = ::open(Native(lockPath).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void ReleaseLock(int& fd) {
    if (fd < 0) return;
    ::close(fd);  // closing drops the flock
    fd = -1;
}

}  // namespace

QString RecoveryFolder(const ProgramFolders& folders, const SettingsFile& settings) {
    const QString beside = folders.settingsFile();
    if (!folders.isSystemInstallation() && settings.writePath() == beside)
        return QDir(QFileInfo(beside).absolutePath()).filePath(QStringLiteral("recovery"));
    return QDir(UserDataFolder()).filePath(QStringLiteral("recovery"));
}

OwnRecoveryFile::OwnRecoveryFile(QString folder) : folder_(std::move(folder)) {
    // The process number and the start time: unique among the programs that ever wrote here.
    const QString name = QStringLiteral("recovery-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QDateTime::currentMSecsSinceEpoch());
    path_ = QDir(folder_).filePath(name + kCopySuffix);
    lockPath_ = QDir(folder_).filePath(name + kLockSuffix);
}

OwnRecoveryFile::~OwnRecoveryFile() {
    ReleaseLock(lockFd_);
}

bool OwnRecoveryFile::Write(std::span<const std::uint8_t> bytes) {
    if (lockFd_ < 0) {
        if (!QDir().mkpath(folder_)) return false;
        lockFd_ = TakeLock(lockPath_);
        if (lockFd_ < 0) return false;
    }
    const FileContent file{Native(path_), bytes};
    return WriteFilesAtomically(std::span(&file, 1));
}

void OwnRecoveryFile::Remove() {
    if (lockFd_ < 0) return;
    QFile::remove(path_);
    QFile::remove(lockPath_);
    ReleaseLock(lockFd_);
}

LeftRecoveryFile::LeftRecoveryFile(QString path, QString lockPath, int lockFd)
    : path_(std::move(path)), lockPath_(std::move(lockPath)), lockFd_(lockFd) {}

LeftRecoveryFile::LeftRecoveryFile(LeftRecoveryFile&& other) noexcept
    : path_(std::move(other.path_)),
      lockPath_(std::move(other.lockPath_)),
      lockFd_(std::exchange(other.lockFd_, -1)) {}

LeftRecoveryFile::~LeftRecoveryFile() {
    ReleaseLock(lockFd_);
}

std::optional<std::vector<std::uint8_t>> LeftRecoveryFile::Read() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void LeftRecoveryFile::Remove() {
    QFile::remove(path_);
    QFile::remove(lockPath_);
    ReleaseLock(lockFd_);
}

QString LeftRecoveryFile::SetAside() {
    QString aside = path_;
    aside.chop(kCopySuffix.size());
    aside += QStringLiteral(".refused");
    QFile::remove(aside);
    QFile::rename(path_, aside);
    QFile::remove(lockPath_);
    ReleaseLock(lockFd_);
    return aside;
}

std::vector<LeftRecoveryFile> FindLeftRecoveryFiles(const QString& folder) {
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList({QStringLiteral("*") + kCopySuffix, QStringLiteral("*") + kLockSuffix},
                          QDir::Files | QDir::Hidden, QDir::Time | QDir::Reversed);
    std::vector<LeftRecoveryFile> left;
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (name.endsWith(kLockSuffix)) {
            // A lock without its copy: a program ended between taking the lock and writing, or
            // between removing the copy and the lock.
            const QString copy = dir.filePath(name.chopped(kLockSuffix.size()) + kCopySuffix);
            if (QFileInfo::exists(copy)) continue;
            int fd = TakeLock(entry.filePath());
            if (fd >= 0 && !QFileInfo::exists(copy)) QFile::remove(entry.filePath());
            ReleaseLock(fd);
            continue;
        }
        const QString lockPath = dir.filePath(name.chopped(kCopySuffix.size()) + kLockSuffix);
        const int fd = TakeLock(lockPath);
        if (fd < 0) continue;  // its program is still running
        left.emplace_back(entry.filePath(), lockPath, fd);
    }
    return left;
}

}  // namespace kv
