// The radio commands of the main window: Read from Radio, Write to Radio and the communication
// port window. A command resolves `comPort` to a device, asks for confirmation, runs the session
// under the modal progress window and, once the session has ended, shows its messages and, after
// a read, makes the radio's data the untitled document.
//
// Write lets every open editor store what is still being typed (MainWindow::FinishEdits) before
// anything is encoded.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "app/ui/link_commands.h"
#include "link/session_actions.h"
#include "model/memory_image.h"

class QTimer;

namespace kv {

class MainWindow;
class ProgressWindow;
class SerialSession;
struct ShellContext;

inline constexpr int kTimerWriteMs = 200;

class RadioCommands : public QObject, public LinkCommands {
    Q_OBJECT
public:
    // Lives as a child of `main`.
    RadioCommands(ShellContext& context, MainWindow& main);
    ~RadioCommands() override;

    void ReadFromRadio() override;
    // Lets the editors finish their edits and starts `TimerWrite`; the write proper runs when
    // it fires.
    void WriteToRadio() override;
    void CommunicationPort() override;

    const SerialSession& session() const { return *session_; }

private:
    void TimerWriteExpired();
    // Opens the port `comPort` names for a session of `kind`; shows why not and returns false.
    bool openLink(TransferKind kind);
    // The confirmation; on Cancel the prepared session ends and the port closes.
    bool confirm(const TextPair& question);
    // Runs the prepared session under the progress window; returns when it has ended.
    SessionOutcome transfer(TransferKind kind);
    void abandonTransfer();
    void onSessionFinished(const SessionOutcome& outcome);
    // The common end once the progress window has closed: messages, read completion, completion
    // message.
    void endSession(const SessionOutcome& outcome);
    void completeRead();
    bool askVersionQuestion(const std::string& firmware, const TextPair& question);
    int language() const;

    ShellContext& context_;
    MainWindow& main_;
    std::unique_ptr<MemoryImage> image_;
    std::unique_ptr<SerialSession> session_;  // refers to image_, so it goes first
    QTimer* timerWrite_;
    QPointer<ProgressWindow> progress_;
    std::optional<SessionOutcome> outcome_;
    bool abandonedAfterData_ = false;
};

}  // namespace kv
