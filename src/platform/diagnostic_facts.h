// Gathering what a diagnostic report holds from this installation and this machine, and saving
// the report as a gzip-compressed text file.
#pragma once

#include <QString>
#include <optional>

#include "link/diagnostic_report.h"
#include "model/text_pair.h"

namespace kv {

// The versions, the serial ports (with their COM numbers from `settingsFile`), the settings
// file, the version table and the kept session traces from `traceFolder`.
DiagnosticFacts GatherDiagnosticFacts(const QString& settingsFile, const QString& versionFile,
                                      const QString& traceFolder);

// Writes the report to `path`; on failure the message to show ("file error." and why).
std::optional<TextPair> SaveDiagnosticReport(const QString& path, const DiagnosticFacts& facts);

}  // namespace kv
