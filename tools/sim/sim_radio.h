// The simulated radio's side of the programming protocol: it takes the bytes the program sends,
// cuts them into requests and answers each one from its memory image, with optional faults.
// No I/O and no clock: the line driver decides when bytes arrive and when replies go out.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "model/memory_image.h"
#include "sim_frames.h"

namespace kv::sim {

// What the identification reply reports.
struct Identity {
    std::string model = "TALVEN5";
    std::uint8_t optionByte = 1;
    std::string firmware = "V100";
};

// Faults, each keyed by the number of a request (1 for the first request the radio accepts,
// counted over the radio's whole life, retransmissions included).
struct Faults {
    std::set<int> dropReply;        // no reply at all
    std::set<int> corruptChecksum;  // a data frame's checksum off by one; other replies: last byte
    std::set<int> wrongAddress;     // a data frame that names the previous block's address
    std::set<int> shortReply;       // the reply without its last byte
    std::set<int> loseWrite;        // a data frame acknowledged but not stored
    int silentAfter = -1;           // answer only the first N requests; negative: always answer
};

// One request the radio took in, and what it answers (empty when it stays silent).
struct Exchange {
    int number = 0;
    RequestKind kind = RequestKind::Handshake;
    Frame request;
    Frame reply;
};

class SimRadio {
public:
    SimRadio(Identity identity, Faults faults);

    MemoryImage& image() { return image_; }
    const MemoryImage& image() const { return image_; }

    // Takes one received byte and appends the exchange it completes, if any. Bytes that cannot
    // start a request, and whole frames that fail their checks (a data frame with a bad
    // checksum, an address outside the image), are dropped without an answer, as a radio would:
    // the program sends the frame again.
    void Receive(std::uint8_t byte, std::vector<Exchange>& completed);

    // Requests taken in so far.
    int requestCount() const { return requests_; }

private:
    bool Complete(ByteView frame, Exchange& exchange);
    Frame Answer(int number, RequestKind kind, ByteView request);
    void ApplyFaults(int number, RequestKind kind, ByteView request, Frame& reply) const;

    Identity identity_;
    Faults faults_;
    MemoryImage image_;
    Frame pending_;
    int requests_ = 0;
};

}  // namespace kv::sim
