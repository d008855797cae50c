// The exchange windows' buttons.
#include "exchange/ui/ok_cancel_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "gui/button_captions.h"

namespace kv {

QDialogButtonBox* OkCancelButtons(QDialog& dialog, int language) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("CommandOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CommandCancel"));
    ApplyButtonCaptions(buttons, language);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace kv
