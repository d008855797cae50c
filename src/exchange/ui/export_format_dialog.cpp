// The export format window.
#include "exchange/ui/export_format_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "exchange/ui/exchange_texts.h"
#include "exchange/ui/group_picker.h"
#include "exchange/ui/ok_cancel_buttons.h"
#include "gui/qt_text.h"

namespace kv {

ExportFormatDialog::ExportFormatDialog(const RadioData& data, const CodePage& codePage,
                                       int language, QWidget* parent)
    : QDialog(parent) {
    const ExchangeTextTable& texts = ExchangeTexts();
    setObjectName(QStringLiteral("ExportFormatDialog"));
    setWindowTitle(Text(texts.ExportCaption, language));
    auto* own = new QRadioButton(Text(texts.ExportOwn, language), this);
    own->setObjectName(QStringLiteral("ExportOwnFormat"));
    own->setChecked(true);
    common_ = new QRadioButton(Text(texts.ExportCommon, language), this);
    common_->setObjectName(QStringLiteral("ExportCommonFormat"));
    auto* form = new QFormLayout;
    form->setContentsMargins(24, 0, 0, 0);
    picker_ = new GroupPicker(data, codePage, language, *form, this);
    picker_->setEnabled(false);
    connect(common_, &QRadioButton::toggled, picker_, &GroupPicker::setEnabled);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(own);
    layout->addWidget(common_);
    layout->addLayout(form);
    layout->addWidget(OkCancelButtons(*this, language));
    setMinimumWidth(460);
}

ExportChoice ExportFormatDialog::Choice() const {
    return {common_->isChecked(), picker_->Target()};
}

std::optional<ExportChoice> ChooseExportFormat(QWidget* parent, const RadioData& data,
                                               const CodePage& codePage, int language) {
    ExportFormatDialog dialog(data, codePage, language, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}

}  // namespace kv
