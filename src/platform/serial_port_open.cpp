// Opening the programming cable's serial port.
#include "platform/serial_port_open.h"

#include <unistd.h>

#include <QFileInfo>

#include "link/link_texts.h"

namespace kv {
namespace {

// Qt reports "permission denied" and "held by another program" alike; the file's access rights
// tell them apart.
PortOpenFailure Classify(QSerialPort::SerialPortError error, const QString& devicePath) {
    switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return PortOpenFailure::NotFound;
        case QSerialPort::PermissionError:
            return ::access(QFile::encodeName(devicePath).constData(), R_OK | W_OK) == 0
                       ? PortOpenFailure::Busy
                       : PortOpenFailure::PermissionDenied;
        default:
            return PortOpenFailure::Other;
    }
}

// The group that may use the device; serial devices normally belong to "dialout".
QString DeviceGroup(const QString& devicePath) {
    const QString group = QFileInfo(devicePath).group();
    return group.isEmpty() || group == QLatin1String("root") ? QStringLiteral("dialout") : group;
}

}  // namespace

TextPair PortOpenReason(PortOpenFailure failure, const QString& devicePath, const QString& detail) {
    auto pair = [](const QString& en, const QString& zh) {
        return TextPair{en.toStdString(), zh.toStdString()};
    };
    const QString& path = devicePath;
    switch (failure) {
        case PortOpenFailure::NoPortChosen:
            return pair(QStringLiteral("No communication port has been chosen."),
                        QStringLiteral("尚未选择通信端口。"));
        case PortOpenFailure::NotFound:
            return pair(QStringLiteral("The device %1 is not there: check that the cable is "
                                       "plugged in and that the right port is chosen.")
                            .arg(path),
                        QStringLiteral("设备 %1 不存在：请检查数据线是否已连接、所选端口是否正确。")
                            .arg(path));
        case PortOpenFailure::PermissionDenied: {
            const QString group = DeviceGroup(path);
            return pair(QStringLiteral("You have no permission to use %1: add your user to the "
                                       "group \"%2\" (sudo usermod -aG %2 $USER), then log out "
                                       "and in again.")
                            .arg(path, group),
                        QStringLiteral("没有使用 %1 的权限：请将当前用户加入“%2”组（sudo usermod "
                                       "-aG %2 $USER），然后注销并重新登录。")
                            .arg(path, group));
        }
        case PortOpenFailure::Busy:
            return pair(QStringLiteral("%1 is in use by another program: close that program and "
                                       "try again.")
                            .arg(path),
                        QStringLiteral("%1 正被其他程序占用：请关闭该程序后重试。").arg(path));
        case PortOpenFailure::Other:
            break;
    }
    return pair(QStringLiteral("%1 could not be opened: %2").arg(path, detail),
                QStringLiteral("无法打开 %1：%2").arg(path, detail));
}

TextPair PortOpenMessage(PortOpenFailure failure, const QString& devicePath,
                         const QString& detail) {
    const TextPair head = CannotOpenPortText();
    const TextPair reason = PortOpenReason(failure, devicePath, detail);
    return {head.en + "\n" + reason.en, head.zh + "\n" + reason.zh};
}

std::optional<TextPair> OpenSerialLink(QSerialPort& port, const QString& devicePath) {
    if (port.isOpen()) port.close();
    if (devicePath.isEmpty()) return PortOpenMessage(PortOpenFailure::NoPortChosen, devicePath);

    port.setPortName(devicePath);
    port.setBaudRate(kLinkBaudRate);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite)) {
        const auto failure = Classify(port.error(), devicePath);
        const QString detail = port.errorString();
        port.clearError();
        return PortOpenMessage(failure, devicePath, detail);
    }
    // Programming cables can key the transmitter on RTS, and the radio needs neither line. A
    // device without modem lines (a pseudo-terminal) refuses these calls harmlessly.
    port.setRequestToSend(false);
    port.setDataTerminalReady(false);
    port.clearError();
    return std::nullopt;
}

}  // namespace kv
