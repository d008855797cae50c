// The progress window.
#include "link/ui/progress_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shared_messages.h"
#include "app/twips.h"
#include "gui/message_box.h"
#include "gui/qt_text.h"
#include "link/link_window_texts.h"

namespace kv {
namespace {

// The label ends this far left of the percentage label.
constexpr int kLabelGapTwips = 10;

}  // namespace

ProgressWindow::ProgressWindow(TransferKind kind, int language, QWidget* parent)
    : QDialog(parent), language_(language) {
    setObjectName(QStringLiteral("ProgressForm"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(Text(ProgressCaption(kind), language));

    phase_ = new QLabel(this);
    phase_->setObjectName(QStringLiteral("Label3"));
    phase_->setAlignment(Qt::AlignCenter);
    phase_->hide();
    label_ = new QLabel(Text(LinkWindowTexts().ProgressLabel, language), this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    percent_ = new QLabel(QString::fromStdString(PercentText(0)), this);
    percent_->setObjectName(QStringLiteral("Label2"));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);

    auto* row = new QHBoxLayout;
    row->setSpacing(TwipsToPixels(kLabelGapTwips, logicalDpiX()));
    row->addStretch();
    row->addWidget(label_);
    row->addWidget(percent_);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(phase_);
    layout->addLayout(row);
    layout->addWidget(bar_);
    // A read changes nothing until it has ended, so it may be cancelled like closing the window;
    // a write offers no button that would leave the radio half written.
    if (kind == TransferKind::Read) {
        auto* cancel = new QPushButton(Text(SharedMessages().CancelButton, language), this);
        cancel->setObjectName(QStringLiteral("CommandCancel"));
        cancel->setAutoDefault(false);
        connect(cancel, &QPushButton::clicked, this, &ProgressWindow::reject);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(cancel);
        layout->addLayout(buttons);
    }
    setMinimumWidth(360);
}

void ProgressWindow::SetProgressValue(int value) {
    if (value < bar_->minimum() || value > bar_->maximum()) {
        ShowMessage(this, language_, LinkWindowTexts().SetProgressValueError);
        return;
    }
    bar_->setValue(value);
}

void ProgressWindow::ShowPercent(int percent) {
    if (!isVisible()) return;
    SetProgressValue(percent);
    percent_->setText(QString::fromStdString(PercentText(percent)));
}

void ProgressWindow::ShowPhase(const TextPair& phase) {
    phase_->setText(Text(phase, language_));
    phase_->show();
}

void ProgressWindow::SessionEnded() {
    ended_ = true;
    // The stop question asked from reject(): the transfer it is about is over.
    for (QMessageBox* box : findChildren<QMessageBox*>()) box->done(QMessageBox::NoButton);
    done(QDialog::Accepted);
}

void ProgressWindow::reject() {
    if (ended_) {
        QDialog::reject();
        return;
    }
    if (stopRequested_) return;
    if (ShowMessage(this, language_, LinkWindowTexts().AbandonQuestion, MessageButtons::YesNo,
                    MessageIcon::Question) != MessageAnswer::Yes ||
        ended_)
        return;
    stopRequested_ = true;
    emit stopRequested();
}

}  // namespace kv
