// A write as a job of up to three sessions on one port opening: the backup read (the radio as it
// was, kept before anything is sent), the write, and the verify read (the radio read back and
// compared block by block with what was sent). The job decides what follows each session and
// what the user is told; it does no I/O. Its percentage runs over the whole job.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/backup_store.h"
#include "link/session_actions.h"
#include "model/memory_image.h"
#include "model/text_pair.h"

namespace kv {

enum class JobPhase { Backup, Write, Verify };

struct WriteJobOptions {
    bool BackupFirst = true;
    bool VerifyAfter = true;
};

// What the progress window says the job is doing: "Backing up the radio" …
const TextPair& JobPhaseText(JobPhase phase);

// The job's own reasons when its backup read or its verify read did not complete.
TextPair BackupReadFailedText();
TextPair VerifyReadFailedText();

// What a session trace calls the phase: "backup read", "write", "verify read".
const char* JobPhaseName(JobPhase phase);

// Addresses named in a verify failure; the count says how many there are in all.
inline constexpr std::size_t kDifferingBlocksNamed = 5;

// "Verifying found 2 blocks that differ … 0x00000, 0x00090 … written again."
TextPair VerifyMismatchText(const std::vector<std::uint32_t>& differing);

// What the caller does after a session of the job has ended.
struct JobStep {
    bool Finished = false;
    // Keep the image the session left as a backup of this kind before going on. A backup read
    // whose image cannot be kept ends the job (BackupNotKept); a written image that cannot be
    // kept only adds its reason to the job's messages (AddMessage).
    std::optional<BackupKind> Keep;
    SessionOutcome Outcome;  // when finished: the job's outcome, shown as a session's
};

class WriteJob {
public:
    WriteJob(const MemoryImage& toWrite, WriteJobOptions options);

    const std::vector<JobPhase>& phases() const { return phases_; }
    JobPhase phase() const { return phases_[index_]; }
    std::size_t phaseIndex() const { return index_; }
    // The session the current phase runs.
    TransferKind SessionKind() const;

    // Makes the session's image what the current phase needs: the image to send for the write;
    // reads fill it themselves.
    void PrepareImage(MemoryImage& sessionImage) const;

    // The percentage of the whole job when the current phase's session shows `phasePercent`.
    int OverallPercent(int phasePercent) const;

    // The current phase's session has ended with `outcome`, leaving `sessionImage` as it was
    // read or sent. Moves on to the next phase unless the job is finished.
    JobStep PhaseEnded(const SessionOutcome& outcome, const MemoryImage& sessionImage);

    // The backup read's image could not be kept: the job ends with nothing written.
    SessionOutcome BackupNotKept(const TextPair& reason);

    // A message for the end of the job, after the sessions' own.
    void AddMessage(const TextPair& message) { messages_.push_back(message); }

    // Blocks the verify read found different from what was sent.
    const std::vector<std::uint32_t>& differingBlocks() const { return differing_; }

    // The lines added to each trace of the job once it has ended with `outcome`: its phases, its
    // outcome, its messages and every block the verify read found different.
    std::string TraceText(const SessionOutcome& outcome) const;

private:
    SessionOutcome finish(SessionResult result, std::vector<TextPair> messages);

    std::unique_ptr<MemoryImage> toWrite_;
    std::vector<JobPhase> phases_;
    std::size_t index_ = 0;
    std::vector<TextPair> messages_;
    std::vector<std::uint32_t> differing_;
};

}  // namespace kv
