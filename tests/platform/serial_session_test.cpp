// The serial transport against a pseudo-terminal on which the test plays the radio.
#include "platform/serial_session.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <fstream>
#include <memory>
#include <sstream>

#include "link/link_texts.h"
#include "platform/serial_port_open.h"
#include "platform/user_data_folder.h"
#include "pty_radio.h"
#include "unit/files/unprivileged.h"
#include "unit/link/session_harness.h"

namespace kv {
namespace {

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "kv_platform_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Runs the event loop until `done` or until a bound far above any expected duration.
template <typename Done>
bool RunUntil(Done done, int boundMs = 15000) {
    App();
    QDeadlineTimer deadline(boundMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}

struct SessionFixture {
    std::unique_ptr<MemoryImage> Image = std::make_unique<MemoryImage>();
    RadioFacts Facts;
    VersionTable Versions{"V100", {"V100"}, {{"V100", "V100"}}};
    SerialSession Session{*Image, Facts, Versions};
    std::optional<SessionOutcome> Outcome;
    std::vector<int> Progress;

    SessionFixture() {
        App();
        QObject::connect(&Session, &SerialSession::finished,
                         [this](const SessionOutcome& o) { Outcome = o; });
        QObject::connect(&Session, &SerialSession::progress,
                         [this](int percent) { Progress.push_back(percent); });
    }
};

TextPair Message(PortOpenFailure failure, const QString& path) {
    return PortOpenMessage(failure, path);
}

TEST(SerialPortOpen, UnopenablePortsSayWhy) {
    QTemporaryFile plainFile;
    ASSERT_TRUE(plainFile.open());
    struct Case {
        const char* name;
        QString path;
        std::optional<PortOpenFailure> failure;  // none: only the first line is checked
    };
    const Case cases[] = {
        {"no port chosen", QString(), PortOpenFailure::NoPortChosen},
        {"missing device", QStringLiteral("/dev/kv7700-no-such-port"), PortOpenFailure::NotFound},
        {"not a serial device", plainFile.fileName(), std::nullopt},
    };
    for (const auto& c : cases) {
        SessionFixture f;
        const auto message = f.Session.OpenLink(TransferKind::Read, c.path);
        ASSERT_TRUE(message) << c.name;
        EXPECT_EQ(message->en.rfind("Cannot Open Communication Port.\n", 0), 0u) << c.name;
        EXPECT_EQ(message->zh.rfind("无法打开通信端口。\n", 0), 0u) << c.name;
        if (c.failure) {
            EXPECT_EQ(*message, Message(*c.failure, c.path)) << c.name;
        }
        EXPECT_FALSE(f.Session.isActive()) << c.name;
        EXPECT_FALSE(f.Session.isPortOpen()) << c.name;
    }
    EXPECT_NE(
        Message(PortOpenFailure::NotFound, "/dev/ttyUSB7").en.find("/dev/ttyUSB7 is not there"),
        std::string::npos);
}

TEST(SerialPortOpen, PermissionDeniedNamesTheGroup) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    ASSERT_EQ(::chmod(pty.slavePath().c_str(), 0), 0);
    SessionFixture f;
    const QString path = QString::fromStdString(pty.slavePath());
    EXPECT_NE(Message(PortOpenFailure::PermissionDenied, path).en.find("usermod -aG"),
              std::string::npos);
    // Root opens any device: the open runs as a user without rights to it.
    EXPECT_TRUE(test::RunUnprivileged([&] {
        const auto message = f.Session.OpenLink(TransferKind::Read, path);
        return message && *message == Message(PortOpenFailure::PermissionDenied, path);
    }));
}

TEST(SerialPortOpen, PortHeldByAnotherProgramIsBusy) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const QString path = QString::fromStdString(pty.slavePath());
    App();
    QSerialPort holder;
    ASSERT_FALSE(OpenSerialLink(holder, path));
    SessionFixture f;
    const auto message = f.Session.OpenLink(TransferKind::Read, path);
    if (!message) GTEST_SKIP() << "no device lock on this system: a second open succeeds";
    EXPECT_EQ(*message, Message(PortOpenFailure::Busy, path));
}

TEST(SerialSession, WrongModelExchangeOverAPseudoTerminal) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    test::GoodRadio radio;
    radio.Model = "OTHER";
    test::PtyRadio line(pty, [&](const Frame& r) { return radio.answer(r); });

    SessionFixture f;
    ASSERT_FALSE(f.Session.OpenLink(TransferKind::Read, QString::fromStdString(pty.slavePath())));
    EXPECT_TRUE(f.Session.isPortOpen());
    f.Session.start();
    ASSERT_TRUE(RunUntil([&] { return f.Outcome.has_value(); }));

