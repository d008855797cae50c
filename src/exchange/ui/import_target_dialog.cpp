// The import group window.
#include "exchange/ui/import_target_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "exchange/ui/exchange_texts.h"
#include "exchange/ui/group_picker.h"
#include "exchange/ui/ok_cancel_buttons.h"
#include "gui/qt_text.h"

namespace kv {

ImportTargetDialog::ImportTargetDialog(const RadioData& data, const CodePage& codePage,
                                       int language, QWidget* parent)
    : QDialog(parent) {
    const ExchangeTextTable& texts = ExchangeTexts();
    setObjectName(QStringLiteral("ImportTargetDialog"));
    setWindowTitle(Text(texts.TargetCaption, language));
    auto* prompt = new QLabel(Text(texts.TargetPrompt, language), this);
    prompt->setWordWrap(true);
    auto* form = new QFormLayout;
    picker_ = new GroupPicker(data, codePage, language, *form, this);
    QDialogButtonBox* buttons = OkCancelButtons(*this, language);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

ImportTarget ImportTargetDialog::Target() const {
    return picker_->Target();
}

std::optional<ImportTarget> ChooseImportTarget(QWidget* parent, const RadioData& data,
                                               const CodePage& codePage, int language) {
    ImportTargetDialog dialog(data, codePage, language, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Target();
}

}  // namespace kv
