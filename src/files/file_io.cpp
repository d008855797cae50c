// File access through POSIX calls, which give the flush (fsync) and the atomic rename the data
// files need.
#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>

namespace kv {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The side files of a target, beside it: its new contents while they are written, and a second
// link to its previous contents while the targets are replaced. The names are fixed, so that a
// save killed half-way leaves files the next save or open recognises and clears away.
std::string SideName(const std::string& target, const char* suffix) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + "." + name + suffix;
}

std::string TemporaryName(const std::string& target) {
    return SideName(target, ".tmp");
}

std::string BackupName(const std::string& target) {
    return SideName(target, ".bak");
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

// Records the system's reason for the failure on `path`, when the caller asked for it.
void Fail(FileFailure* failure, const std::string& path, int error) {
    if (failure != nullptr) *failure = {path, FileFailure::Kind::System, error};
}

// What a replaced file keeps: its permission bits and group.
struct Keeps {
    mode_t Mode = 0;
    gid_t Group = 0;
};

// Creates the temporary file (failing rather than sharing it with another save of the same target
// under way), gives it what the file it replaces keeps, writes and flushes it; removes it again
// when that fails, and returns the errno value then, 0 on success.
int WriteTemporary(const std::string& temporary, std::span<const std::uint8_t> bytes,
                   const std::optional<Keeps>& keeps) {
    // Private until it has the replaced file's bits, so that a private file is never readable by
    // others for a moment.
    const mode_t created = keeps ? S_IRUSR | S_IWUSR : 0666;
    Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, created));
    if (fd.get() < 0) return errno;
    if (keeps) {
        // The group first: changing it may clear the set-group-ID bit the mode then restores.
        // Only a group the user belongs to can be given, and file systems without Unix
        // permissions refuse both; their files carry nothing of this to keep.
        (void)::fchown(fd.get(), static_cast<uid_t>(-1), keeps->Group);
        (void)::fchmod(fd.get(), keeps->Mode);
    }
    int error = 0;
    if (!WriteAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) error = errno;
    if (!fd.close() && error == 0) error = errno;
    if (error == 0) return 0;
    ::unlink(temporary.c_str());
    return error;
}

void FlushFolder(const std::string& folder) {
    // Makes the renames durable. Some file systems refuse to flush a folder; the files themselves
    // are already on the disk and in place, so that refusal does not fail the save.
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

struct Replacement {
    std::string Given;   // the path the caller named
    std::string Target;  // the file it leads to, which is replaced
    std::optional<Keeps> Previous;
    std::string Temporary;
    std::string Backup;  // a second link to the previous contents, when there were any
    bool HadPrevious = false;
    bool Written = false;
    bool Renamed = false;
};

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

void FlushFolders(const std::vector<Replacement>& plan) {
    std::vector<std::string> folders;
    for (const auto& step : plan) {
        const std::string folder = FolderOf(step.Target);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            FlushFolder(folder);
            folders.push_back(folder);
        }
    }
}

std::vector<std::string> TargetsOf(const std::vector<Replacement>& plan) {
    std::vector<std::string> targets;
    for (const auto& step : plan) targets.push_back(step.Target);
    return targets;
}

// Looks at what a step replaces: what it keeps, and whether its owner may write it. A file whose
// bits deny that was made read-only on purpose, and root's power to write it anyway is no reason
// to overwrite it. Anything but a regular file is left for the rename to refuse.
bool LookAtPrevious(Replacement& step) {
    struct stat info {};
    if (::stat(step.Target.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return true;
    step.Previous = Keeps{static_cast<mode_t>(info.st_mode & 07777), info.st_gid};
    return (info.st_mode & S_IWUSR) != 0;
}

// Puts back what the renamed targets held. A target whose previous contents could not be linked
// (a file system without hard links) keeps its new contents rather than being removed.
void RollBack(std::vector<Replacement>& plan) {
    for (auto& step : plan) {
        if (step.Renamed) {
            if (!step.Backup.empty())
                ::rename(step.Backup.c_str(), step.Target.c_str());
            else if (!step.HadPrevious)
                ::unlink(step.Target.c_str());
        }
        if (!step.Backup.empty()) ::unlink(step.Backup.c_str());
        if (step.Written && !step.Renamed) ::unlink(step.Temporary.c_str());
    }
}

}  // namespace

std::optional<FileHead> ReadFileHead(const std::string& path, std::size_t limit,
                                     FileFailure* failure) {
    // Not blocking: a named pipe given as a data file must not hang the program.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        Fail(failure, path, errno);
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        if (failure != nullptr) *failure = {path, FileFailure::Kind::NotRegularFile, 0};
        return std::nullopt;
    }
    FileHead head;
    head.Size = static_cast<std::uint64_t>(info.st_size);
    head.Bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(head.Size, limit)));
    std::size_t done = 0;
    while (done < head.Bytes.size()) {
        const ssize_t n = ::read(fd.get(), head.Bytes.data() + done, head.Bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail(failure, path, errno);
        if (n == 0 && failure != nullptr) *failure = {path, FileFailure::Kind::TooShort, 0};
        if (n <= 0) return std::nullopt;
        done += static_cast<std::size_t>(n);
    }
    return head;
}