    EXPECT_EQ(f.Outcome->Result, SessionResult::Failed);
    EXPECT_EQ(f.Outcome->PendingMessages, std::vector<TextPair>{ModelWrongText()});
    EXPECT_EQ(line.requests(),
              (std::vector<Frame>{HandshakeRequest(), IdentificationRequest(), EndRequest()}));
    EXPECT_FALSE(f.Session.isPortOpen());
    EXPECT_FALSE(f.Session.isActive());
    EXPECT_EQ(f.Facts.RadioModel, "OTHER");
}

// The "rx" lines of the session's kept trace, each as its bytes in hex.
std::vector<std::string> ReceivedInTrace(const QTemporaryDir& folder) {
    const auto traces = KeptTraces(ToPath(folder.path()));
    EXPECT_EQ(traces.size(), 1u);
    std::vector<std::string> received;
    if (traces.empty()) return received;
    std::ifstream in(traces.back());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string ms, direction, step, transmission;
        fields >> ms >> direction >> step >> transmission;
        if (direction == "--") received.push_back("--");
        if (direction != "rx") continue;
        std::string hex, byte;
        while (fields >> byte) hex += (hex.empty() ? "" : " ") + byte;
        received.push_back(hex);
    }
    return received;
}

// A reply trickling in byte by byte, as a serial line delivers it, reaches the session once it
// is whole: one wake-up and one trace entry per reply, not one per byte.
TEST(SerialSession, ReplyTricklingInIsTakenWhole) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    test::GoodRadio radio;
    radio.Model = "OTHER";
    test::PtyRadio line(
        pty, [&](const Frame& r) { return radio.answer(r); }, -1, std::chrono::milliseconds(2));
    QTemporaryDir traces;
    SessionFixture f;
    f.Session.setTraceFolder(traces.path());
    ASSERT_FALSE(f.Session.OpenLink(TransferKind::Read, QString::fromStdString(pty.slavePath())));
    f.Session.start();
    ASSERT_TRUE(RunUntil([&] { return f.Outcome.has_value(); }));

    EXPECT_EQ(f.Outcome->PendingMessages, std::vector<TextPair>{ModelWrongText()});
    EXPECT_EQ(ReceivedInTrace(traces),
              (std::vector<std::string>{"57 4A 06",
                                        "49 4F 54 48 45 52 20 20 01 56 31 30 30 00 00 00", "06"}));
}

// A reply that stays short never reaches the threshold; its bytes are still in the trace, each
// time before the reply timer's line, and the frame goes out again.
TEST(SerialSession, ShortReplyIsTracedBeforeEachRetransmission) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    test::PtyRadio line(pty, [](const Frame&) { return Frame{0x57, 0x4A}; });
    QTemporaryDir traces;
    SessionFixture f;
    f.Session.setTraceFolder(traces.path());
    f.Session.setReplyInterval(std::chrono::milliseconds(100));
    ASSERT_FALSE(f.Session.OpenLink(TransferKind::Read, QString::fromStdString(pty.slavePath())));
    f.Session.start();
    ASSERT_TRUE(RunUntil([&] { return f.Outcome.has_value(); }));

    EXPECT_EQ(f.Outcome->PendingMessages, std::vector<TextPair>{NoAnswerText()});
    std::vector<std::string> expected;
    for (int transmission = 1; transmission <= kMaxTransmissions; ++transmission)
        expected.insert(expected.end(), {"57 4A", "--"});
    EXPECT_EQ(ReceivedInTrace(traces), expected);
}

TEST(SerialSession, WholeReadOverAPseudoTerminal) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    test::GoodRadio radio;
    for (std::uint32_t a = 0; a < MemoryImage::kSize; ++a)
        radio.Image->put(a, static_cast<std::uint8_t>(a ^ (a >> 9)));
    test::PtyRadio line(pty, [&](const Frame& r) { return radio.answer(r); });

    SessionFixture f;
    ASSERT_FALSE(f.Session.OpenLink(TransferKind::Read, QString::fromStdString(pty.slavePath())));
    f.Session.start();
    ASSERT_TRUE(RunUntil([&] { return f.Outcome.has_value(); }, 60000));

    EXPECT_TRUE(f.Outcome->succeeded());
    EXPECT_EQ(f.Outcome->Completion, ReadCompletedText());
    EXPECT_EQ(line.requests().size(), 2 + kTransferBlockCount + 1);
    for (auto address : TransferBlockAddresses())
        ASSERT_EQ(ImageBlock(*f.Image, address), ImageBlock(*radio.Image, address));
    ASSERT_FALSE(f.Progress.empty());
    EXPECT_EQ(f.Progress.back(), 100);
}

