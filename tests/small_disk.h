// A small tmpfs mounted on a folder for the length of a test, to fill up: how a program behaves on
// a full disk. Mounting needs root (CI runs as root); elsewhere the test skips, saying why.
#pragma once

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace kv::test {

class SmallDisk {
public:
    // Mounts a tmpfs of `bytes` on `folder` (created when missing). Why not, in Problem().
    SmallDisk(const std::filesystem::path& folder, std::size_t bytes) : folder_(folder) {
        if (::geteuid() != 0) {
            problem_ = "mounting a small tmpfs needs root";
            return;
        }
        std::filesystem::create_directories(folder_);
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
        if (::mount("kv-test", folder_.c_str(), "tmpfs", 0, options.c_str()) != 0)
            problem_ = std::string("mounting a tmpfs failed: ") + std::strerror(errno);
        else
            mounted_ = true;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    const std::string& Problem() const { return problem_; }
    std::string file(const std::string& name) const { return (folder_ / name).string(); }

    // Writes a filler file that leaves at most `free` bytes of the disk unused.
    void FillLeaving(std::size_t free) const {
        struct statvfs disk {};
        if (::statvfs(folder_.c_str(), &disk) != 0) return;
        const std::size_t available = static_cast<std::size_t>(disk.f_bavail) * disk.f_frsize;
        if (available <= free) return;
        std::ofstream filler(folder_ / "filler", std::ios::binary);
        const std::string block(available - free, 'f');
        filler.write(block.data(), static_cast<std::streamsize>(block.size()));
    }

private:
    std::filesystem::path folder_;
    std::string problem_;
    bool mounted_ = false;
};

}  // namespace kv::test
