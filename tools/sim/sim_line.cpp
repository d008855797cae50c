// Pseudo-terminal and device handling, and the single-threaded serve loop: ppoll() waits for
// input, the next paced output byte, or a stop signal.
#include "sim_line.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <deque>

#include "sim_wire.h"

namespace kv::sim {
namespace {

volatile sig_atomic_t stopRequested = 0;

constexpr auto kSpinStretch = std::chrono::microseconds(150);

void OnStopSignal(int) {
    stopRequested = 1;
}

void MakeRaw(int fd, bool setSpeed) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return;
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    if (setSpeed) {
        cfsetispeed(&t, B115200);
        cfsetospeed(&t, B115200);
    }
    tcsetattr(fd, TCSANOW, &t);
}

timespec ToTimespec(Clock::duration d) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
    return {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

const char* KindName(RequestKind kind) {
    switch (kind) {
        case RequestKind::Handshake:
            return "handshake";
        case RequestKind::Identification:
            return "identification";
        case RequestKind::Read:
            return "read";
        case RequestKind::Data:
            return "write";
        case RequestKind::End:
            return "end";
    }
    return "";
}

void LogFrame(std::FILE* log, const char* direction, const Exchange& e, const Frame& bytes) {
    if (!log) return;
    std::fprintf(log, "%s %d %s", direction, e.number, KindName(e.kind));
    for (std::uint8_t b : bytes) std::fprintf(log, " %02X", b);
    if (bytes.empty()) std::fputs(" (none)", log);
    std::fputc('\n', log);
    std::fflush(log);
}

struct OutgoingByte {
    Clock::time_point due;
    std::uint8_t byte;
    int lastOf = 0;  // the request number when this is the last byte of its reply, else 0
};

long long Microseconds(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::microseconds>(t.time_since_epoch()).count();
}

void LogTime(std::FILE* timing, const char* event, int number, Clock::time_point t) {
    if (timing) std::fprintf(timing, "%s %d %lld\n", event, number, Microseconds(t));
}

// Hands every due byte to the line; keeps what the line did not take.
void WriteDue(int fd, std::deque<OutgoingByte>& out, Clock::time_point now, std::FILE* timing) {
    std::uint8_t chunk[256];
    std::size_t n = 0;
    while (n < out.size() && n < sizeof chunk && out[n].due <= now) chunk[n] = out[n].byte, ++n;
    if (n == 0) return;
    const ssize_t written = ::write(fd, chunk, n);
    if (written > 0) {
        const Clock::time_point left = Clock::now();
        for (ssize_t k = 0; k < written; ++k)
            if (out[k].lastOf != 0) LogTime(timing, "rp", out[k].lastOf, left);
        out.erase(out.begin(), out.begin() + written);
    } else if (written < 0 && errno != EAGAIN && errno != EINTR) {
        out.clear();
    }
}

void Pause(std::chrono::milliseconds d, const sigset_t& unblocked) {
    const timespec ts = ToTimespec(d);
    ppoll(nullptr, 0, &ts, &unblocked);
}

}  // namespace

Line::~Line() {
    if (fd_ >= 0) ::close(fd_);
}

bool Line::OpenPseudoTerminal(std::string& error) {
    fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
        error = std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ptsname(fd_);
    if (!name) {
        error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    peerPath_ = name;
    // Raw from the start: the program's first bytes must not be echoed or translated even if
    // they arrive before it has set the line up itself.
    MakeRaw(fd_, false);
    pseudoTerminal_ = true;
    return true;
}

bool Line::OpenDevice(const std::string& path, std::string& error) {
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    MakeRaw(fd_, true);
    peerPath_ = path;
    return true;
}

void InstallStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigset_t blocked;
    sigemptyset(&blocked);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
        sigaddset(&blocked, signal);
    }
    // Delivered only inside ppoll(), so a stop never interrupts a half-done step.
    sigprocmask(SIG_BLOCK, &blocked, nullptr);
}

