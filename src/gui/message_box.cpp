// The message box function.
#include "gui/message_box.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "app/shared_messages.h"
#include "app/shell_texts.h"
#include "gui/message_answerer.h"

namespace kv {
namespace {

MessageAnswerer& Answerer() {
    static MessageAnswerer answerer;
    return answerer;
}

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// A short text makes a narrow box, and the title bar then cuts the program's name (most Chinese
// texts are short). The box keeps room for the title twice over, for the title bar's own larger
// font, plus its icon and buttons.
void KeepTitleWhole(QMessageBox& box) {
    constexpr int kTitleBarControls = 120;
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    const int width =
        2 * box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarControls;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void SetMessageAnswerer(MessageAnswerer answerer) {
    Answerer() = std::move(answerer);
}

std::optional<MessageAnswer> AnsweredByAnswerer(const MessageRequest& request) {
    if (!Answerer()) return std::nullopt;
    return Answerer()(request);
}

MessageAnswer ShowMessage(QWidget* parent, int language, const TextPair& text,
                          MessageButtons buttons, MessageIcon icon) {
    const std::string& shown = text.in(language);
    if (Answerer()) return Answerer()({text, shown, buttons, icon});

    QMessageBox box(ToQt(icon), QString::fromLatin1(kAppTitle), QString::fromStdString(shown),
                    QMessageBox::NoButton, parent);
    const auto add = [&](const TextPair& caption, QMessageBox::ButtonRole role) {
        return box.addButton(QString::fromStdString(caption.in(language)), role);
    };
    const SharedMessageTable& shared = SharedMessages();
    const ShellTextTable& shell = ShellTexts();
    QAbstractButton* ok = nullptr;
    QAbstractButton* cancel = nullptr;
    QAbstractButton* yes = nullptr;
    QAbstractButton* no = nullptr;
    switch (buttons) {
        case MessageButtons::Ok:
            ok = add(shared.OkButton, QMessageBox::AcceptRole);
            break;
        case MessageButtons::OkCancel:
            ok = add(shared.OkButton, QMessageBox::AcceptRole);
            cancel = add(shared.CancelButton, QMessageBox::RejectRole);
            break;
        case MessageButtons::YesNo:
            yes = add(shell.YesButton, QMessageBox::YesRole);
            no = add(shell.NoButton, QMessageBox::NoRole);
            break;
        case MessageButtons::YesNoCancel:
            yes = add(shell.YesButton, QMessageBox::YesRole);
            no = add(shell.NoButton, QMessageBox::NoRole);
            cancel = add(shared.CancelButton, QMessageBox::RejectRole);
            break;
    }
    box.setEscapeButton(cancel ? cancel : no ? no : ok);
    KeepTitleWhole(box);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked == nullptr) clicked = cancel ? cancel : no ? no : ok;
    if (clicked == yes) return MessageAnswer::Yes;
    if (clicked == no) return MessageAnswer::No;
    if (clicked == cancel) return MessageAnswer::Cancel;
    return MessageAnswer::Ok;
}

}  // namespace kv
