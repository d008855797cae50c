// The radio commands of the main window.
#include "link/ui/radio_commands.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "app/main_window_tables.h"
#include "app/shared_messages.h"
#include "app/write_checks.h"
#include "codec/image_codec.h"
#include "gui/message_box.h"
#include "gui/session_host.h"
#include "gui/shell_context.h"
#include "link/port_numbering.h"
#include "link/radio_search.h"
#include "link/safety_texts.h"
#include "link/ui/find_radio_window.h"
#include "link/ui/port_window.h"
#include "link/ui/progress_window.h"
#include "link/ui/radio_bands_option.h"
#include "link/ui/safety_commands.h"
#include "link/ui/write_findings_window.h"
#include "link/ui/write_job_transfer.h"
#include "platform/port_list.h"
#include "platform/serial_port_open.h"
#include "platform/serial_session.h"
#include "platform/user_data_folder.h"

namespace kv {

RadioCommands::RadioCommands(ShellContext& context, SessionHost& main)
    : QObject(main.Widget()),
      context_(context),
      main_(main),
      image_(std::make_unique<MemoryImage>()) {
    setObjectName(QStringLiteral("RadioCommands"));
    session_ = std::make_unique<SerialSession>(*image_, context.Doc.Radio, context.Versions);
    session_->setVersionQuestion([this](const std::string& firmware, const TextPair& question) {
        return askVersionQuestion(firmware, question);
    });
    connect(session_.get(), &SerialSession::finished, this, &RadioCommands::onSessionFinished);
    session_->setTraceFolder(TraceFolder());
    safety_ = new SafetyCommands(context, main, this);
    writeJob_ = new WriteJobTransfer(*session_, *image_, *safety_, this);
    bands_ = new RadioBandsOption(context, main, this);

    timerWrite_ = new QTimer(this);
    timerWrite_->setObjectName(QStringLiteral("TimerWrite"));
    timerWrite_->setSingleShot(true);
    timerWrite_->setInterval(kTimerWriteMs);
    connect(timerWrite_, &QTimer::timeout, this, &RadioCommands::TimerWriteExpired);
}

RadioCommands::~RadioCommands() = default;

int RadioCommands::language() const {
    return context_.State.CurrentLanguage;
}

// ---- Commands ----------------------------------------------------------------------------------

void RadioCommands::ReadFromRadio() {
    if (session_->isActive()) return;
    if (!openLink(TransferKind::Read, true)) return;
    if (!confirm(SharedMessages().ReadConfirmation)) return;
    // The read replaces the document: unsaved changes are saved first, or kept by cancelling.
    if (!main_.ConfirmDiscardOrSave()) {
        cancelSession();
        return;
    }
    image_->clear();
    runSession(TransferKind::Read);
}

void RadioCommands::WriteToRadio() {
    if (session_->isActive() || writePending_) return;
    main_.FinishEdits();
    // The write proper waits until the events the edits raised have been handled.
    writePending_ = true;
    timerWrite_->start();
}

void RadioCommands::TimerWriteExpired() {
    timerWrite_->stop();
    // The write asks questions: they run from the event loop, not inside the timer's callback.
    QMetaObject::invokeMethod(this, &RadioCommands::writeDocument, Qt::QueuedConnection);
}

bool RadioCommands::acceptFindings() {
    const std::vector<WriteFinding> findings = CheckBeforeWriting(context_.Doc);
    if (findings.empty()) return true;
    return AskAboutWriteFindings(findings, language(), main_.fileChooser(), main_.Widget()) ==
           MessageAnswer::Ok;
}

void RadioCommands::writeDocument() {
    writePending_ = false;
    if (session_->isActive()) return;
    if (!acceptFindings()) return;
    const WriteJobOptions options = safety_->writeOptions();
    // With a backup first, the first session on the port is a read.
    if (!openLink(options.BackupFirst ? TransferKind::Read : TransferKind::Write)) return;
    if (!confirm(SharedMessages().WriteConfirmation)) return;
    image_->clear();
    EncodeImage(context_.Doc.Working, *image_, context_.Codec);
    // The port failed while the confirmation was open: the prepared session has ended already.
    if (!session_->isActive()) {
        runSession(TransferKind::Write);
        return;
    }
    endSession(
        writeJob_->Run(std::make_unique<WriteJob>(*image_, options), language(), main_.Widget()));
}

void RadioCommands::CommunicationPort() {
    PortWindow window(context_.State, context_.Settings, main_.Widget());
    const int before = context_.State.comPort;
    // The status bar names the port: chosen with OK, or found by Find the radio and kept even
    // when the window is then cancelled.
    if (window.exec() == QDialog::Accepted || context_.State.comPort != before)
        main_.Change_Language();
}

// ---- Steps -------------------------------------------------------------------------------------

bool RadioCommands::openLink(TransferKind kind, bool offerSearch) {
    outcome_.reset();
    const int number = context_.State.comPort;
    std::optional<TextPair> failure;
    if (number == 0) {
        failure = PortOpenMessage(PortOpenFailure::NoPortChosen, {});
    } else {
        const QString name = QString::fromStdString(PortName(number));
        const ResolvedPort port = ResolvePortName(name, context_.Settings.writePath());
        failure = port.path.isEmpty() ? PortOpenMessage(PortOpenFailure::NotFound, name)
                                      : session_->OpenLink(kind, port.path);
    }
    if (!failure) return true;
    if (!offerSearch) {
        ShowMessage(main_.Widget(), language(), *failure, MessageButtons::Ok,
                    MessageIcon::Critical);
        return false;
    }
    // The offer says what the search sends, so Yes is the consent.
    if (ShowMessage(main_.Widget(), language(), FindRadioOffer(*failure), MessageButtons::YesNo,
                    MessageIcon::Critical) != MessageAnswer::Yes)
        return false;
    if (!FindTheRadio(main_.Widget(), context_.State, context_.Settings, false, scan_,
                      probeReplyTime_, false))
        return false;
    // The status bar names the port found.
    main_.Change_Language();
    return openLink(kind);
}

bool RadioCommands::confirm(const TextPair& question) {
    if (ShowMessage(main_.Widget(), language(), question, MessageButtons::OkCancel,
                    MessageIcon::Question) == MessageAnswer::Ok)
        return true;
    cancelSession();
    return false;
}

void RadioCommands::cancelSession() {
    if (session_->isActive())
        session_->abandon();
    else if (outcome_)
        endSession(*outcome_);  // the port failed while the question was open: say so
}

void RadioCommands::runSession(TransferKind kind) {
    if (session_->isActive()) transfer(kind);
    endSession(outcome_.value_or(SessionOutcome{kind, SessionResult::Failed, {}, {}}));
}

void RadioCommands::transfer(TransferKind kind) {
    ProgressWindow window(kind, language(), main_.Widget());
    progress_ = &window;
    connect(session_.get(), &SerialSession::progress, &window, &ProgressWindow::ShowPercent);
    connect(&window, &ProgressWindow::stopRequested, session_.get(), &SerialSession::stop);
    // The handshake starts from within the window's own event loop, so that a session that ends
    // at once still finds the window running and closes it.
    QTimer::singleShot(0, &window, [this, &window] {
        session_->start();
        if (!session_->isActive()) window.SessionEnded();
    });
    window.exec();
    progress_ = nullptr;
    // The loop also ends when the application quits; the session must not outlive the window.
    if (session_->isActive()) session_->abandon();
}

void RadioCommands::onSessionFinished(const SessionOutcome& outcome) {
    outcome_ = outcome;
    bands_->RememberRadio();
    if (progress_) progress_->SessionEnded();
}

bool RadioCommands::askVersionQuestion(const std::string& firmware, const TextPair& question) {
    QWidget* parent = progress_ ? static_cast<QWidget*>(progress_.data()) : main_.Widget();
    if (ShowMessage(parent, language(), question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    if (!main_.PrepareHandOver(firmware)) return false;
    handOverVersion_ = firmware;
    return true;
}

void RadioCommands::endSession(const SessionOutcome& outcome) {
    // The port is closed by now, so the other version finds it free.
    if (outcome.Result == SessionResult::HandedOver) {
        main_.StartHandOver(handOverVersion_);
        return;
    }
    for (const TextPair& message : outcome.PendingMessages)
        ShowMessage(main_.Widget(), language(), message);
    if (!outcome.succeeded()) return;
    if (outcome.Kind == TransferKind::Read) completeRead();
    ShowMessage(main_.Widget(), language(), outcome.Completion);
}

void RadioCommands::completeRead() {
    if (const std::optional<TextPair> failure = safety_->keepBackup(*image_, BackupKind::Read)) {
        const TextPair& head = SafetyTexts().BackupNotKept;
        ShowMessage(main_.Widget(), language(),
                    {head.en + "\n" + failure->en, head.zh + "\n" + failure->zh});
    }
    main_.ShowRadioData(*image_);
}

}  // namespace kv
