// The radio commands of the main window: Read from Radio, Write to Radio and the communication
// port window. A command resolves `comPort` to a device, asks for confirmation, runs the session
// under the modal progress window and, once the session has ended, shows its messages and, after
// a read, makes the radio's data the untitled document. A session that ended while a question
// was still open (the port failed) gets no progress window: its outcome is shown at once.
//
// Write lets every open editor store what is still being typed (EditorHost::FinishEdits) before
// anything is encoded.
#pragma once

#include <QObject>
#include <QPointer>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "gui/link_commands.h"
#include "link/session_actions.h"
#include "model/memory_image.h"
#include "platform/port_list.h"
#include "platform/radio_finder.h"

class QTimer;

namespace kv {

class SessionHost;
class ProgressWindow;
class RadioBandsOption;
class SafetyCommands;
class SerialSession;
class WriteJobTransfer;
struct ShellContext;

inline constexpr int kTimerWriteMs = 200;

class RadioCommands : public QObject, public LinkCommands {
    Q_OBJECT
public:
    // Lives as a child of `main`.
    RadioCommands(ShellContext& context, SessionHost& main);
    ~RadioCommands() override;

    void ReadFromRadio() override;
    // Lets the editors finish their edits and starts `TimerWrite`; the write proper runs when
    // it fires.
    void WriteToRadio() override;
    void CommunicationPort() override;

    const SerialSession& session() const { return *session_; }
    // Finding the radio after a read could not open its port searches the ports `scan` lists,
    // waiting `replyTime` for each reply; tests give their own.
    void setRadioSearch(PortScan scan, std::chrono::milliseconds replyTime) {
        scan_ = std::move(scan);
        probeReplyTime_ = replyTime;
    }

private:
    // Hands the write to the event loop.
    void TimerWriteExpired();
    // The write proper: the check before writing, the port, the confirmation, then the job: the
    // backup read and the verify read that the Setup menu asks for surround the write session on
    // the same port opening.
    void writeDocument();
    // Lists what the check before writing finds; true when there is nothing or the user goes on.
    bool acceptFindings();
    // Opens the port `comPort` names for a session of `kind`; shows why not and returns false.
    // With `offerSearch` (the read command), a port that cannot be used leads to the offer to
    // find the radio; when it is found, the link opens on its port.
    bool openLink(TransferKind kind, bool offerSearch = false);
    // The confirmation; on Cancel the prepared session ends and the port closes.
    bool confirm(const TextPair& question);
    // The user cancelled before the transfer: the prepared session ends without a word, or, when
    // it has ended already because the port failed, its messages are shown.
    void cancelSession();
    // Runs the confirmed session under the progress window, when it still runs, then shows how
    // it ended.
    void runSession(TransferKind kind);
    // Runs the session under the progress window; returns when it has ended.
    void transfer(TransferKind kind);
    void onSessionFinished(const SessionOutcome& outcome);
    // The common end once the progress window has closed: messages, read completion, completion
    // message, or the hand-over.
    void endSession(const SessionOutcome& outcome);
    void completeRead();
    // Yes to the version question, with unsaved changes dealt with and the other version
    // installed; it starts once the session has closed the port.
    bool askVersionQuestion(const std::string& firmware, const TextPair& question);
    int language() const;

    ShellContext& context_;
    SessionHost& main_;
    std::unique_ptr<MemoryImage> image_;
    std::unique_ptr<SerialSession> session_;  // refers to image_, so it goes first
    QTimer* timerWrite_;
    bool writePending_ = false;  // from Write until the write proper starts
    QPointer<ProgressWindow> progress_;
    std::optional<SessionOutcome> outcome_;  // of the last session, once it has ended
    std::string handOverVersion_;            // the firmware the user chose to hand over for
    SafetyCommands* safety_;                 // backups and the write options
    WriteJobTransfer* writeJob_;             // a write with its backup and verify reads
    RadioBandsOption* bands_;                // the HF and 10 m bands flag, kept between runs
    PortScan scan_ = SystemSerialPorts;
    std::chrono::milliseconds probeReplyTime_ = kProbeReplyTime;
};

}  // namespace kv
