// A pseudo-terminal pair for serial tests: the program opens the slave path as its port, the
// test plays the radio on the master side with raw bytes from a thread of its own.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "link/frames.h"

namespace kv::test {

class PtyPair {
public:
    PtyPair() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        const int fd = master_.load();
        if (fd < 0 || ::grantpt(fd) != 0 || ::unlockpt(fd) != 0) return;
        const char* name = ::ptsname(fd);
        if (name) slavePath_ = name;
    }
    ~PtyPair() { closeMaster(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return master_ >= 0 && !slavePath_.empty(); }
    int master() const { return master_.load(); }
    const std::string& slavePath() const { return slavePath_; }
    void closeMaster() {
        const int fd = master_.exchange(-1);
        if (fd >= 0) ::close(fd);
    }

private:
    std::atomic<int> master_{-1};
    std::string slavePath_;
};

// Reads whole request frames from the master side and answers each through `answer`; an
// empty answer leaves the request unanswered. `stopAfter` requests, the radio closes the
// master (the device vanishes).
class PtyRadio {
public:
    using Answer = std::function<std::optional<Frame>(const Frame& request)>;

    // `byteGap`: each reply byte is written on its own, this long after the one before, as a
    // slow serial line delivers them; zero writes the reply at once.
    PtyRadio(PtyPair& pty, Answer answer, int stopAfter = -1,
             std::chrono::microseconds byteGap = std::chrono::microseconds::zero())
        : pty_(pty), answer_(std::move(answer)), stopAfter_(stopAfter), byteGap_(byteGap) {
        thread_ = std::thread([this] { run(); });
    }
    ~PtyRadio() {
        stop_ = true;
        thread_.join();
    }

    std::vector<Frame> requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }

private:
    void run() {
        Frame pending;
        const int fd = pty_.master();
        while (!stop_) {
            pollfd pfd{fd, POLLIN, 0};
            if (::poll(&pfd, 1, 20) <= 0 || !(pfd.revents & POLLIN)) continue;
            std::uint8_t chunk[256];
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n <= 0) continue;
            pending.insert(pending.end(), chunk, chunk + n);
            while (!pending.empty()) {
                const auto kind = RequestKindOf(pending[0]);
                if (!kind) {
                    pending.erase(pending.begin());
                    continue;
                }
                const std::size_t length = RequestLength(*kind);
                if (pending.size() < length) break;
                const Frame request(pending.begin(), pending.begin() + length);
                pending.erase(pending.begin(), pending.begin() + length);
                int count;
                {
                    std::lock_guard lock(mutex_);
                    requests_.push_back(request);
                    count = static_cast<int>(requests_.size());
                }
                if (count == stopAfter_) {
                    pty_.closeMaster();
                    return;
                }
                if (auto reply = answer_(request)) write(fd, *reply);
            }
        }
    }

    void write(int fd, const Frame& reply) const {
        if (byteGap_ == std::chrono::microseconds::zero()) {
            [[maybe_unused]] auto written = ::write(fd, reply.data(), reply.size());
            return;
        }
        for (std::uint8_t byte : reply) {
            std::this_thread::sleep_for(byteGap_);
            [[maybe_unused]] auto written = ::write(fd, &byte, 1);
        }
    }

    PtyPair& pty_;
    Answer answer_;
    int stopAfter_;
    std::chrono::microseconds byteGap_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<Frame> requests_;
    std::thread thread_;
};

}  // namespace kv::test
