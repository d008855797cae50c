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

HandOverResult StartOtherVersion(const VersionTable& table, const std::string& otherVersion,
                                 const QString& ownProgramPath) {
    const std::string version = SoftwareVersionFor(table, otherVersion);
    if (version.empty()) return {false, VersionMissingText()};
    const QString path = OtherVersionProgramPath(ownProgramPath, QString::fromStdString(version));
    if (!QFileInfo(path).isExecutable() || !QProcess::startDetached(path, {}))
        return {false, VersionMissingText()};
    return {true, {}};
}

}  // namespace kv