void Serve(Line& line, SimRadio& radio, const ServeOptions& options) {
    sigset_t unblocked;
    sigprocmask(SIG_BLOCK, nullptr, &unblocked);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigdelset(&unblocked, signal);

    enum class Peer { Waiting, Connected, Gone };
    // A pseudo-terminal reports a hang-up until the program first opens it.
    Peer peer = line.isPseudoTerminal() ? Peer::Waiting : Peer::Connected;
    Clock::time_point goneSince{};
    const auto linger = std::chrono::milliseconds(options.lingerMs);
    const auto replyDelay = std::chrono::milliseconds(options.delayMs);
    Wire inbound(options.baud);
    Wire outbound(options.baud);
    std::deque<OutgoingByte> out;
    std::uint8_t buffer[4096];
    // When the first byte of the request being received arrived; unset between requests.
    constexpr Clock::time_point kUnset = Clock::time_point::min();
    Clock::time_point requestBegan = kUnset;

    while (!stopRequested) {
        Clock::time_point now = Clock::now();
        WriteDue(line.fd(), out, now, options.timing);

        pollfd pfd{line.fd(), POLLIN, 0};
        // A sleep ends some tens of microseconds late. The last byte of a reply is what the
        // program waits for, so the last stretch before it is spent polling without sleeping
        // and it leaves on time; a byte before it may leave a little late, which nobody sees,
        // and the simulator leaves the processor to the program meanwhile.
        Clock::duration untilDue = std::chrono::milliseconds(100);
        if (!out.empty()) {
            untilDue = out.front().due - Clock::now();
            if (out.front().lastOf != 0) untilDue -= kSpinStretch;
            if (untilDue < Clock::duration::zero()) untilDue = Clock::duration::zero();
        }
        const timespec wait = ToTimespec(untilDue);
        if (ppoll(&pfd, 1, &wait, &unblocked) < 0) continue;
        now = Clock::now();

        if (pfd.revents & POLLIN) {
            const ssize_t n = ::read(line.fd(), buffer, sizeof buffer);
            if (n > 0) {
                peer = Peer::Connected;
                const Clock::time_point start = inbound.Send(now, static_cast<std::size_t>(n));
                std::vector<Exchange> completed;
                for (ssize_t k = 0; k < n; ++k) {
                    if (requestBegan == kUnset) requestBegan = now;
                    completed.clear();
                    radio.Receive(buffer[k], completed);
                    for (const Exchange& e : completed) {
                        LogTime(options.timing, "rq", e.number, requestBegan);
                        requestBegan = kUnset;
                        LogFrame(options.log, "rx", e, e.request);
                        LogFrame(options.log, "tx", e, e.reply);
                        if (e.kind == RequestKind::End && options.onEnd) options.onEnd();
                        if (e.reply.empty()) continue;
                        const Clock::time_point arrived = start + inbound.ByteTime(k + 1);
                        const Clock::time_point first =
                            outbound.Send(arrived + replyDelay, e.reply.size());
                        for (std::size_t j = 0; j < e.reply.size(); ++j)
                            out.push_back({first + outbound.ByteTime(j + 1), e.reply[j],
                                           j + 1 == e.reply.size() ? e.number : 0});
                    }
                }
                continue;
            }
            if (n < 0 && errno == EAGAIN) continue;
        }
        if (!(pfd.revents & (POLLHUP | POLLERR | POLLIN))) {
            if (line.isPseudoTerminal() && peer == Peer::Gone) peer = Peer::Connected;
            continue;
        }
        // The other end is closed (pseudo-terminal) or the device failed.
        if (!line.isPseudoTerminal()) return;
        out.clear();
        if (peer == Peer::Connected) {
            peer = Peer::Gone;
            goneSince = now;
        }
        if (peer == Peer::Gone && options.lingerMs >= 0 && now - goneSince >= linger) return;
        Pause(std::chrono::milliseconds(5), unblocked);
    }
}

}  // namespace kv::sim
