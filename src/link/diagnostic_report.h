// The text of a diagnostic report: what a bug report about a radio needs in one file — the
// program, Qt and system versions, the serial ports, the settings file, the version table and
// the traces of the last sessions. The caller gathers the facts; this only lays them out.
#pragma once

#include <string>
#include <vector>

namespace kv {

struct ReportFile {
    std::string Name;      // where it came from
    std::string Contents;  // its text; empty when it could not be read
    bool Found = false;
};

struct DiagnosticFacts {
    std::string CreatedAt;  // local date and time
    std::string ProgramVersion;
    std::string QtVersion;
    std::string System;
    std::vector<std::string> Ports;  // one line per serial port known to the system
    ReportFile Settings;
    ReportFile VersionTable;
    std::vector<ReportFile> Traces;  // oldest first
};

std::string DiagnosticReportText(const DiagnosticFacts& facts);

}  // namespace kv