std::string FollowLinks(const std::string& path) {
    // The system's own limit on links in a row; a longer chain is a loop, and the open of the
    // path it ends on fails with the system's reason.
    constexpr int kMostLinks = 40;
    std::string current = path;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return current;
        target.resize(static_cast<std::size_t>(n));
        current = target.front() == '/' ? target : FolderOf(current) + "/" + target;
    }
    return current;
}

void RecoverInterruptedReplacement(std::span<const std::string> givenTargets) {
    if (givenTargets.empty()) return;
    std::vector<std::string> targets;
    for (const std::string& target : givenTargets) targets.push_back(FollowLinks(target));
    // The last target's backup is made after all the others and removed before them: while it
    // exists, the targets may be partly replaced and every backup holds the previous contents.
    const bool interrupted = Exists(BackupName(targets.back()));
    for (const std::string& target : targets) {
        const std::string backup = BackupName(target);
        // A backup still linked to its target (killed before that target was replaced) is left in
        // place by the rename, so it is removed in any case.
        if (interrupted) ::rename(backup.c_str(), target.c_str());
        ::unlink(backup.c_str());
        ::unlink(TemporaryName(target).c_str());
    }
    if (interrupted) FlushFolder(FolderOf(targets.back()));
}

bool WriteFilesAtomically(std::span<const FileContent> files, FileFailure* failure) {
    if (files.empty()) return true;
    std::vector<Replacement> plan;
    for (const auto& file : files) {
        Replacement& step = plan.emplace_back();
        step.Given = file.Path;
        step.Target = FollowLinks(file.Path);
        step.Temporary = TemporaryName(step.Target);
    }
    RecoverInterruptedReplacement(TargetsOf(plan));
    for (auto& step : plan) {
        if (!LookAtPrevious(step)) {
            if (failure != nullptr) *failure = {step.Given, FileFailure::Kind::ReadOnly, 0};
            return false;
        }
    }

    for (std::size_t i = 0; i < files.size(); ++i) {
        const int error = WriteTemporary(plan[i].Temporary, files[i].Bytes, plan[i].Previous);
        plan[i].Written = error == 0;
        if (!plan[i].Written) {
            Fail(failure, plan[i].Given, error);
            RollBack(plan);
            return false;
        }
    }

    // Keep the previous contents reachable until every target is replaced. The last target's
    // backup marks the replacement as under way, so it is made only once the others are on disk.
    for (auto& step : plan) {
        step.HadPrevious = Exists(step.Target);
        if (&step == &plan.back()) FlushFolders(plan);
        if (step.HadPrevious && ::link(step.Target.c_str(), BackupName(step.Target).c_str()) == 0)
            step.Backup = BackupName(step.Target);
    }
    FlushFolders(plan);
    for (auto& step : plan) {
        if (::rename(step.Temporary.c_str(), step.Target.c_str()) != 0) {
            Fail(failure, step.Given, errno);
            RollBack(plan);
            return false;
        }
        step.Renamed = true;
    }
    FlushFolders(plan);
    // Removing the last target's backup first commits the replacement.
    for (auto step = plan.rbegin(); step != plan.rend(); ++step)
        if (!step->Backup.empty()) ::unlink(step->Backup.c_str());
    FlushFolders(plan);
    return true;
}

FileReplacement::FileReplacement(const std::string& path)
    : given_(path), target_(FollowLinks(path)), temporary_(TemporaryName(target_)) {
    const std::array<std::string, 1> targets = {target_};
    RecoverInterruptedReplacement(targets);
    Replacement step;
    step.Target = target_;
    if (!LookAtPrevious(step)) {
        failure_ = FileFailure{given_, FileFailure::Kind::ReadOnly, 0};
        return;
    }
    const mode_t created = step.Previous ? S_IRUSR | S_IWUSR : 0666;
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, created);
    if (fd_ < 0) {
        failure_ = FileFailure{given_, FileFailure::Kind::System, errno};
        return;
    }
    if (step.Previous) {
        (void)::fchown(fd_, static_cast<uid_t>(-1), step.Previous->Group);
        (void)::fchmod(fd_, step.Previous->Mode);
    }
}

FileReplacement::~FileReplacement() {
    Abandon();
}

void FileReplacement::Abandon() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
    ::unlink(temporary_.c_str());
}

bool FileReplacement::Write(std::span<const std::uint8_t> bytes) {
    if (failure_) return false;
    if (WriteAll(fd_, bytes)) return true;
    failure_ = FileFailure{given_, FileFailure::Kind::System, errno};
    Abandon();
    return false;
}

std::optional<FileFailure> FileReplacement::Commit() {
    if (failure_) return failure_;
    int error = ::fsync(fd_) == 0 ? 0 : errno;
    if (::close(fd_) != 0 && error == 0) error = errno;
    fd_ = -1;
    if (error == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary_.c_str());
        failure_ = FileFailure{given_, FileFailure::Kind::System, error};
        return failure_;
    }
    FlushFolder(FolderOf(target_));
    return std::nullopt;
}

}  // namespace kv
