// The progress window (ProgressForm): the modal window a read or a write runs under. It shows
// the completion percentage and, when the user closes it while the transfer runs, asks whether
// to stop the transfer; the session itself belongs to the radio commands. A question still open
// when the session ends closes by itself: the session's outcome stands.
#pragma once

#include <QDialog>

#include "link/session_actions.h"

class QLabel;
class QProgressBar;

namespace kv {

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    ProgressWindow(TransferKind kind, int language, QWidget* parent = nullptr);

    // Sets the bar (0 to 100). A value outside the bar's range leaves it as it was and says so;
    // the transfer goes on.
    void SetProgressValue(int value);
    // The session's progress step: the bar and the percentage label, only while shown.
    void ShowPercent(int percent);
    // Names what a job of several sessions is doing now ("Verifying the radio"); a single
    // session shows no phase.
    void ShowPhase(const TextPair& phase);
    // The session has ended (or never ran): closes the window, and an open stop question,
    // without asking.
    void SessionEnded();

signals:
    // The user closed the window and confirmed that the transfer is to stop. The window stays
    // open until the session has ended.
    void stopRequested();

protected:
    // Escape and the window frame's close button come here.
    void reject() override;

private:
    int language_;
    bool ended_ = false;
    bool stopRequested_ = false;
    QLabel* phase_;
    QLabel* label_;
    QLabel* percent_;
    QProgressBar* bar_;
};

}  // namespace kv
