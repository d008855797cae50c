// Hand-over to another installed program version.
#include "platform/handover.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace kv {

QString OtherVersionProgramPath(const QString& ownProgramPath, const QString& version) {
    const QFileInfo program(QDir::cleanPath(ownProgramPath));
    const QString installation = QFileInfo(program.absolutePath()).absolutePath();
    return QDir::cleanPath(installation + "/" + version + "/KV7700/" + program.fileName());
}

std::optional<QString> OtherVersionProgram(const VersionTable& table,
                                           const std::string& otherVersion,
                                           const QString& ownProgramPath) {
    const std::string version = SoftwareVersionFor(table, otherVersion);
    if (version.empty()) return std::nullopt;
    const QString path = OtherVersionProgramPath(ownProgramPath, QString::fromStdString(version));
    if (!QFileInfo(path).isExecutable()) return std::nullopt;
    return path;
}

HandOverResult StartOtherVersion(const VersionTable& table, const std::string& otherVersion,
                                 const QString& ownProgramPath) {
    const std::optional<QString> program = OtherVersionProgram(table, otherVersion, ownProgramPath);
    if (!program || !QProcess::startDetached(*program, {})) return {false, VersionMissingText()};
    return {true, {}};
}

}  // namespace kv
