// Write jobs of the command line, one per port, on this thread's event loop.
#include "write_jobs.h"

#include <QEventLoop>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "cli_support.h"
#include "link/write_job.h"
#include "platform/write_job_runner.h"
#include "progress_line.h"
#include "session_link.h"

namespace kv::cli {
namespace {

// One radio being written: its port opened, its job running, its outcome kept for the report.
class PortWrite {
public:
    PortWrite(WriteTarget target, const MemoryImage& toWrite, bool verify, bool several)
        : target_(std::move(target)),
          prefix_(several ? target_.port + ": " : std::string()),
          job_(std::make_unique<WriteJob>(toWrite,
                                          WriteJobOptions{!target_.backupFile.empty(), verify})),
          progress_(prefix_, several) {}

    // Opens the port and starts the job; `finished` is called when it ends. False, with the
    // reason kept, when the port cannot be opened.
    bool Start(const std::function<void()>& finished) {
        if (auto failure = link_.Open(target_.port, job_->SessionKind(), image_)) {
            failure_ = *failure;
            Fail(prefix_ + failure_);
            return false;
        }
        const std::string backupFile = target_.backupFile;
        runner_ = std::make_unique<WriteJobRunner>(
            *link_.session, image_,
            [backupFile](const MemoryImage& read, BackupKind kind) -> std::optional<TextPair> {
                if (kind != BackupKind::Read) return std::nullopt;
                // Reported with the job's messages, once.
                const auto reason = ImageNotWritten(read, backupFile);
                if (!reason) return std::nullopt;
                return TextPair{*reason, *reason};
            });
        QObject::connect(runner_.get(), &WriteJobRunner::phaseStarted, [this](JobPhase phase) {
            progress_.SetLabel(prefix_ + JobPhaseText(phase).en);
        });
        QObject::connect(runner_.get(), &WriteJobRunner::progress,
                         [this](int percent) { progress_.Show(percent); });
        QObject::connect(runner_.get(), &WriteJobRunner::finished,
                         [this, finished](const SessionOutcome& outcome) {
                             outcome_ = outcome;
                             progress_.SetLabel(prefix_);
                             finished();
                         });
        runner_->start(std::move(job_));
        return true;
    }

    bool running() const { return runner_ && !outcome_; }

    // Prints the differing blocks, the session's messages and the result; true when the radio
    // holds what was sent.
    bool Report() {
        if (!outcome_) return false;
        const std::vector<std::uint32_t>& differing = runner_->job()->differingBlocks();
        for (std::uint32_t address : differing) {
            char line[40];
            std::snprintf(line, sizeof line, "block 0x%05X differs\n", address);
            std::cerr << prefix_ << line;
        }
        for (const TextPair& message : outcome_->PendingMessages)
            std::cerr << prefix_ << message.en << '\n';
        if (!differing.empty()) {
            const bool one = differing.size() == 1;
            failure_ =
                std::to_string(differing.size()) + (one ? " block differs" : " blocks differ");
        } else if (!outcome_->succeeded()) {
            failure_ = "the write to the radio did not complete";
        }
        if (!failure_.empty()) {
            Fail(prefix_ + failure_);
            // The summary gives the radio's own first message: why, not only that.
            if (differing.empty() && !outcome_->PendingMessages.empty())
                failure_ = outcome_->PendingMessages.front().en;
            return false;
        }
        std::cout << prefix_ << outcome_->Completion.en << '\n';
        return true;
    }

    const WriteTarget& target() const { return target_; }
    const std::string& failure() const { return failure_; }

private:
    WriteTarget target_;
    std::string prefix_;
    std::unique_ptr<WriteJob> job_;
    MemoryImage image_;
    SessionLink link_;
    std::unique_ptr<WriteJobRunner> runner_;
    ProgressLine progress_;
    std::optional<SessionOutcome> outcome_;
    std::string failure_;
};

}  // namespace

bool RunWriteJobs(const std::vector<WriteTarget>& targets, const MemoryImage& toWrite,
                  bool verify) {
    const bool several = targets.size() > 1;
    std::vector<std::unique_ptr<PortWrite>> writes;
    QEventLoop loop;
    auto quitWhenAllEnded = [&] {
        for (const auto& write : writes)
            if (write->running()) return;
        loop.quit();
    };
    for (const WriteTarget& target : targets)
        writes.push_back(std::make_unique<PortWrite>(target, toWrite, verify, several));
    for (const auto& write : writes) write->Start(quitWhenAllEnded);
    bool anyRunning = false;
    for (const auto& write : writes) anyRunning = anyRunning || write->running();
    if (anyRunning) loop.exec();

    int succeeded = 0;
    for (const auto& write : writes) succeeded += write->Report() ? 1 : 0;
    if (!several) return succeeded == 1;
    std::cout << "Summary:\n";
    for (const auto& write : writes) {
        const std::string& failure = write->failure();
        std::cout << "  " << write->target().port << ": "
                  << (failure.empty() ? "succeeded" : "failed (" + failure + ")") << '\n';
    }
    std::cout << succeeded << " of " << writes.size() << " radios written.\n";
    return succeeded == static_cast<int>(writes.size());
}

std::string BackupFileInFolder(const std::string& folder, const std::string& port,
                               const std::string& stamp, std::set<std::string>& taken) {
    std::string name;
    for (char c : port) {
        const bool plain = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.';
        name += plain ? c : '_';
    }
    while (!name.empty() && name.front() == '_') name.erase(name.begin());
    const std::filesystem::path base =
        std::filesystem::path(folder) / ("kv7700-" + name + "-" + stamp);
    std::filesystem::path path = base;
    path += ".img";
    for (int n = 2; std::filesystem::exists(path) || taken.count(path.string()) != 0; ++n) {
        path = base;
        path += "-" + std::to_string(n) + ".img";
    }
    taken.insert(path.string());
    return path.string();
}

}  // namespace kv::cli
