// Running a write job under the progress window.
#include "link/ui/write_job_transfer.h"

#include <QTimer>

#include "link/ui/progress_window.h"
#include "link/ui/safety_commands.h"
#include "platform/serial_session.h"
#include "platform/write_job_runner.h"

namespace kv {

WriteJobTransfer::WriteJobTransfer(SerialSession& session, MemoryImage& image,
                                   SafetyCommands& safety, QObject* parent)
    : QObject(parent),
      session_(session),
      runner_(std::make_unique<WriteJobRunner>(session, image,
                                               [&safety](const MemoryImage& kept, BackupKind kind) {
                                                   return safety.keepBackup(kept, kind);
                                               })) {
    connect(runner_.get(), &WriteJobRunner::progress, this, [this](int percent) {
        if (progress_) progress_->ShowPercent(percent);
    });
    connect(runner_.get(), &WriteJobRunner::phaseStarted, this, [this](JobPhase phase) {
        if (progress_) progress_->ShowPhase(JobPhaseText(phase));
    });
    connect(runner_.get(), &WriteJobRunner::finished, this, [this](const SessionOutcome& outcome) {
        outcome_ = outcome;
        if (progress_) progress_->SessionEnded();
    });
}

WriteJobTransfer::~WriteJobTransfer() = default;

bool WriteJobTransfer::isRunning() const {
    return runner_->isRunning();
}

SessionOutcome WriteJobTransfer::Run(std::unique_ptr<WriteJob> job, int language, QWidget* parent) {
    outcome_.reset();
    ProgressWindow window(TransferKind::Write, language, parent);
    progress_ = &window;
    connect(&window, &ProgressWindow::stopRequested, runner_.get(), &WriteJobRunner::stop);
    // The job starts from within the window's own event loop, so that a job that ends at once
    // still finds the window running and closes it.
    pending_ = std::move(job);
    QTimer::singleShot(0, &window, [this] { runner_->start(std::move(pending_)); });
    window.exec();
    progress_ = nullptr;
    // The loop also ends when the application quits, perhaps before the job has started; neither
    // the job nor the session prepared for it may outlive the window.
    if (runner_->isRunning()) {
        runner_->abandon();
    } else if (pending_) {
        pending_.reset();
        if (session_.isActive()) session_.abandon();
    }
    return outcome_.value_or(SessionOutcome{TransferKind::Write, SessionResult::Failed, {}, {}});
}

}  // namespace kv
