// Runs one programming session at a time over a serial port: connects the protocol engine to a
// QSerialPort and to the reply timer `WaitTimer`, keeps the receive threshold (the line's own,
// where the device has one, and a buffer of its own besides), and reports progress and the end
// of the session as signals. Everything runs on the thread that owns the
// object, driven by its event loop.
#pragma once

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/version_table.h"
#include "link/protocol_engine.h"
#include "link/receive_buffer.h"
#include "link/session_actions.h"
#include "link/session_trace.h"
#include "model/memory_image.h"
#include "model/radio_facts.h"
#include "model/text_pair.h"

namespace kv {

inline constexpr std::chrono::milliseconds kReplyInterval{1000};

class SerialSession : public QObject {
    Q_OBJECT
public:
    // Asked when the radio's firmware is not listed with this program's version, from the event
    // loop once the handler that received the identification has returned; no timer runs while
    // it is open. Returns true when the user chose to hand over to the fitting program version
    // and that version exists; the session then ends as HandedOver (port closed, no end request)
    // and the caller starts the other version. The default answer is No.
    using VersionQuestion = std::function<bool(const std::string& firmware, const TextPair& text)>;

    SerialSession(MemoryImage& image, RadioFacts& radio, const VersionTable& versions,
                  QObject* parent = nullptr);
    ~SerialSession() override;

    void setReplyInterval(std::chrono::milliseconds interval);
    void setVersionQuestion(VersionQuestion question);

    // Prepares a session of `kind` and opens `devicePath`. Empty on success; otherwise the
    // two-line message to show, and no session exists.
    std::optional<TextPair> OpenLink(TransferKind kind, const QString& devicePath);
    // Prepares the next session of a job on the port a held session left open (see holdPort).
    // Empty on success; otherwise why not (the port is gone), and no session exists.
    std::optional<TextPair> ContinueLink(TransferKind kind);
    // While held, the end of a session leaves the port open for the next session of a job, and
    // the traces of the job's sessions are remembered for AppendToJobTraces.
    void holdPort(bool hold);
    // Ends the hold and closes the port unless a session runs on it.
    void releasePort();
    // Keeps a trace of every session as a text file in `folder`; an empty folder keeps none.
    void setTraceFolder(const QString& folder) { traceFolder_ = folder; }
    // What the next session is for, as its trace names it ("verify read"); the one after it is
    // named after its kind again.
    void setTracePhase(std::string phase) { tracePhase_ = std::move(phase); }
    // Adds `text` to the traces of the sessions run since the port was held: what became of the
    // job, known only after its last session.
    void AppendToJobTraces(const std::string& text);
    // Starts the handshake once the user has confirmed; a read clears the image first.
    void start();
    // The user stopped the transfer: the end request goes out once and the session ends as
    // failed when it is answered or its reply timer expires (at once before the handshake).
    void stop();
    // Ends the session as failed at once: the user cancelled at the confirmation, or the program
    // is closing.
    void abandon();

    bool isActive() const { return engine_.SessionKind() != TransferKind::Idle; }
    bool isPortOpen() const { return port_.isOpen(); }
    const ProtocolEngine& engine() const { return engine_; }

signals:
    void progress(int percent);
    void finished(const kv::SessionOutcome& outcome);

private:
    void apply(SessionActions actions);
    void carryOut(SessionAction& action);
    bool transmit(const SendFrame& frame);
    void traceHeldBytes();
    void trace(TraceEvent event, ByteView bytes);
    void keepTrace(const SessionOutcome& outcome);
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    void askVersionQuestion(const AskVersionQuestion& ask);

    ProtocolEngine engine_;
    QSerialPort port_;
    QTimer waitTimer_;  // `WaitTimer`
    ReceiveBuffer input_;
    std::size_t lineThreshold_ = 0;  // the line's own threshold; 0 while unknown
    VersionQuestion versionQuestion_;
    bool applying_ = false;
    bool linkLost_ = false;
    bool holdPort_ = false;
    QString traceFolder_;
    std::string tracePhase_;
    SessionTrace trace_;
    std::vector<std::filesystem::path> jobTraces_;
};

}  // namespace kv
