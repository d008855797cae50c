// Entries the user adds by hand to the serial port list: a device path (a pseudo-terminal, a
// /dev/serial/by-id/ link) that the system's device list does not show, or shows under another
// name. The entry is numbered like any other port and kept in the settings file's [ports] section.
#pragma once

#include <QString>

#include "model/text_pair.h"
#include "platform/port_list.h"

namespace kv {

struct ManualPortResult {
    int number = 0;  // the entry's "COM<n>" number; 0 when nothing was added
    TextPair error;  // why not, when number is 0
};

// Adds `path` to the port list of `settingsFile`. A device the list already holds, under this
// path or another one that leads to the same device, keeps its number and is returned as it is.
// `scan` lists the devices present, as for the port list.
ManualPortResult AddPortByHand(const QString& settingsFile, const QString& path,
                               const PortScan& scan = SystemSerialPorts);

}  // namespace kv
