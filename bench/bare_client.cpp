// kv_bare_client read|write PATH: the lock-step exchanges of a whole radio session and nothing
// else, as a yardstick for the program's session runner. It sends each request, waits in
// poll() until its whole reply has arrived and sends the next: no event loop, no engine, no
// trace, no checks beyond the reply's length. Its frames are built here, not by the program.
// Prints the session's wall time in seconds; exits 1 when a reply did not arrive within 1 s.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "link/transfer_map.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

bool Exchange(int fd, const Bytes& request, std::size_t replyLength) {
    if (::write(fd, request.data(), request.size()) != static_cast<ssize_t>(request.size()))
        return false;
    std::uint8_t reply[64];
    std::size_t received = 0;
    pollfd pfd{fd, POLLIN, 0};
    while (received<replyLength&& ::poll(&pfd, 1, 1000)> 0) {
        const ssize_t n = ::read(fd, reply, sizeof reply);
        if (n <= 0) return false;
        received += static_cast<std::size_t>(n);
    }
    return received == replyLength;
}

// 'R' or 'W', the block's address big-endian, the block length; a write adds 16 zero bytes,
// their checksum (the sum of the address and length bytes) and 0x06.
Bytes BlockRequest(bool write, std::uint32_t address) {
    Bytes frame{write ? std::uint8_t{'W'} : std::uint8_t{'R'}};
    for (int shift = 24; shift >= 0; shift -= 8)
        frame.push_back(static_cast<std::uint8_t>(address >> shift));
    frame.push_back(16);
    if (!write) return frame;
    std::uint8_t sum = 0;
    for (std::size_t i = 1; i < frame.size(); ++i) sum = static_cast<std::uint8_t>(sum + frame[i]);
    frame.insert(frame.end(), 16, 0);
    frame.push_back(sum);
    frame.push_back(0x06);
    return frame;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "read") != 0 && std::strcmp(argv[1], "write") != 0)) {
        std::fprintf(stderr, "usage: kv_bare_client read|write PATH\n");
        return 2;
    }
    const bool write = std::strcmp(argv[1], "write") == 0;
    const int fd = ::open(argv[2], O_RDWR | O_NOCTTY);
    if (fd < 0) {
        std::perror(argv[2]);
        return 1;
    }
    termios t{};
    ::tcgetattr(fd, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(fd, TCSANOW, &t);

    const auto start = std::chrono::steady_clock::now();
    bool ok = Exchange(fd, {'P', 'R', 'O', 'G', 'R', 'A', 'M'}, 3) && Exchange(fd, {0x02}, 16);
    for (const auto& region : kv::kTransferRegions)
        for (std::uint32_t a = region.First; ok && a < region.Last; a += 16)
            ok = Exchange(fd, BlockRequest(write, a), write ? 1 : 24);
    ok = ok && Exchange(fd, {'E', 'N', 'D'}, 1);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    ::close(fd);
    if (!ok) {
        std::fprintf(stderr, "kv_bare_client: a reply did not arrive\n");
        return 1;
    }
    std::printf("%.6f\n", seconds.count());
    return 0;
}
