// Finding the radio (frmFindRadio): asks the user's consent, then tries the ports one at a time,
// shows which one it is trying and what each answered, with a Cancel button, and makes the port
// whose radio answers as this model the chosen port, remembered in the settings file. It closes
// itself when it has found the radio; otherwise it stays with each port's reason until closed.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "link/port_numbering.h"
#include "platform/port_list.h"
#include "platform/radio_finder.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace kv {

struct AppState;
class SettingsFile;

class FindRadioWindow : public QDialog {
    Q_OBJECT
public:
    // Starts trying `order` once shown.
    FindRadioWindow(int language, std::vector<ListedPort> order, QWidget* parent = nullptr);

    RadioFinder& finder() { return finder_; }
    // The port whose radio answered as this model, once the search has finished.
    std::optional<ListedPort> foundPort() const;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void showTrying(int index);
    void showAnswer(int index);
    void showEnd();

    int language_;
    RadioFinder finder_;
    std::vector<ListedPort> order_;
    bool started_ = false;
    QLabel* status_;
    QListWidget* answers_;
    QPushButton* button_;
};

// The whole command: the consent question (unless the caller asked its own), the search over the
// ports `scan` lists (built-in ports only with `includeBuiltIn`), and on success the port chosen
// and stored as `comPort`. Returns the number of the port found.
std::optional<int> FindTheRadio(QWidget* parent, AppState& state, SettingsFile& settings,
                                bool includeBuiltIn, const PortScan& scan = SystemSerialPorts,
                                std::chrono::milliseconds replyTime = kProbeReplyTime,
                                bool askConsent = true);

}  // namespace kv
