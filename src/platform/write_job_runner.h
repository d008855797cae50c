// Runs a write job (backup read, write, verify read) as sessions of one SerialSession on one
// port opening: each phase starts from the event loop once the previous session has ended, so
// the radio has a moment after its end request and nothing runs inside a port callback.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "link/write_job.h"
#include "model/memory_image.h"
#include "model/text_pair.h"

namespace kv {

class SerialSession;

class WriteJobRunner : public QObject {
    Q_OBJECT
public:
    // Keeps the image a phase left as a backup of the given kind; the reason when it could not.
    using KeepImage = std::function<std::optional<TextPair>(const MemoryImage&, BackupKind)>;

    // `sessionImage` is the image `session` reads into and writes from.
    WriteJobRunner(SerialSession& session, MemoryImage& sessionImage, KeepImage keep,
                   QObject* parent = nullptr);

    // Runs `job`. The caller has opened the link for the job's first session
    // (SerialSession::OpenLink with job->SessionKind()); the port stays open until the job ends.
    void start(std::unique_ptr<WriteJob> job);
    // The user stopped the job: the running session sends its end request and the job ends as
    // that session does; between two sessions the next one does not start.
    void stop();
    // Ends the running session at once (the program is closing); the job ends with it.
    void abandon();

    bool isRunning() const { return job_ != nullptr; }
    // The job running or last run; null before the first.
    const WriteJob* job() const { return job_ ? job_.get() : last_.get(); }

signals:
    void phaseStarted(kv::JobPhase phase);
    // The percentage of the whole job.
    void progress(int percent);
    void finished(const kv::SessionOutcome& outcome);

private:
    void startPhase();
    void onSessionFinished(const SessionOutcome& outcome);
    void finish(const SessionOutcome& outcome);

    SerialSession& session_;
    MemoryImage& image_;
    KeepImage keep_;
    std::unique_ptr<WriteJob> job_;
    std::unique_ptr<WriteJob> last_;
};

}  // namespace kv
