// The communication port window (frmCommSet): lists the serial ports as "COM<n>", keeps the list
// current while it is open, shows the chosen entry's device and description, lets the user add
// a device path by hand, finds the port the radio answers on, and stores the choice in `comPort`
// and the settings file.
#pragma once

#include <QDialog>
#include <chrono>
#include <vector>

#include "link/port_numbering.h"
#include "platform/port_list.h"
#include "platform/radio_finder.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace kv {

struct AppState;
class SettingsFile;

inline constexpr int kReShowComPortMs = 1000;

class PortWindow : public QDialog {
    Q_OBJECT
public:
    // `scan` lists the serial devices present; tests give their own.
    PortWindow(AppState& state, SettingsFile& settings, QWidget* parent = nullptr,
               PortScan scan = SystemSerialPorts);

    // The re-scan `ReShowComPortTimer` runs every second: lists the ports again and keeps the
    // displayed port, marked as not present while its device is gone.
    void ReShowComPort();
    // The number of the port shown in the list; 0 when the list is empty.
    int displayedPort() const { return displayed_; }
    // How long Find the radio waits for each reply; tests shorten it.
    void setProbeReplyTime(std::chrono::milliseconds time) { replyTime_ = time; }

protected:
    // The re-scan runs while the window is shown.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Fills the list and shows the entry numbered `wanted` (listed even while its device is gone),
    // or the first one when no entry has that number.
    void showPorts(int wanted);
    void showDevice();
    void addPath();
    void confirm();
    // Find the radio: on success the port found is shown and already stored.
    void findRadio();
    QString settingsFile() const;

    AppState& state_;
    SettingsFile& settings_;
    PortScan scan_;
    std::vector<ListedPort> ports_;
    int displayed_ = 0;
    QComboBox* list_;
    QLabel* path_;
    QLabel* description_;
    QLineEdit* newPath_;
    QTimer* rescan_;
    QCheckBox* builtIn_;
    std::chrono::milliseconds replyTime_ = kProbeReplyTime;
};

}  // namespace kv