TEST(SerialSession, SilentRadioGetsFiveTransmissions) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    test::PtyRadio line(pty, [](const Frame&) { return std::nullopt; });

    SessionFixture f;
    f.Session.setReplyInterval(std::chrono::milliseconds(50));
    ASSERT_FALSE(f.Session.OpenLink(TransferKind::Write, QString::fromStdString(pty.slavePath())));
    f.Session.start();
    ASSERT_TRUE(RunUntil([&] { return f.Outcome.has_value(); }));

    EXPECT_EQ(f.Outcome->Result, SessionResult::Failed);
    EXPECT_EQ(f.Outcome->PendingMessages, std::vector<TextPair>{NoAnswerText()});
    EXPECT_FALSE(f.Outcome->DataSent);
    ASSERT_TRUE(RunUntil([&] { return line.requests().size() == 5; }));
    EXPECT_EQ(line.requests(), std::vector<Frame>(5, HandshakeRequest()));
}

TEST(SerialSession, VanishedDeviceEndsTheSessionAtOnce) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    test::GoodRadio radio;
    // The radio answers handshake, identification and two read requests, then disappears on
    // the third read request.
    test::PtyRadio line(
        pty, [&](const Frame& r) { return radio.answer(r); }, 5);

    SessionFixture f;
    ASSERT_FALSE(f.Session.OpenLink(TransferKind::Read, QString::fromStdString(pty.slavePath())));
    f.Session.start();
    ASSERT_TRUE(RunUntil([&] { return f.Outcome.has_value(); }));

    // A timeout would end without a message; the lost port says what happened.
    EXPECT_EQ(f.Outcome->Result, SessionResult::Failed);
    EXPECT_EQ(f.Outcome->PendingMessages, std::vector<TextPair>{PortLostText()});
    EXPECT_EQ(f.Session.engine().RetryCount(), 1) << "no retransmission was waited for";
    EXPECT_FALSE(f.Session.isPortOpen());
}

TEST(SerialSession, UnlistedFirmwareAsksTheVersionQuestion) {
    struct Case {
        const char* name;
        bool handOver;
        SessionResult result;
        std::vector<Frame> requests;
    };
    const Case cases[] = {
        {"no",
         false,
         SessionResult::Failed,
         {HandshakeRequest(), IdentificationRequest(), EndRequest()}},
        {"hand over",
         true,
         SessionResult::HandedOver,
         {HandshakeRequest(), IdentificationRequest()}},
    };
    for (const auto& c : cases) {
        test::PtyPair pty;
        ASSERT_TRUE(pty.ok());
        test::GoodRadio radio;
        radio.Firmware = "V102";
        test::PtyRadio line(pty, [&](const Frame& r) { return radio.answer(r); });

        SessionFixture f;
        std::vector<std::string> asked;
        f.Session.setVersionQuestion([&](const std::string& firmware, const TextPair& text) {
            asked.push_back(firmware);
            EXPECT_NE(text.en.find("Firmware version is V1.02"), std::string::npos);
            return c.handOver;
        });
        ASSERT_FALSE(
            f.Session.OpenLink(TransferKind::Write, QString::fromStdString(pty.slavePath())));
        f.Session.start();
        ASSERT_TRUE(RunUntil([&] { return f.Outcome.has_value(); })) << c.name;
        EXPECT_EQ(asked, std::vector<std::string>{"V102"}) << c.name;
        EXPECT_EQ(f.Outcome->Result, c.result) << c.name;
        EXPECT_FALSE(f.Session.isPortOpen()) << c.name;
        ASSERT_TRUE(RunUntil([&] { return line.requests().size() >= c.requests.size(); }));
        EXPECT_EQ(line.requests(), c.requests) << c.name;
    }
}

TEST(SerialSession, AbandonEndsAtOnceAndClosesThePort) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    test::PtyRadio line(pty, [](const Frame&) { return std::nullopt; });
    SessionFixture f;
    ASSERT_FALSE(f.Session.OpenLink(TransferKind::Read, QString::fromStdString(pty.slavePath())));
    f.Session.start();
    f.Session.abandon();
    ASSERT_TRUE(f.Outcome);
    EXPECT_EQ(f.Outcome->Result, SessionResult::Failed);
    EXPECT_TRUE(f.Outcome->PendingMessages.empty());
    EXPECT_FALSE(f.Session.isPortOpen());
    EXPECT_FALSE(f.Session.isActive());
}

}  // namespace
}  // namespace kv
