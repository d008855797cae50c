// Runs a programming session over a serial port.
#include "platform/serial_session.h"

#include <type_traits>
#include <utility>

#include "link/link_texts.h"
#include "platform/serial_line.h"
#include "platform/serial_port_open.h"
#include "platform/user_data_folder.h"

namespace kv {

SerialSession::SerialSession(MemoryImage& image, RadioFacts& radio, const VersionTable& versions,
                             QObject* parent)
    : QObject(parent), engine_(image, radio, versions), port_(this), waitTimer_(this) {
    waitTimer_.setSingleShot(true);
    waitTimer_.setInterval(kReplyInterval);
    connect(&waitTimer_, &QTimer::timeout, this, [this] {
        // A reply that stayed below the threshold never woke the loop: its bytes go into the
        // trace before the retransmission discards them.
        traceHeldBytes();
        trace(TraceEvent::Timeout, {});
        apply(engine_.Retransmit());
    });
    connect(&port_, &QSerialPort::readyRead, this, &SerialSession::onReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialSession::onError);
}

SerialSession::~SerialSession() {
    waitTimer_.stop();
    port_.close();
}

void SerialSession::setReplyInterval(std::chrono::milliseconds interval) {
    waitTimer_.setInterval(interval);
}

void SerialSession::setVersionQuestion(VersionQuestion question) {
    versionQuestion_ = std::move(question);
}

std::optional<TextPair> SerialSession::OpenLink(TransferKind kind, const QString& devicePath) {
    if (isActive()) abandon();
    input_ = ReceiveBuffer{};
    linkLost_ = false;
    lineThreshold_ = 0;
    if (auto failure = OpenSerialLink(port_, devicePath)) return failure;
    engine_.Prepare(kind);
    return std::nullopt;
}

std::optional<TextPair> SerialSession::ContinueLink(TransferKind kind) {
    if (isActive()) abandon();
    input_ = ReceiveBuffer{};
    linkLost_ = false;
    if (!port_.isOpen()) return PortLostText();
    engine_.Prepare(kind);
    return std::nullopt;
}

void SerialSession::holdPort(bool hold) {
    holdPort_ = hold;
    if (hold) jobTraces_.clear();
}

void SerialSession::AppendToJobTraces(const std::string& text) {
    for (const auto& trace : jobTraces_) AppendToTrace(trace, text);
    jobTraces_.clear();
}

void SerialSession::releasePort() {
    holdPort_ = false;
    if (!isActive()) port_.close();
}

void SerialSession::start() {
    if (!traceFolder_.isEmpty() && isActive())
        trace_.Begin(engine_.SessionKind(), LocalNow(), std::exchange(tracePhase_, {}));
    apply(engine_.StartHandshake());
}

void SerialSession::stop() {
    apply(engine_.Stop());
}

void SerialSession::abandon() {
    apply(engine_.Abandon());
}

// Carries the actions out in order. A port failure noticed meanwhile (a write that fails, an
// error signal raised inside a write) ends the session once the list is done.
void SerialSession::apply(SessionActions actions) {
    applying_ = true;
    for (auto& action : actions) {
        if (linkLost_) break;
        carryOut(action);
    }
    applying_ = false;
    if (!linkLost_) return;
    linkLost_ = false;
    apply(engine_.LinkFailed(PortLostText()));
}

void SerialSession::carryOut(SessionAction& action) {
    std::visit(
        [this](auto& a) {
            using A = std::decay_t<decltype(a)>;
            if constexpr (std::is_same_v<A, StartReplyTimer>) {
                waitTimer_.start();
            } else if constexpr (std::is_same_v<A, StopReplyTimer>) {
                waitTimer_.stop();
            } else if constexpr (std::is_same_v<A, DiscardBuffers>) {
                if (port_.isOpen()) port_.clear(QSerialPort::AllDirections);
                input_.discard();
            } else if constexpr (std::is_same_v<A, SendFrame>) {
                if (!transmit(a)) linkLost_ = true;
            } else if constexpr (std::is_same_v<A, ShowProgress>) {
                emit progress(a.Percent);
            } else if constexpr (std::is_same_v<A, AskVersionQuestion>) {
                // A question is a modal loop: never run one inside the port's handler.
                QMetaObject::invokeMethod(
                    this, [this, ask = a] { askVersionQuestion(ask); }, Qt::QueuedConnection);
            } else if constexpr (std::is_same_v<A, ClosePort>) {
                if (!holdPort_) port_.close();
            } else if constexpr (std::is_same_v<A, SessionEnded>) {
                waitTimer_.stop();
                keepTrace(a.Outcome);
                emit finished(a.Outcome);
            }
        },
        action);
}

bool SerialSession::transmit(const SendFrame& frame) {
    input_.setThreshold(frame.ExpectedReplyLength);
    if (!port_.isOpen()) return false;
    // The line's threshold changes only between kinds of frame, a few times a session.
    if (frame.ExpectedReplyLength != lineThreshold_)
        lineThreshold_ =
            SetLineThreshold(port_, frame.ExpectedReplyLength) ? frame.ExpectedReplyLength : 0;
    const bool written = WriteNow(port_, frame.Bytes);
    // Recorded once the frame is on its way: the radio's reply waits for nothing but the wire.
    trace(TraceEvent::Sent, frame.Bytes);
    return written;
}

void SerialSession::askVersionQuestion(const AskVersionQuestion& ask) {
    // The session may have ended meanwhile (the port failed, the user stopped it).
    if (!engine_.awaitingVersionAnswer()) return;
    const bool handedOver = versionQuestion_ && versionQuestion_(ask.FirmwareVersion, ask.Question);
    apply(engine_.AnswerVersionQuestion(handedOver));
}

// The receive threshold: the bytes wait here until the expected reply length has arrived.
void SerialSession::onReadyRead() {
    // Read into the stack: a reply is a few bytes, and this runs for every one.
    std::uint8_t chunk[256];
    qint64 count = 0;
    while ((count = port_.read(reinterpret_cast<char*>(chunk), sizeof chunk)) > 0) {
        const ByteView received(chunk, static_cast<std::size_t>(count));
        trace(TraceEvent::Received, received);
        input_.append(received);
    }
    if (!engine_.running()) {
        input_.discard();
        return;
    }
    if (auto reply = input_.takeReply()) apply(engine_.OnReceive(*reply));
}

// A port that vanished or stopped carrying bytes cannot answer a retransmission either: the
// session ends as failed at once instead of waiting out the reply timer.
void SerialSession::onError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError &&
        error != QSerialPort::WriteError)
        return;
    if (!isActive()) return;
    linkLost_ = true;
    if (!applying_) apply({});
}

void SerialSession::traceHeldBytes() {
    if (!port_.isOpen()) return;
    QByteArray queued = port_.readAll();
    const Frame held = TakeHeldBytes(port_);
    queued.append(reinterpret_cast<const char*>(held.data()), static_cast<qsizetype>(held.size()));
    if (queued.isEmpty()) return;
    const ByteView bytes(reinterpret_cast<const std::uint8_t*>(queued.constData()),
                         static_cast<std::size_t>(queued.size()));
    trace(TraceEvent::Received, bytes);
    input_.append(bytes);
}

void SerialSession::trace(TraceEvent event, ByteView bytes) {
    if (!trace_.recording()) return;
    trace_.Add(event, bytes, engine_.ReadStep() + engine_.WriteStep(), engine_.RetryCount());
}

void SerialSession::keepTrace(const SessionOutcome& outcome) {
    if (!trace_.recording()) return;
    trace_.End(outcome);
    const auto kept = KeepTrace(ToPath(traceFolder_), trace_);
    if (kept && holdPort_) jobTraces_.push_back(*kept);
}

}  // namespace kv
