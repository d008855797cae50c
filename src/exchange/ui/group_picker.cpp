// The band and group boxes.
#include "exchange/ui/group_picker.h"

#include <QComboBox>
#include <QFormLayout>
#include <algorithm>

#include "exchange/ui/exchange_texts.h"
#include "exchange/utf8_text.h"
#include "gui/qt_text.h"
#include "model/group_arrays.h"

namespace kv {
namespace {

constexpr int kTargetBands[] = {kBandHf, kBandHam};

}  // namespace

GroupPicker::GroupPicker(const RadioData& data, const CodePage& codePage, int language,
                         QFormLayout& form, QWidget* parent)
    : QObject(parent), data_(data), codePage_(codePage) {
    const ExchangeTextTable& texts = ExchangeTexts();
    bandBox_ = new QComboBox(parent);
    bandBox_->setObjectName(QStringLiteral("TargetBand"));
    for (const int band : kTargetBands) bandBox_->addItem(Text(BandName(band)), band);
    // The band the document works in comes first to mind.
    bandBox_->setCurrentIndex(std::max(0, bandBox_->findData(int{data.Config.BandMode})));
    groupBox_ = new QComboBox(parent);
    groupBox_->setObjectName(QStringLiteral("TargetGroup"));
    listGroups();
    connect(bandBox_, &QComboBox::currentIndexChanged, this, &GroupPicker::listGroups);
    form.addRow(Text(texts.TargetBand.in(language)), bandBox_);
    form.addRow(Text(texts.TargetGroup.in(language)), groupBox_);
}

void GroupPicker::listGroups() {
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

ImportTarget GroupPicker::Target() const {
    return {bandBox_->currentData().toInt(), groupBox_->currentData().toInt()};
}

void GroupPicker::setEnabled(bool enabled) {
    bandBox_->setEnabled(enabled);
    groupBox_->setEnabled(enabled);
}

}  // namespace kv
