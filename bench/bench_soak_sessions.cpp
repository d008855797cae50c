// Fault soak: whole read and write sessions of the program's serial session runner against
// kv7700-sim, each with faults drawn at random from every fault the simulator offers (dropped,
// corrupted, short or misaddressed replies, lost writes, silence, another model, another
// firmware). Each session runs as the program runs it: a read decodes the image into the
// document only when it succeeded; a write encodes the document first and runs as the program's
// default write job, a backup read, the write and a verify read on one opening of the port.
// Prints the sessions by outcome and by fault; exits with status 1 when a session hung past its
// bound (more than five transmissions of a frame, or no end within the safety net), the simulator
// crashed, a session reported success with a wrong image (a write that succeeded although the
// radio lost a block, or a backup that is not the radio's image), the document changed after a
// failure, a session failed with a wrong message (a verify that named other blocks than the radio
// lost), or one failed though its faults were all scattered spoilt replies that retransmission
// recovers from.
// Usage: kv_bench_soak_sessions [sessions, default 200] [seed, default 1]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "codec/image_codec.h"
#include "files/data_file_pair.h"
#include "files/templates.h"
#include "link/link_texts.h"
#include "link/transfer_map.h"
#include "link/write_job.h"
#include "model/band_range.h"
#include "platform/raw_image_file.h"
#include "platform/serial_session.h"
#include "platform/write_job_runner.h"

namespace kv {
namespace {

// A short reply timer keeps the soak quick; the simulator answers within a millisecond.
constexpr std::chrono::milliseconds kSoakReplyInterval{250};
// No session may take longer than this, however it ends.
constexpr int kSafetyNetMs = 120000;
// Requests of a whole session without retransmissions.
constexpr int kSessionRequests = static_cast<int>(kTransferBlockCount) + 3;
// A write job's sessions: the backup read, the write and the verify read.
constexpr int kWriteJobSessions = 3;

enum class Fault {
    DropReply,
    CorruptChecksum,
    WrongAddress,
    ShortReply,
    LoseWrite,
    SilentAfter,
    WrongModel,
    OtherFirmware
};

struct FaultInfo {
    Fault Kind;
    const char* Name;
    const char* Option;  // the simulator's option; request numbers follow
};

constexpr FaultInfo kFaults[] = {
    {Fault::DropReply, "dropped reply", "--drop-reply"},
    {Fault::CorruptChecksum, "corrupted reply", "--corrupt-checksum"},
    {Fault::WrongAddress, "misaddressed reply", "--wrong-address"},
    {Fault::ShortReply, "short reply", "--short-reply"},
    {Fault::LoseWrite, "lost write", "--lose-write"},
    {Fault::SilentAfter, "silence", "--silent-after"},
    {Fault::WrongModel, "wrong model", "--model"},
    {Fault::OtherFirmware, "other firmware", "--firmware"},
};

enum class Outcome {
    Succeeded,
    FailedVerifyNamedLostBlocks,
    FailedCleanly,
    FailedThoughRecoverable,
    FailedWrongMessage,
    Hung,
    Crashed,
    SuccessWithWrongImage,
    DocumentChangedAfterFailure,
};

constexpr const char* kOutcomeNames[] = {
    "succeeded",
    "failed: the verify named the blocks the radio lost",
    "failed cleanly with the right message",
    "failed though every fault was recoverable",
    "failed with a wrong message",
    "hung past its bound",
    "crashed",
    "reported success with a wrong image",
    "changed the document after a failure",
};

struct Plan {
    TransferKind Kind = TransferKind::Read;
    std::set<Fault> Faults;
    QStringList Arguments;
    // Only scattered spoilt replies: retransmission must carry the session through.
    bool Recoverable = true;
    // Silence, or one frame spoilt five times running: the session fails for want of an answer.
    bool MayFallSilent = false;
};

Plan DrawPlan(std::mt19937& rng) {
    Plan plan;
    plan.Kind = rng() % 2 ? TransferKind::Write : TransferKind::Read;
    // Faults are drawn over every request the simulator receives: a write job's three sessions.
    const int requests =
        kSessionRequests * (plan.Kind == TransferKind::Write ? kWriteJobSessions : 1);
    if (rng() % 8 == 0) return plan;  // some sessions without faults
    const int kinds = 1 + static_cast<int>(rng() % 3);
    for (int k = 0; k < kinds; ++k) {
        const FaultInfo& fault = kFaults[rng() % std::size(kFaults)];
        if (!plan.Faults.insert(fault.Kind).second) continue;
        switch (fault.Kind) {
            case Fault::WrongModel:
                plan.Recoverable = false;
                plan.Arguments << fault.Option << "TALVEN6";
                break;
            case Fault::OtherFirmware:
                plan.Recoverable = false;
                plan.Arguments << fault.Option << "V102";
                break;
            case Fault::SilentAfter:
                plan.Recoverable = false;
                plan.MayFallSilent = true;
                plan.Arguments << fault.Option << QString::number(rng() % (requests + 10));
                break;
            default: {
                // A block the radio loses is a failure the verify read must report.
                if (fault.Kind == Fault::LoseWrite && plan.Kind == TransferKind::Write)
                    plan.Recoverable = false;
                // A few scattered requests, and sometimes one frame spoilt five times running.
                QStringList numbers;
                const int first = 1 + static_cast<int>(rng() % requests);
                const bool run = rng() % 4 == 0;
                if (run) {
                    plan.Recoverable = false;
                    plan.MayFallSilent = true;
                }
                const int count = run ? 5 : 1 + static_cast<int>(rng() % 3);
                for (int i = 0; i < count; ++i)
                    numbers << QString::number(run ? first + i
                                                   : 1 + static_cast<int>(rng() % requests));
                plan.Arguments << fault.Option << numbers.join(',');
            }
        }
    }
    return plan;
}

MemoryImage RandomImage(std::mt19937& rng) {
    MemoryImage image;
    for (std::uint32_t a = 0; a < MemoryImage::size(); ++a)
        image.put(a, static_cast<std::uint8_t>(rng()));
    return image;
}

bool InTransferMap(std::uint32_t address) {
    return IsTransferBlock(address - address % kBlockLength);
}

// Blocks of the transfer map in which the two images differ.
std::vector<std::uint32_t> DifferentBlocks(const MemoryImage& a, const MemoryImage& b) {
    std::vector<std::uint32_t> blocks;
    for (const std::uint32_t address : TransferBlockAddresses())
        if (ImageBlock(a, address) != ImageBlock(b, address)) blocks.push_back(address);
    return blocks;
}

// The frames the simulator logged as received, in order.
std::vector<QByteArray> ReceivedFrames(const QString& log) {
    std::vector<QByteArray> frames;
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly)) return frames;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (!line.startsWith("rx ")) continue;
        // "rx <number> <kind> <hex bytes...>": the frame is what follows the kind.
        const qsizetype bytes = line.indexOf(' ', line.indexOf(' ', 3) + 1);
        frames.push_back(line.mid(bytes + 1));
    }
    return frames;
}

