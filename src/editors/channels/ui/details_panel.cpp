// The details panel.
#include "editors/channels/ui/details_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <algorithm>
#include <optional>

#include "gui/pick_list.h"
#include "gui/qt_text.h"

namespace kv {
namespace {

bool IsNumberList(DetailList list) {
    return list == DetailList::RogerTones || list == DetailList::DtmfCodes;
}

}  // namespace

DetailsPanel::DetailsPanel(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("FrameDetails"));
    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(2);
    std::map<int, QLabel*> rowLabels;
    for (const DetailBox& desc : DetailBoxes()) {
        QLabel*& label = rowLabels[desc.row];
        if (label == nullptr) {
            label = new QLabel(this);
            label->setObjectName(QStringLiteral("Label8_%1").arg(desc.box));
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            layout->addWidget(label, desc.row - 1, 0);
        }
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("Combo8_%1").arg(desc.box));
        // Sized once: measuring 104 entries on every refill would slow every row change.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(14);
        layout->addWidget(combo, desc.row - 1, 1);
        if (desc.list == DetailList::CtcssTones)
            for (const std::string& entry : CtcssToneEntries()) combo->addItem(Text(entry));
        if (desc.list == DetailList::DcsCodes)
            for (const std::string& entry : DcsCodeEntries()) combo->addItem(Text(entry));
        byBox_[desc.box] = rows_.size();
        rows_.push_back({&desc, label, combo});
        OnUserPick(combo, this, [this, combo, &desc](int index) {
            int value = index;
            if (IsNumberList(desc.list) || desc.list == DetailList::CbMemChannels)
                value = combo->itemData(index).toInt();
            emit boxChosen(desc.box, value);
        });
    }
    layout->setColumnStretch(1, 1);
    SetLanguage(kLanguageEnglish);
}

QComboBox* DetailsPanel::box(int box) const {
    const auto found = byBox_.find(box);
    return found == byBox_.end() ? nullptr : rows_[found->second].combo;
}

void DetailsPanel::SetLanguage(int language) {
    language_ = language;
    int widestLabel = 0;
    for (const Row& row : rows_) {
        row.label->setText(Text(row.desc->label.in(language)));
        widestLabel = std::max(widestLabel, row.label->sizeHint().width());
        if (row.desc->list != DetailList::Fixed) continue;
        const QSignalBlocker block(row.combo);
        row.combo->clear();
        for (const TextPair& entry : row.desc->entries)
            row.combo->addItem(Text(entry.in(language)));
        showValue(row);
    }
    // Room for the widest caption of any row, shown or not: the panel keeps its width when a CB
    // memory row brings its longer captions, so the grid beside it never loses its scroll bar.
    static_cast<QGridLayout*>(layout())->setColumnMinimumWidth(0, widestLabel);
    SetRogerTones(rogerTones_);
    SetDtmfCodes(dtmfCodes_);
}

void DetailsPanel::fillNumberList(const Row& row, const std::vector<int>& numbers) {
    const QSignalBlocker block(row.combo);
    row.combo->clear();
    row.combo->addItem(Text(DetailOffText().in(language_)), 0);
    for (int number : numbers) row.combo->addItem(QString::number(number), number);
    showValue(row);
}

void DetailsPanel::SetRogerTones(const std::vector<int>& tones) {
    rogerTones_ = tones;
    for (const Row& row : rows_)
        if (row.desc->list == DetailList::RogerTones) fillNumberList(row, tones);
}

void DetailsPanel::SetDtmfCodes(const std::vector<int>& codes) {
    dtmfCodes_ = codes;
    for (const Row& row : rows_)
        if (row.desc->list == DetailList::DtmfCodes) fillNumberList(row, codes);
}

void DetailsPanel::showValue(const Row& row) {
    if (row.mixed) {
        row.combo->setCurrentIndex(-1);
        return;
    }
    const bool byNumber =
        IsNumberList(row.desc->list) || row.desc->list == DetailList::CbMemChannels;
    const int value = row.value;
    int index = value >= 0 && value < EntryCount(row.combo) ? value : -1;
    if (byNumber) index = row.combo->findData(value);
    ShowPick(
        row.combo, index,
        row.desc->list == DetailList::CbMemChannels ? UnlistedKind::Channel : UnlistedKind::Value,
        value, language_);
}

void DetailsPanel::ShowRecord(const ChannelRecord& record, const DetailContext& context,
                              const QString& caption) {
    ShowRecords({{record, context.cbMemoryRow}}, context, caption);
}

void DetailsPanel::ShowRecords(const std::vector<ShownRecord>& records,
                               const DetailContext& context, const QString& caption) {
    setTitle(caption);
    std::map<int, bool> rowShown;
    for (Row& row : rows_) {
        showRow(row, records, context);
        rowShown[row.desc->row] = rowShown[row.desc->row] || row.combo->isVisibleTo(this);
    }
    for (const Row& row : rows_) row.label->setVisible(rowShown[row.desc->row]);
    applyPublic(std::all_of(records.begin(), records.end(),
                            [](const ShownRecord& shown) { return shown.record.PublicCh == 1; }));
}

void DetailsPanel::showRow(Row& row, const std::vector<ShownRecord>& records,
                           const DetailContext& context) {
    const QSignalBlocker block(row.combo);
    if (row.desc->list == DetailList::CbMemChannels && context.cbMemoryRow) {
        row.combo->clear();
        row.combo->addItem(Text(CbMemOffText().in(language_)), kCbMemEmpty);
        for (int chNo : context.cbMemChoices) row.combo->addItem(QString::number(chNo), chNo);
    }
    std::optional<int> value;
    bool someWithout = false;
    row.mixed = false;
    for (const ShownRecord& shown : records) {
        if (!DetailBoxShown(*row.desc, context.band, context.memGroup, shown.cbMemoryRow,
                            context.group, shown.record)) {
            someWithout = true;
            continue;
        }
        const int own = shown.record.*(row.desc->field);
        if (value && *value != own) row.mixed = true;
        if (!value) value = own;
    }
    // A box some of the channels do not have (a DCS code beside CTCSS channels) differs too: one
    // channel's value would pass for the selection's.
    if (value && someWithout) row.mixed = true;
    row.value = value.value_or(records.empty() ? 0 : records.front().record.*(row.desc->field));
    showValue(row);
    row.combo->setVisible(value.has_value());
}

void DetailsPanel::applyPublic(bool publicOn) {
    for (const Row& row : rows_) {
        switch (row.desc->publicRule) {
            case DetailPublic::Independent:
                break;
            case DetailPublic::Disabled:
                row.label->setEnabled(!publicOn);
                row.combo->setEnabled(!publicOn);
                break;
            case DetailPublic::LabelGreyed:
                row.label->setEnabled(!publicOn);
                break;
        }
    }
}

}  // namespace kv
