// Running a write job over one port opening.
#include "platform/write_job_runner.h"

#include <QTimer>

#include "platform/serial_session.h"

namespace kv {

WriteJobRunner::WriteJobRunner(SerialSession& session, MemoryImage& sessionImage, KeepImage keep,
                               QObject* parent)
    : QObject(parent), session_(session), image_(sessionImage), keep_(std::move(keep)) {
    connect(&session_, &SerialSession::finished, this, &WriteJobRunner::onSessionFinished);
    connect(&session_, &SerialSession::progress, this, [this](int percent) {
        if (job_) emit progress(job_->OverallPercent(percent));
    });
}

void WriteJobRunner::start(std::unique_ptr<WriteJob> job) {
    job_ = std::move(job);
    last_.reset();
    session_.holdPort(true);
    startPhase();
}

void WriteJobRunner::stop() {
    if (!job_) return;
    if (session_.isActive()) {
        session_.stop();
        return;
    }
    // Between two sessions: the next one must not start.
    onSessionFinished({job_->SessionKind(), SessionResult::Failed, {}, {}});
}

void WriteJobRunner::abandon() {
    if (!job_) return;
    if (session_.isActive()) {
        session_.abandon();
        return;
    }
    onSessionFinished({job_->SessionKind(), SessionResult::Failed, {}, {}});
}

void WriteJobRunner::startPhase() {
    job_->PrepareImage(image_);
    session_.setTracePhase(JobPhaseName(job_->phase()));
    emit phaseStarted(job_->phase());
    emit progress(job_->OverallPercent(0));
    session_.start();
}

void WriteJobRunner::onSessionFinished(const SessionOutcome& outcome) {
    if (!job_) return;
    JobStep step = job_->PhaseEnded(outcome, image_);
    if (step.Keep && keep_) {
        if (const std::optional<TextPair> failure = keep_(image_, *step.Keep)) {
            if (*step.Keep == BackupKind::Read) {
                finish(job_->BackupNotKept(*failure));
                return;
            }
            if (step.Finished)
                step.Outcome.PendingMessages.push_back(*failure);
            else
                job_->AddMessage(*failure);
        }
    }
    if (step.Finished) {
        finish(step.Outcome);
        return;
    }
    // The next session starts once the one that ended has returned to the event loop.
    QTimer::singleShot(0, this, [this] {
        if (!job_) return;
        if (const std::optional<TextPair> lost = session_.ContinueLink(job_->SessionKind())) {
            onSessionFinished({job_->SessionKind(), SessionResult::Failed, {*lost}, {}});
            return;
        }
        startPhase();
    });
}

void WriteJobRunner::finish(const SessionOutcome& outcome) {
    session_.AppendToJobTraces(job_->TraceText(outcome));
    session_.releasePort();
    last_ = std::move(job_);
    emit finished(outcome);
}

}  // namespace kv
