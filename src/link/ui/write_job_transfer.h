// A write job (backup read, write, verify read) under the progress window: the window names the
// phase, its percentage runs over the whole job, and closing it stops the job. The radio
// commands hand the job over once the port is open and the user has confirmed.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "link/write_job.h"
#include "model/memory_image.h"

class QWidget;

namespace kv {

class ProgressWindow;
class SafetyCommands;
class SerialSession;
class WriteJobRunner;

class WriteJobTransfer : public QObject {
    Q_OBJECT
public:
    // `image` is the one `session` reads into and writes from; backups go through `safety`.
    WriteJobTransfer(SerialSession& session, MemoryImage& image, SafetyCommands& safety,
                     QObject* parent);
    ~WriteJobTransfer() override;

    // Runs `job` under a modal progress window over `parent` and returns how it ended. The link
    // is open for the job's first session.
    SessionOutcome Run(std::unique_ptr<WriteJob> job, int language, QWidget* parent);

    bool isRunning() const;

private:
    SerialSession& session_;
    std::unique_ptr<WriteJobRunner> runner_;
    std::unique_ptr<WriteJob> pending_;  // handed to the runner once the window runs
    QPointer<ProgressWindow> progress_;
    std::optional<SessionOutcome> outcome_;
};

}  // namespace kv
