// The serial ports offered to the user as "COM<n>": the system's device list numbered by the
// [ports] section of the settings file, and the lookup from a port name to a device path.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "link/port_numbering.h"

namespace kv {

// The serial devices the system lists now.
std::vector<PresentPort> SystemSerialPorts();
// Where the port list comes from: the system, or a list a test gives.
using PortScan = std::function<std::vector<PresentPort>()>;

// Scans the serial devices present now, numbers them (keeping the numbers stored in the
// [ports] section of settingsFile), writes the section back only when it changed, and returns the
// entries to show by ascending number. An entry the user adds by hand to [ports]
// ("COM9=/dev/pts/4") is listed while its path exists; the entry numbered `chosen` is listed even
// while its device is gone.
std::vector<ListedPort> ListSerialPorts(const QString& settingsFile, int chosen = 0,
                                        const PortScan& scan = SystemSerialPorts);

struct ResolvedPort {
    QString path;   // the device to open; empty when the name could not be resolved
    QString error;  // why not, in English, for the command line
};

// "COM<n>" → the device numbered n (after a scan, so a device plugged in just now has its
// number); a name that starts with "/" → that path as it is.
ResolvedPort ResolvePortName(const QString& name, const QString& settingsFile);

// The [ports] section alone: read and write the mapping without touching the other sections.
PortMapping ReadPortMapping(const QString& settingsFile);
void WritePortMapping(const QString& settingsFile, const PortMapping& mapping);

}  // namespace kv
