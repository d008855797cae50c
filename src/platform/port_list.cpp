// Serial port discovery through Qt Serial Port, numbered and persisted in the settings file.
#include "platform/port_list.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSettings>

namespace kv {
namespace {

const char* const kPortsGroup = "ports";
const QString kByIdFolder = QStringLiteral("/dev/serial/by-id");

// The by-id alias of each device, keyed by the device it resolves to.
std::map<QString, QString> ByIdAliases() {
    std::map<QString, QString> aliases;
    const QDir folder(kByIdFolder);
    for (const QFileInfo& link :
         folder.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        if (link.isSymLink()) aliases.emplace(link.canonicalFilePath(), link.absoluteFilePath());
    return aliases;
}

}  // namespace

std::vector<PresentPort> SystemSerialPorts() {
    const std::map<QString, QString> aliases = ByIdAliases();
    std::vector<PresentPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString system = info.systemLocation();
        const auto alias = aliases.find(QFileInfo(system).canonicalFilePath());
        ports.push_back({system.toStdString(),
                         alias == aliases.end() ? std::string() : alias->second.toStdString(),
                         info.description().toStdString()});
    }
    return ports;
}

namespace {

std::set<std::string> ExistingPaths(const PortMapping& mapping) {
    std::set<std::string> existing;
    for (const auto& [number, path] : mapping)
        if (QFileInfo::exists(QString::fromStdString(path))) existing.insert(path);
    return existing;
}

}  // namespace

PortMapping ReadPortMapping(const QString& settingsFile) {
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.beginGroup(kPortsGroup);
    PortMapping mapping;
    for (const QString& key : settings.childKeys())
        if (const std::optional<int> number = ParsePortName(key.toStdString()))
            mapping[*number] = settings.value(key).toString().trimmed().toStdString();
    return mapping;
}

void WritePortMapping(const QString& settingsFile, const PortMapping& mapping) {
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.remove(kPortsGroup);
    settings.beginGroup(kPortsGroup);
    for (const auto& [number, path] : mapping)
        settings.setValue(QString::fromStdString(PortName(number)), QString::fromStdString(path));
    settings.endGroup();
    settings.sync();
}

std::vector<ListedPort> ListSerialPorts(const QString& settingsFile, int chosen,
                                        const PortScan& scan) {
    const PortMapping known = ReadPortMapping(settingsFile);
    const PortNumbering numbering = NumberPorts(known, scan(), ExistingPaths(known), chosen);
    if (numbering.changed) WritePortMapping(settingsFile, numbering.mapping);
    return numbering.listed;
}

ResolvedPort ResolvePortName(const QString& name, const QString& settingsFile) {
    if (name.startsWith(QLatin1Char('/'))) return {name, {}};
    const std::optional<int> number = ParsePortName(name.toStdString());
    if (!number) return {{}, QStringLiteral("%1 is neither COM<n> nor a device path.").arg(name)};
    for (const ListedPort& port : ListSerialPorts(settingsFile))
        if (port.number == *number) return {QString::fromStdString(port.path), {}};
    return {{}, QStringLiteral("%1 is not present.").arg(name)};
}

}  // namespace kv
