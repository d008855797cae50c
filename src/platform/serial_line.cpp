// The serial line beneath QSerialPort on a POSIX terminal device.
#include "platform/serial_line.h"

#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace kv {

bool SetLineThreshold(QSerialPort& port, std::size_t length) {
    const int fd = static_cast<int>(port.handle());
    termios settings{};
    if (fd < 0 || ::tcgetattr(fd, &settings) != 0) return false;
    // With VTIME 0 a poll reports the line readable only once VMIN bytes are there; the
    // descriptor is non-blocking, so a read still returns whatever is there.
    settings.c_cc[VMIN] = static_cast<cc_t>(std::clamp<std::size_t>(length, 1, 255));
    settings.c_cc[VTIME] = 0;
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

bool WriteNow(QSerialPort& port, ByteView bytes) {
    std::size_t done = 0;
    const int fd = static_cast<int>(port.handle());
    // Bytes already queued must leave first.
    if (fd >= 0 && port.bytesToWrite() == 0) {
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
                return false;
            } else {
                break;
            }
        }
    }
    if (done == bytes.size()) return true;
    const auto rest = static_cast<qint64>(bytes.size() - done);
    return port.write(reinterpret_cast<const char*>(bytes.data() + done), rest) == rest;
}

Frame TakeHeldBytes(QSerialPort& port) {
    Frame held;
    const int fd = static_cast<int>(port.handle());
    if (fd < 0) return held;
    std::uint8_t chunk[256];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        held.insert(held.end(), chunk, chunk + n);
    }
    return held;
}

}  // namespace kv
