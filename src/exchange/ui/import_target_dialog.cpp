// The import group window.
#include "exchange/ui/import_target_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "exchange/ui/exchange_texts.h"
#include "exchange/ui/ok_cancel_buttons.h"
#include "exchange/utf8_text.h"
#include "gui/qt_text.h"
#include "model/group_arrays.h"

namespace kv {
namespace {

constexpr int kTargetBands[] = {kBandHf, kBandHam};

}  // namespace

ImportTargetDialog::ImportTargetDialog(const RadioData& data, const CodePage& codePage,
                                       int language, QWidget* parent)
    : QDialog(parent), data_(data), codePage_(codePage) {
    const ExchangeTextTable& texts = ExchangeTexts();
    setObjectName(QStringLiteral("ImportTargetDialog"));
    setWindowTitle(Text(texts.TargetCaption.in(language)));
    bandBox_ = new QComboBox(this);
    bandBox_->setObjectName(QStringLiteral("TargetBand"));
    for (const int band : kTargetBands) bandBox_->addItem(Text(BandName(band)), band);
    // The band the document works in comes first to mind.
    bandBox_->setCurrentIndex(std::max(0, bandBox_->findData(int{data.Config.BandMode})));
    groupBox_ = new QComboBox(this);
    groupBox_->setObjectName(QStringLiteral("TargetGroup"));
    listGroups();
    connect(bandBox_, &QComboBox::currentIndexChanged, this, &ImportTargetDialog::listGroups);

    auto* prompt = new QLabel(Text(texts.TargetPrompt.in(language)), this);
    prompt->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(Text(texts.TargetBand.in(language)), bandBox_);
    form->addRow(Text(texts.TargetGroup.in(language)), groupBox_);
    QDialogButtonBox* buttons = OkCancelButtons(*this, language);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

void ImportTargetDialog::listGroups() {
    const int band = bandBox_->currentData().toInt();
    groupBox_->clear();
    for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
        QString label;
        if (IsMemGroup(band, group))
            label = QStringLiteral("MEM");
        else if (IsVfoGroup(band, group))
            label = QStringLiteral("VFO");
        else
            label = QString::number(group) + QStringLiteral("  ") +
                    Text(ToUtf8(codePage_, data_.Config.Settings.GroupName(band, group).trimmed()));
        groupBox_->addItem(label, group);
    }
}

ImportTarget ImportTargetDialog::Target() const {
    return {bandBox_->currentData().toInt(), groupBox_->currentData().toInt()};
}

std::optional<ImportTarget> ChooseImportTarget(QWidget* parent, const RadioData& data,
                                               const CodePage& codePage, int language) {
    ImportTargetDialog dialog(data, codePage, language, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Target();
}

}  // namespace kv
