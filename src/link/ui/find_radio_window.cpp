// The find-the-radio window and command.
#include "link/ui/find_radio_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/startup_settings.h"
#include "gui/message_box.h"
#include "gui/qt_text.h"
#include "link/radio_search.h"
#include "platform/settings_file.h"

namespace kv {
FindRadioWindow::FindRadioWindow(int language, std::vector<ListedPort> order, QWidget* parent)
    : QDialog(parent), language_(language), order_(std::move(order)) {
    setObjectName(QStringLiteral("frmFindRadio"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const FindRadioTextTable& texts = FindRadioTexts();
    setWindowTitle(Text(texts.WindowCaption, language));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("LabelTrying"));
    status_->setWordWrap(true);
    answers_ = new QListWidget(this);
    answers_->setObjectName(QStringLiteral("ListAnswers"));
    button_ = new QPushButton(Text(texts.CancelButton, language), this);
    button_->setObjectName(QStringLiteral("CommandCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(answers_, 1);
    layout->addWidget(button_, 0, Qt::AlignRight);
    setMinimumWidth(440);

    connect(button_, &QPushButton::clicked, this, &FindRadioWindow::reject);
    connect(&finder_, &RadioFinder::trying, this, &FindRadioWindow::showTrying);
    connect(&finder_, &RadioFinder::answered, this, &FindRadioWindow::showAnswer);
    connect(&finder_, &RadioFinder::finished, this, &FindRadioWindow::showEnd);
}

void FindRadioWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    if (order_.empty()) {
        status_->setText(Text(FindRadioTexts().NoCandidates, language_));
        button_->setText(Text(FindRadioTexts().CloseButton, language_));
        return;
    }
    finder_.Start(order_);
}

void FindRadioWindow::reject() {
    // Cancel stops the search and leaves the window with what was found so far; Close leaves.
    if (finder_.isRunning()) {
        finder_.Cancel();
        return;
    }
    QDialog::reject();
}

void FindRadioWindow::showTrying(int index) {
    status_->setText(Text(TryingText(order_[static_cast<std::size_t>(index)]), language_));
}

void FindRadioWindow::showAnswer(int index) {
    const auto i = static_cast<std::size_t>(index);
    answers_->addItem(Text(AnswerText(order_[i], finder_.answers()[i]), language_));
}

void FindRadioWindow::showEnd() {
    const FindRadioTextTable& texts = FindRadioTexts();
    // Found: the window's work is done and the port window shows the choice. Otherwise the
    // window stays with every port's reason until closed.
    if (foundPort()) {
        accept();
        return;
    }
    status_->setText(Text(finder_.cancelled() ? texts.Cancelled : texts.NotFound, language_));
    button_->setText(Text(texts.CloseButton, language_));
}

std::optional<ListedPort> FindRadioWindow::foundPort() const {
    if (finder_.isRunning() || finder_.foundIndex() < 0) return std::nullopt;
    return order_[static_cast<std::size_t>(finder_.foundIndex())];
}

std::optional<int> FindTheRadio(QWidget* parent, AppState& state, SettingsFile& settings,
                                bool includeBuiltIn, const PortScan& scan,
                                std::chrono::milliseconds replyTime, bool askConsent) {
    const int language = state.CurrentLanguage;
    if (askConsent &&
        ShowMessage(parent, language, FindRadioTexts().Consent, MessageButtons::OkCancel,
                    MessageIcon::Question) != MessageAnswer::Ok)
        return std::nullopt;
    const std::vector<ListedPort> listed =
        ListSerialPorts(settings.writePath(), state.comPort, scan);
    FindRadioWindow window(language, SearchOrder(listed, includeBuiltIn), parent);
    window.finder().setReplyTime(replyTime);
    window.exec();
    const std::optional<ListedPort> found = window.foundPort();
    if (!found) return std::nullopt;
    state.comPort = found->number;
    settings.write(QString::fromLatin1(kSettingsSection), QString::fromLatin1(kKeyComPort),
                   std::to_string(state.comPort));
    return found->number;
}

}  // namespace kv
