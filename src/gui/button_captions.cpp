// Captions of a window's standard buttons.
#include "gui/button_captions.h"

#include <QAbstractButton>
#include <QWidget>

#include "app/shared_messages.h"

namespace kv {

void ApplyButtonCaptions(QWidget* window, int language) {
    const SharedMessageTable& texts = SharedMessages();
    const struct {
        const char* Name;
        const TextPair& Caption;
    } buttons[] = {
        {"CommandOK", texts.OkButton},         {"Command1", texts.OkButton},
        {"CommandCancel", texts.CancelButton}, {"Command2", texts.CancelButton},
        {"CommandClose", texts.CloseButton},   {"CommandHelp", texts.HelpButton},
    };
    for (const auto& b : buttons)
        for (auto* button : window->findChildren<QAbstractButton*>(QString::fromLatin1(b.Name)))
            button->setText(QString::fromStdString(b.Caption.in(language)));
}

}  // namespace kv
