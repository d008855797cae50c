// Runs whole sessions of the program's serial session runner against kv7700-sim, on this
// thread's event loop, the way the windows and the command line do.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "files/version_table.h"
#include "link/session_actions.h"
#include "model/memory_image.h"
#include "model/radio_facts.h"

namespace kv::test {

struct SessionRun {
    std::optional<SessionOutcome> outcome;  // empty when the session did not end in time
    std::vector<int> progress;
    std::vector<std::string> versionQuestions;  // firmware versions the session asked about
    std::optional<TextPair> openFailure;
};

class SessionDriver {
public:
    SessionDriver();

    MemoryImage& image() { return *image_; }
    RadioFacts& facts() { return facts_; }

    // Opens `path`, starts a session of `kind` and runs the event loop until it ends (or, as a
    // safety net, 60 seconds pass). Version questions are answered No.
    SessionRun Run(TransferKind kind, const QString& path);

private:
    std::unique_ptr<MemoryImage> image_;
    RadioFacts facts_;
    VersionTable versions_;
};

// The image the program holds after reading a radio with `radio`'s memory: its bytes inside the
// transfer map, zero elsewhere.
std::unique_ptr<MemoryImage> MaskedToTransferMap(const MemoryImage& radio);

}  // namespace kv::test