int LongestRepeat(const std::vector<QByteArray>& frames) {
    int longest = 0;
    int run = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        run = i > 0 && frames[i] == frames[i - 1] ? run + 1 : 1;
        longest = std::max(longest, run);
    }
    return longest;
}

struct SessionResultRecord {
    Outcome Result = Outcome::Succeeded;
    std::string Detail;
};

class Soak {
public:
    Soak()
        : versions_{"V100", {"V100"}, {{"V100", "V100"}}},
          doc_(std::make_unique<Document>()),
          image_(std::make_unique<MemoryImage>()) {
        doc_->BandRangeText = kStartupBandRangeText;
        BuildNewDocument(*doc_, KV_PROGRAM_DIR, "20261210");
    }

    SessionResultRecord Run(const Plan& plan, const MemoryImage& radio) {
        QTemporaryDir dir;
        const QString imageFile = dir.filePath("radio.img");
        const QString logFile = dir.filePath("frames.log");
        SaveRawImage(imageFile, radio);

        QProcess sim;
        sim.start(KV_PROGRAM_DIR "/kv7700-sim", QStringList{"--image", imageFile, "--save", "--log",
                                                            logFile, "--linger", "forever"} +
                                                    plan.Arguments);
        if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000))
            return {Outcome::Crashed, "the simulator did not start"};
        const QString path = QString::fromUtf8(sim.readLine()).trimmed();

        const PairBytes before = EncodePair(doc_->Working);
        image_->clear();
        if (plan.Kind == TransferKind::Write) EncodeImage(doc_->Working, *image_);
        const MemoryImage written = *image_;

        RadioFacts facts;
        SerialSession session(*image_, facts, versions_);
        session.setReplyInterval(kSoakReplyInterval);
        bool asked = false;
        session.setVersionQuestion([&asked](const std::string&, const TextPair&) {
            asked = true;
            return false;
        });
        // The write job keeps its backup here instead of in the backup folder.
        std::unique_ptr<MemoryImage> backup;
        WriteJobRunner runner(session, *image_, [&](const MemoryImage& image, BackupKind kind) {
            if (kind == BackupKind::Read) backup = std::make_unique<MemoryImage>(image);
            return std::optional<TextPair>();
        });
        std::optional<SessionOutcome> outcome;
        QEventLoop loop;
        const auto ended = [&](const SessionOutcome& o) {
            outcome = o;
            loop.quit();
        };
        auto job = std::make_unique<WriteJob>(written, WriteJobOptions{});
        const bool writing = plan.Kind == TransferKind::Write;
        if (writing)
            QObject::connect(&runner, &WriteJobRunner::finished, ended);
        else
            QObject::connect(&session, &SerialSession::finished, ended);
        if (const auto failure = session.OpenLink(writing ? job->SessionKind() : plan.Kind, path))
            return {Outcome::Crashed, "the simulator's line did not open: " + failure->en};
        if (writing)
            runner.start(std::move(job));
        else
            session.start();
        QTimer::singleShot(kSafetyNetMs * (writing ? kWriteJobSessions : 1), &loop,
                           &QEventLoop::quit);
        if (!outcome) loop.exec();
        if (!outcome) writing ? runner.abandon() : session.abandon();

        sim.terminate();
        const bool simExited = sim.waitForFinished(5000);
        if (!simExited) sim.kill();
        const bool simCrashed = !simExited || sim.exitStatus() != QProcess::NormalExit;
        MemoryImage radioAfter;
        LoadRawImage(imageFile, radioAfter);
        const int repeats = LongestRepeat(ReceivedFrames(logFile));

        if (simCrashed) return {Outcome::Crashed, "the simulator crashed"};
        if (!outcome) return {Outcome::Hung, "no end within the safety net"};
        if (repeats > kMaxTransmissions)
            return {Outcome::Hung, "a frame was sent " + std::to_string(repeats) + " times"};

        if (writing && backup && DifferentBlocks(*backup, radio).size() > 0)
            return {Outcome::SuccessWithWrongImage, "the backup is not the radio's image"};
        const std::vector<std::uint32_t> lost =
            writing ? DifferentBlocks(radioAfter, written) : std::vector<std::uint32_t>{};
        if (!outcome->succeeded()) {
            if (!Unchanged(before)) return {Outcome::DocumentChangedAfterFailure, {}};
            if (writing && !runner.job()->differingBlocks().empty()) {
                // The verify must name exactly the blocks the radio does not hold.
                if (runner.job()->differingBlocks() == lost &&
                    outcome->PendingMessages.size() == 1 &&
                    outcome->PendingMessages[0] == VerifyMismatchText(lost))
                    return {Outcome::FailedVerifyNamedLostBlocks, {}};
                return {Outcome::FailedWrongMessage, "the verify named other blocks"};
            }
            return Classify(plan, *outcome, asked);
        }
        if (plan.Faults.count(Fault::WrongModel) || plan.Faults.count(Fault::OtherFirmware))
            return {Outcome::SuccessWithWrongImage, "success with a radio that should be refused"};
        if (plan.Kind == TransferKind::Read) {
            for (std::uint32_t a = 0; a < MemoryImage::size(); ++a)
                if (image_->at(a) != (InTransferMap(a) ? radio.at(a) : 0))
                    return {Outcome::SuccessWithWrongImage, "read image differs"};
            // The read command's completion: the document takes the radio's data.
            DecodeImage(*image_, doc_->Working);
            return {Outcome::Succeeded, {}};
        }
        if (!Unchanged(before))
            return {Outcome::DocumentChangedAfterFailure, "a write changed the document"};
        if (!backup)
            return {Outcome::SuccessWithWrongImage, "a write succeeded without its backup"};
        // A block the radio acknowledged but did not store, and the verify read did not see: a
        // false success.
        if (!lost.empty())
            return {Outcome::SuccessWithWrongImage,
                    std::to_string(lost.size()) +
                        (lost.size() == 1 ? " block differs" : " blocks differ")};
        return {Outcome::Succeeded, {}};
    }

