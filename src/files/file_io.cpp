// File access through POSIX calls, which give the flush (fsync) and the atomic rename the data
// files need.
#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

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

// A name beside the target that no other save of this or another process uses.
std::string SideName(const std::string& target, const char* suffix) {
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + suffix;
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

// Creates the temporary file (never reusing an existing name), writes and flushes it; removes it
// again when that fails, and returns the errno value then, 0 on success.
int WriteTemporary(const std::string& temporary, std::span<const std::uint8_t> bytes) {
    Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) return errno;
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
    std::string Target;
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

// Puts back what the renamed targets held. A target whose previous contents could not be linked
// (a file system without hard links) keeps its new contents rather than being removed.
void RollBack(std::vector<Replacement>& plan) {
    for (auto& step : plan) {
        if (step.Renamed) {
            if (!step.Backup.empty()) {
                if (::rename(step.Backup.c_str(), step.Target.c_str()) == 0) step.Backup.clear();
            } else if (!step.HadPrevious) {
                ::unlink(step.Target.c_str());
            }
        }
        if (step.Written && !step.Renamed) ::unlink(step.Temporary.c_str());
        if (!step.Backup.empty()) ::unlink(step.Backup.c_str());
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

bool WriteFilesAtomically(std::span<const FileContent> files, FileFailure* failure) {
    std::vector<Replacement> plan;
    for (const auto& file : files) {
        Replacement& step = plan.emplace_back();
        step.Target = file.Path;
        step.Temporary = SideName(file.Path, ".tmp");
    }

    for (std::size_t i = 0; i < files.size(); ++i) {
        const int error = WriteTemporary(plan[i].Temporary, files[i].Bytes);
        plan[i].Written = error == 0;
        if (!plan[i].Written) {
            Fail(failure, files[i].Path, error);
            RollBack(plan);
            return false;
        }
    }

    for (auto& step : plan) {
        // Keep the previous contents reachable until every target is replaced.
        step.HadPrevious = Exists(step.Target);
        if (step.HadPrevious && &step != &plan.back()) {
            const std::string backup = SideName(step.Target, ".bak");
            if (::link(step.Target.c_str(), backup.c_str()) == 0) step.Backup = backup;
        }
        if (::rename(step.Temporary.c_str(), step.Target.c_str()) != 0) {
            Fail(failure, step.Target, errno);
            RollBack(plan);
            return false;
        }
        step.Renamed = true;
    }
    for (auto& step : plan)
        if (!step.Backup.empty()) ::unlink(step.Backup.c_str());

    std::vector<std::string> folders;
    for (const auto& file : files) {
        const std::string folder = FolderOf(file.Path);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            FlushFolder(folder);
            folders.push_back(folder);
        }
    }
    return true;
}

}  // namespace kv
