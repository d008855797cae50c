// The simulator's end of the serial line: a new pseudo-terminal or a given device, and the loop
// that feeds received bytes to the radio and sends its replies, paced like a real line.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "sim_radio.h"

namespace kv::sim {

class Line {
public:
    Line() = default;
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;
    ~Line();

    // Opens a new pseudo-terminal in raw mode; peerPath() is the path the program opens.
    bool OpenPseudoTerminal(std::string& error);
    // Opens a serial device in raw mode at 115200 baud, 8N1.
    bool OpenDevice(const std::string& path, std::string& error);

    const std::string& peerPath() const { return peerPath_; }
    int fd() const { return fd_; }
    bool isPseudoTerminal() const { return pseudoTerminal_; }

private:
    int fd_ = -1;
    bool pseudoTerminal_ = false;
    std::string peerPath_;
};

struct ServeOptions {
    int baud = 0;         // wire-time emulation; 0 for none
    int delayMs = 0;      // extra time before every reply
    int lingerMs = 1000;  // wait for a reopen after a hang-up; -1 forever
    std::FILE* log = nullptr;
    std::FILE* timing = nullptr;  // when requests began to arrive and replies left
    std::function<void()> onEnd;  // after every END request has been answered
};

// Serves requests until SIGINT or SIGTERM arrives, the device fails, or (on a pseudo-terminal)
// the program has closed its end and not reopened it within the linger time.
void Serve(Line& line, SimRadio& radio, const ServeOptions& options);

// Routes SIGINT, SIGTERM and SIGHUP to a clean stop of Serve. Call once, before Serve.
void InstallStopSignals();

}  // namespace kv::sim