private:
    bool Unchanged(const PairBytes& before) const {
        const PairBytes now = EncodePair(doc_->Working);
        return now.Data == before.Data && now.Companion == before.Companion;
    }

    // The messages a failure may end with, given the faults that caused it: the model message,
    // the version question (answered No), or, for a radio that fell silent, that it does not
    // answer (and, for a write cut off among its data blocks, that the radio is partly written).
    static SessionResultRecord Classify(const Plan& plan, const SessionOutcome& outcome,
                                        bool asked) {
        if (plan.Recoverable) return {Outcome::FailedThoughRecoverable, {}};
        // A write job adds its own reason after the session's when its backup read or verify
        // read did not complete.
        std::vector<TextPair> messages = outcome.PendingMessages;
        if (plan.Kind == TransferKind::Write && !messages.empty() &&
            (messages.back() == BackupReadFailedText() ||
             messages.back() == VerifyReadFailedText()))
            messages.pop_back();
        const bool modelRefused = messages.size() == 1 && messages[0] == ModelWrongText();
        const bool firmwareRefused = asked && messages.empty();
        const bool noAnswer =
            !messages.empty() && messages[0] == NoAnswerText() &&
            (messages.size() == 1 || (messages.size() == 2 && plan.Kind == TransferKind::Write &&
                                      messages[1] == PartlyWrittenText()));
        if ((modelRefused && plan.Faults.count(Fault::WrongModel)) ||
            (firmwareRefused && plan.Faults.count(Fault::OtherFirmware)) ||
            (noAnswer && plan.MayFallSilent))
            return {Outcome::FailedCleanly, {}};
        return {Outcome::FailedWrongMessage,
                messages.empty() ? std::string("no message") : messages[0].en};
    }

    VersionTable versions_;
    std::unique_ptr<Document> doc_;
    std::unique_ptr<MemoryImage> image_;
};

}  // namespace
}  // namespace kv

