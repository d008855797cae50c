// Laying out a diagnostic report.
#include "link/diagnostic_report.h"

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

}  // namespace

std::string DiagnosticReportText(const DiagnosticFacts& facts) {
    std::string out = "KV-7700 diagnostic report\nCreated: " + facts.CreatedAt + '\n';
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
