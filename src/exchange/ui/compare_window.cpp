// The comparison window.
#include "exchange/ui/compare_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shared_messages.h"
#include "exchange/import_texts.h"
#include "exchange/ui/difference_place.h"
#include "exchange/ui/exchange_texts.h"
#include "gui/editor_host.h"
#include "gui/qt_text.h"

namespace kv {

CompareWindow::CompareWindow(EditorHost& host, const Document& doc,
                             std::vector<Difference> differences, const std::string& otherName,
                             int language, QWidget* parent)
    : QDialog(parent), host_(host), doc_(doc), differences_(std::move(differences)) {
    const ExchangeTextTable& texts = ExchangeTexts();
    setObjectName(QStringLiteral("CompareWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(Text(texts.CompareCaption.in(language)));
    const TextPair summary =
        differences_.empty()
            ? FillText(texts.CompareEqual, {otherName})
            : FillText(texts.CompareSummary, {std::to_string(differences_.size()), otherName});
    auto* label = new QLabel(Text(summary.in(language)), this);
    label->setObjectName(QStringLiteral("CompareSummary"));
    label->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("DifferenceList"));
    for (const Difference& difference : differences_)
        list_->addItem(Text(difference.Text.in(language)));
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowDifference(list_->row(item)); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("CommandClose"));
    close->setText(Text(SharedMessages().CloseButton.in(language)));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(640, 420);
}

void CompareWindow::ShowDifference(int index) {
    if (index < 0 || index >= static_cast<int>(differences_.size())) return;
    OpenDifferencePlace(host_, doc_.Working, differences_[static_cast<std::size_t>(index)]);
}

}  // namespace kv
