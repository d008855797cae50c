// Opening the programming cable's serial port with the line settings the radio uses, and the
// message that explains in both languages why a port could not be opened.
#pragma once

#include <QSerialPort>
#include <QString>
#include <optional>

#include "model/text_pair.h"

namespace kv {

inline constexpr qint32 kLinkBaudRate = 115200;

// Why a port did not open, in the words a user can act on.
enum class PortOpenFailure { NoPortChosen, NotFound, PermissionDenied, Busy, Other };

// Opens `port` on `devicePath` at 115200 baud, 8 data bits, no parity, 1 stop bit, no flow
// control, with RTS and DTR deasserted. Empty on success; otherwise the message to show:
// "Cannot Open Communication Port." and, on a second line, the reason.
std::optional<TextPair> OpenSerialLink(QSerialPort& port, const QString& devicePath);

// The reason line for a failure on `devicePath`; `detail` is the system's own wording, used
// only for failures without a more helpful explanation.
TextPair PortOpenReason(PortOpenFailure failure, const QString& devicePath,
                        const QString& detail = {});

// The full two-line message.
TextPair PortOpenMessage(PortOpenFailure failure, const QString& devicePath,
                         const QString& detail = {});

}  // namespace kv
