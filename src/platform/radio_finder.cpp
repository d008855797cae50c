// The search over the serial ports.
#include "platform/radio_finder.h"

#include "model/radio_facts.h"
#include "platform/serial_port_open.h"

namespace kv {
namespace {

// The reason line of a two-line "cannot open" message.
std::string ReasonLine(const std::string& message) {
    const auto cut = message.find('\n');
    return cut == std::string::npos ? message : message.substr(cut + 1);
}

ByteView View(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

}  // namespace

RadioFinder::RadioFinder(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setInterval(kProbeReplyTime);
    connect(&timer_, &QTimer::timeout, this, &RadioFinder::onTimeout);
    connect(&port_, &QSerialPort::readyRead, this, &RadioFinder::onReadyRead);
}

RadioFinder::~RadioFinder() {
    if (running_) Cancel();
}

void RadioFinder::Start(std::vector<ListedPort> order) {
    order_ = std::move(order);
    answers_.clear();
    found_ = -1;
    cancelled_ = false;
    running_ = true;
    QMetaObject::invokeMethod(this, &RadioFinder::tryNext, Qt::QueuedConnection);
}

void RadioFinder::tryNext() {
    if (!running_) return;
    const std::size_t index = answers_.size();
    if (index >= order_.size()) {
        finish();
        return;
    }
    emit trying(static_cast<int>(index));
    if (const auto failure = OpenSerialLink(port_, QString::fromStdString(order_[index].path))) {
        PortAnswer answer;
        answer.Result = PortAnswer::Kind::CannotOpen;
        answer.OpenReason = {ReasonLine(failure->en), ReasonLine(failure->zh)};
        endPort(answer);
        return;
    }
    port_.clear();
    probe_ = std::make_unique<RadioProbe>(kExpectedModel);
    carryOut(probe_->Start());
}

void RadioFinder::carryOut(const ProbeStep& step) {
    if (step.Send) {
        buffer_.clear();
        port_.write(reinterpret_cast<const char*>(step.Send->data()),
                    static_cast<qint64>(step.Send->size()));
        port_.flush();
    }
    if (step.Finished) {
        PortAnswer answer;
        answer.Result = AnswerKind(probe_->verdict());
        answer.Model = probe_->model();
        endPort(answer);
        return;
    }
    expect_ = step.Expect;
    timer_.start();
}

void RadioFinder::onReadyRead() {
    if (!probe_ || !timer_.isActive()) {
        port_.readAll();
        return;
    }
    buffer_ += port_.readAll();
    if (static_cast<std::size_t>(buffer_.size()) < expect_) return;
    timer_.stop();
    const QByteArray reply = std::exchange(buffer_, {});
    carryOut(probe_->OnReply(View(reply)));
}

void RadioFinder::onTimeout() {
    if (!probe_) return;
    const QByteArray partial = std::exchange(buffer_, {});
    carryOut(probe_->OnTimeout(View(partial)));
}

void RadioFinder::endPort(PortAnswer answer) {
    timer_.stop();
    probe_.reset();
    if (port_.isOpen()) {
        port_.waitForBytesWritten(50);
        port_.close();
    }
    const int index = static_cast<int>(answers_.size());
    const bool found = answer.Result == PortAnswer::Kind::Found;
    answers_.push_back(std::move(answer));
    emit answered(index);
    if (found) {
        found_ = index;
        finish();
        return;
    }
    // The next port from the event loop, so that a Cancel pressed meanwhile is seen.
    QMetaObject::invokeMethod(this, &RadioFinder::tryNext, Qt::QueuedConnection);
}

void RadioFinder::Cancel() {
    if (!running_) return;
    cancelled_ = true;
    if (probe_) {
        const ProbeStep step = probe_->Cancel();
        if (step.Send)
            port_.write(reinterpret_cast<const char*>(step.Send->data()),
                        static_cast<qint64>(step.Send->size()));
        timer_.stop();
        probe_.reset();
        if (port_.isOpen()) {
            port_.waitForBytesWritten(50);
            port_.close();
        }
    }
    finish();
}

void RadioFinder::finish() {
    if (!running_) return;
    running_ = false;
    emit finished();
}

}  // namespace kv
