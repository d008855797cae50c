// The simulator's command line.
#pragma once

#include <QStringList>
#include <string>

#include "sim_radio.h"

namespace kv::sim {

struct Options {
    Identity identity;
    Faults faults;
    std::string devicePath;  // serve this device instead of a new pseudo-terminal
    std::string imageFile;   // raw image loaded at start
    bool save = false;       // write the image back to imageFile on END and on exit
    std::string logFile;     // frame log; "-" for standard error; empty for none
    std::string timingFile;  // when each request began to arrive and each reply left; or none
    int baud = 0;            // wire-time emulation; 0 for none
    int delayMs = 0;         // extra time before every reply
    int lingerMs = 1000;     // how long to wait for the program to reopen the line; -1 forever
};

struct ParsedOptions {
    Options options;
    bool help = false;
    std::string helpText;
    std::string error;  // empty when the command line was understood
};

ParsedOptions ParseOptions(const QStringList& arguments);

}  // namespace kv::sim
