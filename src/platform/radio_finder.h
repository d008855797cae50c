// Finding the radio: opens the ports of a search order one at a time, runs the probe of each on
// the event loop with a short reply time, and says which port it tries and what each answered.
// It stops at the first port whose radio answers as this model, or when cancelled.
#pragma once

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <chrono>
#include <memory>
#include <vector>

#include "link/radio_probe.h"
#include "link/radio_search.h"

namespace kv {

// Long enough for a radio at 115200 baud (its longest answer takes under 2 ms on the wire),
// short enough that four silent ports take about a second.
inline constexpr std::chrono::milliseconds kProbeReplyTime{250};

class RadioFinder : public QObject {
    Q_OBJECT
public:
    explicit RadioFinder(QObject* parent = nullptr);
    ~RadioFinder() override;

    void setReplyTime(std::chrono::milliseconds time) { timer_.setInterval(time); }

    // Starts trying `order`, from the event loop.
    void Start(std::vector<ListedPort> order);
    // Tells the port being tried to end programming mode, closes it and finishes.
    void Cancel();

    bool isRunning() const { return running_; }
    const std::vector<ListedPort>& order() const { return order_; }
    // What the ports tried so far answered, in order.
    const std::vector<PortAnswer>& answers() const { return answers_; }
    // The index in order() of the port whose radio answered as this model; -1 when none did.
    int foundIndex() const { return found_; }
    bool cancelled() const { return cancelled_; }

signals:
    void trying(int index);
    void answered(int index);
    void finished();

private:
    void tryNext();
    void carryOut(const ProbeStep& step);
    void onReadyRead();
    void onTimeout();
    void endPort(PortAnswer answer);
    void finish();

    QSerialPort port_;
    QTimer timer_;
    std::unique_ptr<RadioProbe> probe_;
    QByteArray buffer_;
    std::size_t expect_ = 0;
    std::vector<ListedPort> order_;
    std::vector<PortAnswer> answers_;
    int found_ = -1;
    bool running_ = false;
    bool cancelled_ = false;
};

}  // namespace kv
