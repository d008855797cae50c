// Progress of a radio session as a percentage on standard error: one updating line per phase on
// a terminal; otherwise (a log, a script, or several radios at once, whose lines would overwrite
// each other) a line when a phase reaches the next tenth, and the phase's last figure.
#pragma once

#include <unistd.h>

#include <iostream>
#include <string>

namespace kv::cli {

class ProgressLine {
public:
    explicit ProgressLine(std::string label, bool linesOnly = false)
        : label_(std::move(label)), terminal_(!linesOnly && ::isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() { EndLine(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void SetLabel(std::string label) {
        EndLine();
        label_ = std::move(label);
    }
    void Show(int percent) {
        last_ = percent;
        if (terminal_) {
            std::cerr << '\r' << label_ << ": " << percent << '%' << std::flush;
        } else if (percent / 10 != printed_ / 10 || printed_ < 0) {
            Print(percent);
        }
    }

private:
    void Print(int percent) {
        printed_ = percent;
        std::cerr << label_ << ": " << percent << "%\n";
    }
    void EndLine() {
        if (terminal_ && last_ >= 0) std::cerr << '\n';
        if (!terminal_ && last_ >= 0 && last_ != printed_) Print(last_);
        last_ = -1;
        printed_ = -1;
    }

    std::string label_;
    bool terminal_;
    int last_ = -1;     // the figure last shown this phase, -1 before the first
    int printed_ = -1;  // the figure last printed on a line of its own
};

}  // namespace kv::cli
