// Asking one serial port whether this model's radio is on it, as a state machine without I/O:
// the program's own handshake, then its identification request, then its end request, so that a
// radio that answered is never left waiting in programming mode. Each request is sent once and
// waits one short reply time; the search moves on rather than retrying.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "link/frames.h"

namespace kv {

enum class ProbeVerdict {
    ThisModel,   // identified as the model this program programs
    OtherModel,  // a radio of the same family that identified as another model
    NoAnswer,    // nothing came back in time
    Garbage,     // bytes came back that are not the radio's answer
};

// What the transport does next: send `Send` (when set), then wait for `Expect` bytes or the reply
// time, or, when `Finished`, close the port.
struct ProbeStep {
    std::optional<Frame> Send;
    std::size_t Expect = 0;
    bool Finished = false;
};

class RadioProbe {
public:
    explicit RadioProbe(std::string expectedModel);

    // The handshake.
    ProbeStep Start();
    // At least the expected number of bytes arrived: everything buffered since the last send.
    ProbeStep OnReply(ByteView bytes);
    // The reply time ran out with `partial` buffered (possibly nothing).
    ProbeStep OnTimeout(ByteView partial);
    // The user cancelled: finished, with the end request to send without waiting when whatever
    // is on the port may have heard the handshake.
    ProbeStep Cancel();

    // Set once finished (and after the identification for the end request's sake).
    ProbeVerdict verdict() const { return verdict_; }
    const std::string& model() const { return model_; }
    const std::string& firmware() const { return firmware_; }

private:
    enum class Stage { Idle, Handshake, Identification, End, Done };
    ProbeStep sendEnd();
    ProbeStep finish();

    std::string expectedModel_;
    Stage stage_ = Stage::Idle;
    ProbeVerdict verdict_ = ProbeVerdict::NoAnswer;
    std::string model_;
    std::string firmware_;
};

}  // namespace kv
