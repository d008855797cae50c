// Link benchmark: whole read and write sessions of the serial session runner against
// kv7700-sim on a pseudo-terminal.
//  (a) unpaced: the simulator answers at once, so the figures are the program's own cost:
//      wall time and processor time (this process, getrusage) per session and per exchange;
//      each once without and once with the session trace that the program keeps;
//  (b) paced at 115200 baud: the simulator lets every byte take its wire time. The program (its
//      session runner, keeping its trace) and the bare client kv_bare_client (a few dozen lines
//      of blocking exchanges, its own frames, no event loop) take turns, each session on a
//      fresh simulator. For each: the session time against the wire-time minimum of all bytes
//      that crossed the line, and the turnaround of every exchange, from the moment the
//      simulator wrote the last byte of a reply to the moment it read the first byte of the
//      next request (its --timing stamps), which noise on a shared machine hides far less.
//  (c) the trace alone, without the line: recording every frame of a whole write session and
//      keeping it as a file, against the fastest unpaced session of (a).
// Usage: kv_bench_link [unpaced sessions per kind, default 5] [paced rounds, default 5]
#include <stdlib.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <map>
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
        process_.start(KV_PROGRAM_DIR "/kv7700-sim",
                       QStringList{"--log", dir_.filePath("frames.log"), "--timing",
                                   dir_.filePath("timing.txt"), "--linger", "forever"} +
                           extra);
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
            path_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
    ~Simulator() { Stop(); }
    const QString& path() const { return path_; }

    // Ends the simulator, which writes out its timing stamps.
    void Stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
    }

    // Microseconds from the last byte of each reply leaving to the first byte of the next
    // request arriving; read once the simulator has stopped.
    std::vector<double> Turnarounds() const {
        QFile file(dir_.filePath("timing.txt"));
        std::vector<double> turnarounds;
        if (!file.open(QIODevice::ReadOnly)) return turnarounds;
        std::map<int, long long> replyLeft;
        while (!file.atEnd()) {
            const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
            if (fields.size() != 3) continue;
            const int number = fields[1].toInt();
            const long long at = fields[2].toLongLong();
            if (fields[0] == "rp") replyLeft[number] = at;
            if (fields[0] == "rq" && replyLeft.count(number - 1) != 0)
                turnarounds.push_back(static_cast<double>(at - replyLeft[number - 1]));
        }
        return turnarounds;
    }

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
    // Timed from the first request, as the bare client times itself.
    if (session.OpenLink(kind, path)) return m;
    QElapsedTimer wall;
    const double cpuBefore = ProcessorSeconds();
    wall.start();
    session.start();
    // Sleeps in the event loop between events; a safety net ends a session that never ends.
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    if (!outcome) loop.exec();
    m.wallSeconds = wall.nsecsElapsed() / 1e9;
    m.cpuSeconds = ProcessorSeconds() - cpuBefore;
    m.succeeded = outcome && outcome->succeeded();
    return m;
}

// The bare client's session on `path`: its own wall time, as it prints it.
Measurement RunBareClient(TransferKind kind, const QString& path) {
    Measurement m;
    QProcess client;
    client.start(QCoreApplication::applicationDirPath() + "/kv_bare_client",
                 {kind == TransferKind::Read ? "read" : "write", path});
    if (!client.waitForFinished(120000) || client.exitCode() != 0) return m;
    bool ok = false;
    m.wallSeconds = client.readAllStandardOutput().trimmed().toDouble(&ok);
    m.succeeded = ok;
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

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Percentile90(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() * 9 / 10];
}

void PrintLoad(const char* when) {
    double load[3] = {};
    if (getloadavg(load, 3) == 3)
        std::printf("    load average %s: %.2f %.2f %.2f\n", when, load[0], load[1], load[2]);
}

bool Paced(int rounds) {
    std::printf(
        "(b) paced at %d baud (10 bits a byte), %d rounds; the program (with its trace) and the "
        "bare client take turns, each session on a fresh simulator\n",
        kBaud, rounds);
    PrintLoad("before");
    struct Figures {
        std::vector<double> ratios, turnarounds, cpu;
        double seconds = 0, wire = 0;
    };
    enum class Client { Program, Bare };
    std::map<std::pair<TransferKind, Client>, Figures> figures;
    for (int round = 0; round < rounds; ++round) {
        for (TransferKind kind : {TransferKind::Read, TransferKind::Write}) {
            for (Client client : {Client::Program, Client::Bare}) {
                // Alternate which client goes first, so neither always follows the other.
                const Client who = round % 2 == 0              ? client
                                   : client == Client::Program ? Client::Bare
                                                               : Client::Program;
                Simulator sim({"--baud", QString::number(kBaud)});
                if (sim.path().isEmpty()) return false;
                QTemporaryDir traces;
                const Measurement m = who == Client::Bare
                                          ? RunBareClient(kind, sim.path())
                                          : RunSession(kind, sim.path(), traces.path());
                sim.Stop();
                if (!m.succeeded) return false;
                Figures& f = figures[{kind, who}];
                f.wire = sim.LoggedBytes() * 10.0 / kBaud;
                f.ratios.push_back(m.wallSeconds / f.wire);
                f.cpu.push_back(m.cpuSeconds);
                const std::vector<double> t = sim.Turnarounds();
                f.turnarounds.insert(f.turnarounds.end(), t.begin(), t.end());
            }
        }
    }
    std::printf(
        "    kind   client   ratio median (min - max)    session    wire min.  turnaround median "
        "/ 90%% (us)  cpu/session\n");
    for (TransferKind kind : {TransferKind::Read, TransferKind::Write}) {
        for (Client client : {Client::Program, Client::Bare}) {
            const Figures& f = figures[{kind, client}];
            const double ratio = Median(f.ratios);
            std::printf("    %s  %s  %6.4f (%6.4f - %6.4f)  %8.3f s  %7.3f s  %8.1f / %6.1f",
                        Name(kind), client == Client::Program ? "program" : "bare   ", ratio,
                        *std::min_element(f.ratios.begin(), f.ratios.end()),
                        *std::max_element(f.ratios.begin(), f.ratios.end()), ratio * f.wire, f.wire,
                        Median(f.turnarounds), Percentile90(f.turnarounds));
            if (client == Client::Program)
                std::printf("         %6.3f s\n", Median(f.cpu));
            else
                std::printf("            -\n");
        }
    }
    PrintLoad("after");
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
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::printf(
        "Goals: paced, the program level with the bare client (median turnaround no larger); "
        "under 0.1 s of program processor time per session.\n");
    if (!kv::Unpaced(sessions) || !kv::Paced(rounds) || !kv::TraceAlone(20)) {
        std::fprintf(stderr, "bench_link: a session failed\n");
        return 1;
    }
    return 0;
}
