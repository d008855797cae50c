// Link benchmark: whole read and write sessions of the serial session runner against
// kv7700-sim on a pseudo-terminal.
//  (a) unpaced: the simulator answers at once, so the figures are the program's own cost:
//      wall time and processor time (this process, getrusage) per session and per exchange;
//      each once without and once with the session trace that the program keeps;
//  (b) paced at 115200 baud: the simulator lets every byte take its wire time, and the session
//      time is compared with the wire-time minimum of all bytes that crossed the line. The same
//      exchanges made by a bare reference client (blocking reads, no event loop, no engine) show
//      what the machine, the pseudo-terminal and the simulator cost by themselves: the program
//      adds the difference between the two ratios.
//  (c) the trace alone, without the line: recording every frame of a whole write session and
//      keeping it as a file, against the fastest unpaced session of (a).
// Usage: kv_bench_link [unpaced sessions per kind, default 5]
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "link/session_trace.h"
#include "link/transfer_map.h"
#include "platform/serial_session.h"
#include "platform/user_data_folder.h"

namespace kv {
namespace {

constexpr int kBaud = 115200;
constexpr int kExchangesPerSession = static_cast<int>(kTransferBlockCount) + 3;

double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A simulator for one benchmark phase; its frame log gives the bytes that crossed the line.
class Simulator {
public:
    explicit Simulator(const QStringList& extra) {
        process_.start(
            KV_PROGRAM_DIR "/kv7700-sim",
            QStringList{"--log", dir_.filePath("frames.log"), "--linger", "forever"} + extra);
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
            path_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
    ~Simulator() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
    }
    const QString& path() const { return path_; }

    // Bytes of every frame received and sent so far, read from the log.
    long long LoggedBytes() const {
        QFile log(dir_.filePath("frames.log"));
        if (!log.open(QIODevice::ReadOnly)) return 0;
        long long bytes = 0;
        while (!log.atEnd()) {
            const QList<QByteArray> fields = log.readLine().trimmed().split(' ');
            if (fields.size() >= 4 && fields[3] != "(none)") bytes += fields.size() - 3;
        }
        return bytes;
    }

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString path_;
};

struct Measurement {
    bool succeeded = false;
    double wallSeconds = 0;
    double cpuSeconds = 0;
};

// `traceFolder` keeps the session's trace there, as the program does; empty: no trace.
Measurement RunSession(TransferKind kind, const QString& path, const QString& traceFolder = {}) {
    auto image = std::make_unique<MemoryImage>();
    RadioFacts facts;
    const VersionTable versions{"V100", {"V100"}, {{"V100", "V100"}}};
    SerialSession session(*image, facts, versions);
    session.setTraceFolder(traceFolder);
    std::optional<SessionOutcome> outcome;
    QEventLoop loop;
    QObject::connect(&session, &SerialSession::finished, [&](const SessionOutcome& o) {
        outcome = o;
        loop.quit();
    });

    Measurement m;
    QElapsedTimer wall;
    const double cpuBefore = ProcessorSeconds();
    wall.start();
    if (session.OpenLink(kind, path)) return m;
    session.start();
    // Sleeps in the event loop between events; a safety net ends a session that never ends.
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    if (!outcome) loop.exec();
    m.wallSeconds = wall.nsecsElapsed() / 1e9;
    m.cpuSeconds = ProcessorSeconds() - cpuBefore;
    m.succeeded = outcome && outcome->succeeded();
    return m;
}

// The session's exchanges made with blocking reads on the raw line, each reply awaited in full.
Measurement RunReferenceClient(TransferKind kind, const QString& path) {
    Measurement m;
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd < 0) return m;
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);
    auto exchange = [fd](const Frame& request, std::size_t expected) {
        if (::write(fd, request.data(), request.size()) != static_cast<ssize_t>(request.size()))
            return false;
        std::uint8_t buffer[64];
        std::size_t received = 0;
        pollfd pfd{fd, POLLIN, 0};
        while (received<expected&& ::poll(&pfd, 1, 1000)> 0) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0) return false;
            received += static_cast<std::size_t>(n);
        }
        return received == expected;
    };
    const BlockData block{};
    QElapsedTimer wall;
    wall.start();
    bool ok = exchange(HandshakeRequest(), kHandshakeReplyLength) &&
              exchange(IdentificationRequest(), kIdentificationReplyLength);
    for (std::uint32_t address : TransferBlockAddresses()) {
        if (!ok) break;
        ok = kind == TransferKind::Read ? exchange(ReadRequest(address), kDataFrameLength)
                                        : exchange(DataFrame(address, block), 1);
    }
    ok = ok && exchange(EndRequest(), 1);
    m.wallSeconds = wall.nsecsElapsed() / 1e9;
    m.succeeded = ok;
    ::close(fd);
    return m;
}

