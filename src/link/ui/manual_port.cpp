// Entries added to the serial port list by hand.
#include "link/ui/manual_port.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

#include "link/link_window_texts.h"
#include "link/port_numbering.h"

namespace kv {
namespace {

bool IsCharacterDevice(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISCHR(info.st_mode);
}

}  // namespace

ManualPortResult AddPortByHand(const QString& settingsFile, const QString& path,
                               const PortScan& scan) {
    const LinkWindowTextTable& texts = LinkWindowTexts();
    const QFileInfo file(path);
    if (!file.exists()) return {0, WithDetail(texts.PathMissing, path.toStdString())};
    if (!IsCharacterDevice(path)) return {0, WithDetail(texts.NotSerialDevice, path.toStdString())};

    const QString device = file.canonicalFilePath();
    for (const ListedPort& port : ListSerialPorts(settingsFile, 0, scan))
        if (QFileInfo(QString::fromStdString(port.path)).canonicalFilePath() == device)
            return {port.number, {}};

    PortMapping mapping = ReadPortMapping(settingsFile);
    for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) {
        if (mapping.contains(n)) continue;
        mapping[n] = file.absoluteFilePath().toStdString();
        WritePortMapping(settingsFile, mapping);
        return {n, {}};
    }
    return {0, texts.NoFreeNumber};
}

}  // namespace kv