int main(int argc, char** argv) {
    using namespace kv;
    QCoreApplication app(argc, argv);
    const int sessions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;

    std::mt19937 rng(seed);
    Soak soak;
    std::map<Outcome, int> byOutcome;
    std::map<std::string, std::pair<int, int>> byFault;  // sessions, of which succeeded
    int reads = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < sessions; ++i) {
        const Plan plan = DrawPlan(rng);
        const MemoryImage radio = RandomImage(rng);
        const SessionResultRecord record = soak.Run(plan, radio);
        ++byOutcome[record.Result];
        reads += plan.Kind == TransferKind::Read;
        const bool succeeded = record.Result == Outcome::Succeeded;
        for (const FaultInfo& fault : kFaults)
            if (plan.Faults.count(fault.Kind)) {
                ++byFault[fault.Name].first;
                byFault[fault.Name].second += succeeded;
            }
        if (plan.Faults.empty()) {
            ++byFault["none"].first;
            byFault["none"].second += succeeded;
        }
        if (record.Result > Outcome::FailedCleanly)
            std::printf("session %d (%s %s): %s %s\n", i + 1,
                        plan.Kind == TransferKind::Read ? "read" : "write",
                        plan.Arguments.join(' ').toStdString().c_str(),
                        kOutcomeNames[static_cast<int>(record.Result)], record.Detail.c_str());
    }

    std::printf(
        "Fault soak: %d sessions (%d reads, %d writes with backup and verify), seed %u, reply "
        "timer %lld ms, "
        "%.1f s\n",
        sessions, reads, sessions - reads, seed, static_cast<long long>(kSoakReplyInterval.count()),
        clock.elapsed() / 1000.0);
    for (int o = 0; o <= static_cast<int>(Outcome::DocumentChangedAfterFailure); ++o)
        std::printf("  %-52s %5d\n", kOutcomeNames[o], byOutcome[static_cast<Outcome>(o)]);
    std::printf("By fault (sessions / succeeded):\n");
    for (const auto& [name, counts] : byFault)
        std::printf("  %-20s %5d / %d\n", name.c_str(), counts.first, counts.second);
    int bad = 0;
    for (int o = static_cast<int>(Outcome::FailedThoughRecoverable);
         o <= static_cast<int>(Outcome::DocumentChangedAfterFailure); ++o)
        bad += byOutcome[static_cast<Outcome>(o)];
    return bad == 0 ? 0 : 1;
}
