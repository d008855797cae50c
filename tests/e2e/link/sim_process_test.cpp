// kv7700-sim as a process: its command line, the line it serves, its exits, pacing and saving.
#include "e2e/link/sim_process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>

namespace kv::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The program's end of the pseudo-terminal, opened raw.
class Peer {
public:
    explicit Peer(const QString& path) {
        fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        termios t{};
        if (fd_ >= 0 && tcgetattr(fd_, &t) == 0) {
            cfmakeraw(&t);
            tcsetattr(fd_, TCSANOW, &t);
        }
    }
    ~Peer() { Close(); }
    bool ok() const { return fd_ >= 0; }
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

    // Sends a request and collects `expected` reply bytes, waiting at most a second for each.
    Bytes Exchange(const Bytes& request, std::size_t expected) {
        EXPECT_EQ(::write(fd_, request.data(), request.size()),
                  static_cast<ssize_t>(request.size()));
        Bytes reply;
        std::uint8_t buffer[64];
        pollfd pfd{fd_, POLLIN, 0};
        while (reply.size() < expected && ::poll(&pfd, 1, 1000) > 0) {
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0) break;
            reply.insert(reply.end(), buffer, buffer + n);
        }
        return reply;
    }

private:
    int fd_ = -1;
};

const Bytes kHandshake{'P', 'R', 'O', 'G', 'R', 'A', 'M'};
const Bytes kHandshakeReply{0x57, 0x4A, 0x06};

TEST(SimCommandLine, HelpDocumentsEveryOption) {
    QProcess sim;
    sim.start(KV_PROGRAM_DIR "/kv7700-sim", {"--help"});
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 0);
    const QString help = QString::fromUtf8(sim.readAllStandardOutput());
    for (const char* option :
         {"--device", "--image", "--save", "--model", "--option-byte", "--firmware", "--log",
          "--timing", "--drop-reply", "--corrupt-checksum", "--wrong-address", "--short-reply",
          "--lose-write", "--silent-after", "--delay", "--baud", "--linger", "--help"})
        EXPECT_TRUE(help.contains(option)) << option;
}

TEST(SimCommandLine, RejectsBadOptionsAndImages) {
    QTemporaryDir dir;
    QFile small(dir.filePath("small.img"));
    ASSERT_TRUE(small.open(QIODevice::WriteOnly));
    small.write("12345");
    small.close();
    const QStringList cases[] = {
        {"--baud", "fast"},
        {"--drop-reply", "0"},
        {"--option-byte", "256"},
        {"--save"},
        {"--linger", "-3"},
        {"--firmware", ""},
        {"--firmware", "V1000"},
        {"extra"},
        {"--image", small.fileName()},
        {"--image", dir.filePath("missing.img")},
    };
    for (const QStringList& arguments : cases) {
        QProcess sim;
        sim.start(KV_PROGRAM_DIR "/kv7700-sim", arguments);
        ASSERT_TRUE(sim.waitForFinished(5000));
        EXPECT_EQ(sim.exitCode(), 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(sim.readAllStandardError().startsWith("kv7700-sim: "))
            << arguments.join(' ').toStdString();
    }
}

TEST(SimProcess, StopsCleanlyOnSigtermAndSavesItsImage) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start(MemoryImage()));
    {
        Peer peer(sim.path());
        ASSERT_TRUE(peer.ok());
        Bytes frame{0x57, 0, 0, 0, 0x10, 0x10};
        frame.insert(frame.end(), 16, 0xFF);
        frame.push_back(0x10);
        frame.push_back(0x06);
        EXPECT_EQ(peer.Exchange(frame, 1), Bytes{0x06});
        EXPECT_TRUE(sim.Stop());
    }
    MemoryImage expected;
    for (std::uint32_t a = 0x10; a < 0x20; ++a) expected.put(a, 0xFF);
    EXPECT_EQ(sim.SavedImage(), expected);
}

TEST(SimProcess, ServesAReopenWithinTheLingerTimeThenExitsAfterHangUp) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start(MemoryImage(), {"--linger", "500"}));
    Peer first(sim.path());
    EXPECT_EQ(first.Exchange(kHandshake, 3), kHandshakeReply);
    first.Close();
    Peer second(sim.path());
    EXPECT_EQ(second.Exchange(kHandshake, 3), kHandshakeReply);
    EXPECT_EQ(sim.process().state(), QProcess::Running);
    second.Close();
    ASSERT_TRUE(sim.process().waitForFinished(10000)) << "no exit after the hang-up";
    EXPECT_EQ(sim.process().exitCode(), 0);
}

TEST(SimProcess, PacesFramesLikeTheWire) {
    SimProcess sim;
    // 1200 baud: the 7-byte handshake and its 3-byte reply take 10 × 10 / 1200 s ≈ 83 ms.
    ASSERT_TRUE(sim.Start(MemoryImage(), {"--baud", "1200"}));
    Peer peer(sim.path());
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(peer.Exchange(kHandshake, 3), kHandshakeReply);
    EXPECT_GE(timer.elapsed(), 83);
}

TEST(SimProcess, StampsWhenRequestsArriveAndRepliesLeave) {
    SimProcess sim;
    const QString timing = sim.FilePath("timing.txt");
    // 1200 baud: a 7-byte request and its 3-byte reply take 10 × 10 / 1200 s ≈ 83 ms on the
    // wire, the 3-byte end request and its acknowledgement 33 ms.
    ASSERT_TRUE(sim.Start(MemoryImage(), {"--baud", "1200", "--timing", timing}));
    Peer peer(sim.path());
    EXPECT_EQ(peer.Exchange(kHandshake, 3), kHandshakeReply);
    EXPECT_EQ(peer.Exchange({'E', 'N', 'D'}, 1), Bytes{0x06});
    ASSERT_TRUE(sim.Stop());

    QFile file(timing);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    const char* const expected[] = {"rq 1", "rp 1", "rq 2", "rp 2"};
    std::vector<long long> at;
    for (int i = 0; i < 4; ++i) {
        const QList<QByteArray> fields = lines[i].split(' ');
        ASSERT_EQ(fields.size(), 3) << lines[i].constData();
        EXPECT_EQ(fields[0] + ' ' + fields[1], QByteArray(expected[i]));
        at.push_back(fields[2].toLongLong());
    }
    EXPECT_GE(at[1] - at[0], 83000) << "the handshake's reply left before the wire allowed";
    EXPECT_GE(at[2], at[1]) << "the next request arrived before the reply left";
    EXPECT_GE(at[3] - at[2], 33000);
}

TEST(SimProcess, LogsReceivedFrames) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start(MemoryImage(), {"--model", "OTHER"}));
    Peer peer(sim.path());
    const Bytes reply = peer.Exchange({0x02}, 16);
    ASSERT_GE(reply.size(), 8u);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 8),
              (Bytes{'I', 'O', 'T', 'H', 'E', 'R', ' ', ' '}));
    EXPECT_EQ(peer.Exchange({'E', 'N', 'D'}, 1), Bytes{0x06});
    EXPECT_TRUE(sim.Stop());
    EXPECT_EQ(sim.ReceivedFrames(), (std::vector<Bytes>{{0x02}, {'E', 'N', 'D'}}));
}

}  // namespace
}  // namespace kv::test
