// The import preview window.
#include "exchange/ui/import_preview_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "exchange/import_texts.h"
#include "exchange/ui/exchange_texts.h"
#include "exchange/ui/ok_cancel_buttons.h"
#include "exchange/utf8_text.h"
#include "gui/qt_text.h"
#include "model/group_arrays.h"

namespace kv {
namespace {

std::string Place(const ImportedChannel& channel, int language) {
    const ExchangeTextTable& texts = ExchangeTexts();
    if (channel.Memory)
        return FillText(texts.PlaceMemory, {std::to_string(channel.ChNo)}).in(language);
    return FillText(texts.PlaceChannel, {BandName(channel.Band), std::to_string(channel.Group),
                                         std::to_string(channel.ChNo)})
        .in(language);
}

QLabel* Heading(const TextPair& text, int language, QWidget* parent) {
    auto* label = new QLabel(Text(text.in(language)), parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

ImportPreviewDialog::ImportPreviewDialog(const ImportPreview& preview, std::int32_t documentOffset,
                                         const CodePage& codePage, int language, QWidget* parent)
    : QDialog(parent) {
    const ExchangeTextTable& texts = ExchangeTexts();
    setObjectName(QStringLiteral("ImportPreviewDialog"));
    setWindowTitle(Text(texts.PreviewCaption.in(language)));
    auto* layout = new QVBoxLayout(this);

    auto* changes = new QTreeWidget(this);
    changes->setObjectName(QStringLiteral("PreviewChannels"));
    changes->setRootIsDecorated(false);
    changes->setHeaderLabels({Text(texts.ColumnLine.in(language)),
                              Text(texts.ColumnPlace.in(language)),
                              Text(texts.ColumnWhat.in(language))});
    for (const ImportedChannel& channel : preview.Channels)
        new QTreeWidgetItem(
            changes,
            {QString::number(channel.Line), Text(Place(channel, language)),
             Text((channel.Replaces ? texts.PreviewReplaced : texts.PreviewAdded).in(language))});
    for (const GroupNameChange& name : preview.Names) {
        std::string what = FillText(texts.GroupNameSet, {ToUtf8(codePage, name.Name)}).in(language);
        if (!name.Cut.empty()) {
            const bool chinese = language == kLanguageChinese;
            what += (chinese ? "（" : " (") +
                    GroupNameCutText(name.Cut, name.Name.size()).in(language) +
                    (chinese ? "）" : ")");
        }
        new QTreeWidgetItem(
            changes,
            {QString(), Text(std::string(BandName(name.Band)) + " " + std::to_string(name.Group)),
             Text(what)});
    }
    changes->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(
        Heading(FillText(texts.PreviewChannels, {std::to_string(preview.Channels.size())}),
                language, this));
    layout->addWidget(changes, 2);

    auto* refused = new QListWidget(this);
    refused->setObjectName(QStringLiteral("PreviewRefused"));
    for (const RefusedLine& line : preview.Refused)
        refused->addItem(Text(RefusedLineText(line, language)));
    layout->addWidget(Heading(
        FillText(texts.PreviewRefused, {std::to_string(preview.Refused.size())}), language, this));
    layout->addWidget(refused, 1);

    if (!preview.Notes.empty()) {
        auto* notes = new QListWidget(this);
        notes->setObjectName(QStringLiteral("PreviewNotes"));
        for (const RefusedLine& line : preview.Notes)
            notes->addItem(Text(RefusedLineText(line, language)));
        layout->addWidget(Heading(
            FillText(texts.PreviewNotes, {std::to_string(preview.Notes.size())}), language, this));
        layout->addWidget(notes, 1);
    }

    if (preview.Format == ImportFormat::Common) {
        auto* numbering =
            new QLabel(Text(NumberingText(preview.CountedFromZero).in(language)), this);
        numbering->setObjectName(QStringLiteral("PreviewNumbering"));
        layout->addWidget(numbering);
    }

    if (!preview.DroppedFields.empty()) {
        QStringList fields;
        for (const std::string& field : preview.DroppedFields)
            fields << Text(ShortenedValue(field));
        auto* dropped = new QLabel(fields.join(QStringLiteral(", ")), this);
        dropped->setObjectName(QStringLiteral("PreviewDropped"));
        dropped->setWordWrap(true);
        layout->addWidget(Heading(texts.PreviewDropped, language, this));
        layout->addWidget(dropped);
    }

    QDialogButtonBox* buttons = OkCancelButtons(*this, language);
    if (const std::optional<TextPair> note = RepeaterOffsetNote(preview, documentOffset)) {
        auto* offset = Heading(*note, language, this);
        offset->setObjectName(QStringLiteral("PreviewRepeaterOffset"));
        layout->addWidget(offset);
        // Taking the offer, or going back on it, makes the preview again.
        const auto offer = [&](const TextPair& caption, const char* name, int result) {
            QPushButton* button =
                buttons->addButton(Text(caption.in(language)), QDialogButtonBox::ActionRole);
            button->setObjectName(QString::fromLatin1(name));
            connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        };
        if (preview.RepeaterOffset)
            offer(KeepOffsetCaption(documentOffset), "PreviewKeepRepeaterOffset", kKeepOffset);
        else if (preview.OffsetOffer && preview.OffsetOffer->Settable)
            offer(TakeOffsetCaption(preview.OffsetOffer->Offset), "PreviewTakeRepeaterOffset",
                  kTakeOffset);
    }
    if (preview.Channels.empty() && preview.Names.empty()) {
        layout->addWidget(Heading(texts.PreviewNothing, language, this));
        buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    }
    layout->addWidget(buttons);
    resize(560, 480);
}

PreviewAnswer ShowImportPreview(QWidget* parent, const ImportPreview& preview,
                                std::int32_t documentOffset, const CodePage& codePage,
                                int language) {
    ImportPreviewDialog dialog(preview, documentOffset, codePage, language, parent);
    switch (dialog.exec()) {
        case QDialog::Accepted:
            return PreviewAnswer::Import;
        case ImportPreviewDialog::kTakeOffset:
            return PreviewAnswer::TakeOffset;
        case ImportPreviewDialog::kKeepOffset:
            return PreviewAnswer::KeepOffset;
        default:
            return PreviewAnswer::Cancel;
    }
}

}  // namespace kv
