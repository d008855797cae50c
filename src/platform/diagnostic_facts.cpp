// Gathering and saving a diagnostic report.
#include "platform/diagnostic_facts.h"

#include <QCoreApplication>
#include <QFile>
#include <QSerialPortInfo>
#include <QSysInfo>
#include <QtGlobal>

#include "app/shared_messages.h"
#include "link/port_numbering.h"
#include "link/session_trace.h"
#include "platform/gzip_file.h"
#include "platform/port_list.h"
#include "platform/user_data_folder.h"

namespace kv {
namespace {

ReportFile ReadReportFile(const QString& path) {
    ReportFile file;
    file.Name = path.toStdString();
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) return file;
    file.Found = true;
    file.Contents = source.readAll().toStdString();
    return file;
}

std::vector<std::string> PortLines(const QString& settingsFile) {
    std::vector<std::string> lines;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        lines.push_back(QStringLiteral("%1  %2  %3 %4:%5")
                            .arg(info.systemLocation(), info.description(), info.manufacturer())
                            .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                            .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'))
                            .toStdString());
    for (const auto& [number, path] : ReadPortMapping(settingsFile))
        lines.push_back(PortName(number) + " = " + path +
                        (QFile::exists(QString::fromStdString(path)) ? "" : "  (not present)"));
    return lines;
}

}  // namespace

DiagnosticFacts GatherDiagnosticFacts(const QString& settingsFile, const QString& versionFile,
                                      const QString& traceFolder) {
    DiagnosticFacts facts;
    const CivilTime now = LocalNow();
    facts.CreatedAt = ReadableTime(now);
    facts.ProgramVersion = QCoreApplication::applicationName().toStdString() + " " +
                           QCoreApplication::applicationVersion().toStdString();
    facts.QtVersion = std::string(qVersion()) + " (built with " + QT_VERSION_STR + ")";
    facts.System =
        (QSysInfo::prettyProductName() + QStringLiteral(", kernel ") + QSysInfo::kernelVersion() +
         QStringLiteral(", ") + QSysInfo::currentCpuArchitecture())
            .toStdString();
    facts.Ports = PortLines(settingsFile);
    facts.Settings = ReadReportFile(settingsFile);
    facts.VersionTable = ReadReportFile(versionFile);
    for (const auto& trace : KeptTraces(ToPath(traceFolder)))
        facts.Traces.push_back(ReadReportFile(QFile::decodeName(trace.string().c_str())));
    return facts;
}

std::optional<TextPair> SaveDiagnosticReport(const QString& path, const DiagnosticFacts& facts) {
    const std::optional<TextPair> failure = WriteGzipFile(path, DiagnosticReportText(facts));
    if (!failure) return std::nullopt;
    const std::string file = path.toStdString();
    const TextPair& head = SharedMessages().FileError;
    return TextPair{head.en + "\n" + file + ": " + failure->en,
                    head.zh + "\n" + file + "：" + failure->zh};
}

}  // namespace kv