const char* Name(TransferKind kind) {
    return kind == TransferKind::Read ? "read " : "write";
}

bool Unpaced(int sessions) {
    Simulator sim({});
    if (sim.path().isEmpty()) return false;
    QTemporaryDir traces;
    std::printf("(a) unpaced, %d sessions per kind and tracing, %d exchanges per session\n",
                sessions, kExchangesPerSession);
    std::printf("    kind   trace  wall/session  cpu/session  wall/exchange  cpu/exchange\n");
    for (TransferKind kind : {TransferKind::Read, TransferKind::Write}) {
        for (bool traced : {false, true}) {
            double wall = 0, cpu = 0, worstCpu = 0;
            for (int i = 0; i < sessions; ++i) {
                const Measurement m =
                    RunSession(kind, sim.path(), traced ? traces.path() : QString());
                if (!m.succeeded) return false;
                wall += m.wallSeconds;
                cpu += m.cpuSeconds;
                worstCpu = std::max(worstCpu, m.cpuSeconds);
            }
            wall /= sessions;
            cpu /= sessions;
            std::printf(
                "    %s  %-5s  %9.3f s  %9.3f s  %10.1f us  %10.1f us   (worst cpu %.3f s)\n",
                Name(kind), traced ? "on" : "off", wall, cpu, wall / kExchangesPerSession * 1e6,
                cpu / kExchangesPerSession * 1e6, worstCpu);
        }
    }
    return true;
}

bool Paced() {
    std::printf("(b) paced at %d baud (10 bits a byte)\n", kBaud);
    std::printf("    client     kind   session     wire minimum  ratio   cpu/session\n");
    for (TransferKind kind : {TransferKind::Read, TransferKind::Write}) {
        enum class Client { Program, TracedProgram, Reference };
        for (Client client : {Client::Program, Client::TracedProgram, Client::Reference}) {
            Simulator sim({"--baud", QString::number(kBaud)});
            if (sim.path().isEmpty()) return false;
            QTemporaryDir traces;
            const bool program = client != Client::Reference;
            const Measurement m = client == Client::Reference ? RunReferenceClient(kind, sim.path())
                                  : client == Client::Program
                                      ? RunSession(kind, sim.path())
                                      : RunSession(kind, sim.path(), traces.path());
            if (!m.succeeded) return false;
            const long long bytes = sim.LoggedBytes();
            const double wire = bytes * 10.0 / kBaud;
            const char* name = client == Client::Reference ? "reference"
                               : client == Client::Program ? "program  "
                                                           : "+trace   ";
            std::printf("    %s  %s  %8.3f s  %8.3f s    %6.4f  ", name, Name(kind), m.wallSeconds,
                        wire, m.wallSeconds / wire);
            if (program)
                std::printf("%8.3f s   (%lld bytes)\n", m.cpuSeconds, bytes);
            else
                std::printf("       -     (%lld bytes)\n", bytes);
        }
    }
    return true;
}

// Records the frames of one whole write session (every data frame and its acknowledgement) and
// keeps the trace as a file, `rounds` times; prints the time per session.
bool TraceAlone(int rounds) {
    QTemporaryDir traces;
    const Frame ack = Acknowledgement();
    const std::vector<std::uint32_t> addresses = TransferBlockAddresses();
    const BlockData block{};
    QElapsedTimer wall;
    const double cpuBefore = ProcessorSeconds();
    wall.start();
    for (int round = 0; round < rounds; ++round) {
        SessionTrace trace;
        trace.Begin(TransferKind::Write, LocalNow());
        for (std::uint32_t address : addresses) {
            trace.Add(TraceEvent::Sent, DataFrame(address, block), 4, 1);
            trace.Add(TraceEvent::Received, ack, 4, 1);
        }
        trace.End({TransferKind::Write, SessionResult::Succeeded, {}, {}});
        if (!KeepTrace(ToPath(traces.path()), trace)) return false;
    }
    const double wallMs = wall.nsecsElapsed() / 1e6 / rounds;
    const double cpuMs = (ProcessorSeconds() - cpuBefore) * 1e3 / rounds;
    std::printf(
        "(c) trace alone, %d sessions of %zu frames: %.2f ms wall, %.2f ms cpu per "
        "session (recording, text and file)\n",
        rounds, addresses.size() * 2, wallMs, cpuMs);
    return true;
}

}  // namespace
}  // namespace kv

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int sessions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::printf("Goals: paced ratio <= 1.02; under 0.1 s of program processor time per session.\n");
    if (!kv::Unpaced(sessions) || !kv::Paced() || !kv::TraceAlone(20)) {
        std::fprintf(stderr, "bench_link: a session failed\n");
        return 1;
    }
    return 0;
}
