// Laying out a diagnostic report.
#include "link/diagnostic_report.h"

#include <sstream>

namespace kv {
namespace {

void Section(std::string& out, const std::string& title) {
    out += "\n== " + title + " ==\n";
}

void File(std::string& out, const std::string& title, const ReportFile& file) {
    Section(out, title + ": " + file.Name);
    if (!file.Found) {
        out += "(missing or unreadable)\n";
        return;
    }
    out += file.Contents;
    if (!file.Contents.empty() && file.Contents.back() != '\n') out += '\n';
}

// The value of the first line of `text` that starts with `key`; empty when there is none.
std::string Field(const std::string& text, const std::string& key) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with(key)) return line.substr(key.size());
    return {};
}

// One line per kept trace, newest first: when, what for, and how the session and its job ended,
// so that a failed job stands out before anyone reads a frame.
void Summary(std::string& out, const std::vector<ReportFile>& traces) {
    Section(out, "Summary of the last sessions, newest first");
    if (traces.empty()) out += "(none)\n";
    for (auto trace = traces.rbegin(); trace != traces.rend(); ++trace) {
        if (!trace->Found) {
            out += trace->Name + ": (missing or unreadable)\n";
            continue;
        }
        const std::string& text = trace->Contents;
        std::string line = Field(text, "Started: ") + "  " + Field(text, "Phase: ") + ": session " +
                           Field(text, "Session outcome: ");
        const std::string job = Field(text, "Job outcome: ");
        if (!job.empty()) line += "; job " + job;
        const std::string blocks = Field(text, "Differing blocks: ");
        if (!blocks.empty()) line += " (" + blocks + ")";
        out += line + '\n';
    }
}

}  // namespace

std::string DiagnosticReportText(const DiagnosticFacts& facts) {
    std::string out = "KV-7700 diagnostic report\nCreated: " + facts.CreatedAt + '\n';
    Summary(out, facts.Traces);
    Section(out, "Versions");
    out += "Program: " + facts.ProgramVersion + "\nQt: " + facts.QtVersion +
           "\nSystem: " + facts.System + '\n';
    Section(out, "Serial ports");
    if (facts.Ports.empty()) out += "(none)\n";
    for (const std::string& port : facts.Ports) out += port + '\n';
    File(out, "Settings file", facts.Settings);
    File(out, "Version table", facts.VersionTable);
    Section(out, "Session traces: " + std::to_string(facts.Traces.size()));
    for (const ReportFile& trace : facts.Traces) File(out, "Trace", trace);
    return out;
}

}  // namespace kv
