// The find window.
#include "exchange/ui/find_window.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shared_messages.h"
#include "exchange/document_find.h"
#include "exchange/ui/difference_place.h"
#include "gui/document_editor.h"
#include "gui/editor_host.h"
#include "gui/qt_text.h"
#include "gui/shell_context.h"

namespace kv {
namespace {

struct FindTexts {
    TextPair Caption{"Find", "查找"};
    TextPair Label{"Fi&nd:", "查找内容(&N)："};
    TextPair Button{"&Find", "查找(&F)"};
    TextPair Hint{
        "A frequency in MHz (28.5), a range (28.3-28.5) or a value as the windows show "
        "it (CW, C_012, EU).",
        "以 MHz 为单位的频率（28.5）、频率范围（28.3-28.5）或窗口中显示的值（CW、C_012、EU）。"};
};

const FindTexts& Texts() {
    static const FindTexts texts;
    return texts;
}

}  // namespace

FindWindow::FindWindow(ShellContext& context, EditorHost& host, QWidget* parent)
    : QDialog(parent), context_(context), host_(host) {
    setObjectName(QStringLiteral("FindWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    findLabel_ = new QLabel(this);
    entry_ = new QLineEdit(this);
    entry_->setObjectName(QStringLiteral("FindText"));
    findLabel_->setBuddy(entry_);
    auto* find = new QPushButton(this);
    find->setObjectName(QStringLiteral("FindButton"));
    find->setDefault(true);
    hint_ = new QLabel(this);
    hint_->setWordWrap(true);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("FindSummary"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("HitList"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("CommandClose"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addWidget(findLabel_);
    row->addWidget(entry_, 1);
    row->addWidget(find);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(hint_);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);

    connect(find, &QPushButton::clicked, this, &FindWindow::Search);
    connect(entry_, &QLineEdit::returnPressed, this, &FindWindow::Search);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowHit(list_->row(item)); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    // The hits follow the document: an edit, undo or redo searches again.
    connect(&host_.Editor(), &DocumentEditor::edited, this, [this] {
        if (searched_.isEmpty()) return;
        const int current = list_->currentRow();
        run(searched_);
        if (current >= 0 && current < list_->count()) list_->setCurrentRow(current);
    });
    retranslate();
    resize(620, 420);
}

int FindWindow::language() const {
    return context_.State.CurrentLanguage;
}

void FindWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if ((event->type() == QEvent::ActivationChange || event->type() == QEvent::LanguageChange) &&
        shownLanguage_ != language()) {
        const int current = list_->currentRow();
        if (searched_.isEmpty())
            retranslate();
        else
            run(searched_);
        if (current >= 0 && current < list_->count()) list_->setCurrentRow(current);
    }
}

void FindWindow::retranslate() {
    const int lang = language();
    shownLanguage_ = lang;
    setWindowTitle(Text(Texts().Caption.in(lang)));
    findLabel_->setText(Text(Texts().Label.in(lang)));
    findChild<QPushButton*>(QStringLiteral("FindButton"))->setText(Text(Texts().Button.in(lang)));
    hint_->setText(Text(Texts().Hint.in(lang)));
    findChild<QPushButton*>(QStringLiteral("CommandClose"))
        ->setText(Text(SharedMessages().CloseButton.in(lang)));
}

void FindWindow::Search() {
    // What is being typed in an editor takes part.
    host_.FinishEdits();
    run(entry_->text());
}

void FindWindow::run(const QString& entry) {
    retranslate();
    hits_.clear();
    list_->clear();
    searched_ = entry;
    const std::optional<FindQuery> query = ParseFindQuery(searched_.toStdString());
    if (!query) {
        summary_->clear();
        return;
    }
    hits_ = FindInDocument(context_.Doc, *query);
    const int lang = language();
    for (const Difference& hit : hits_) list_->addItem(Text(hit.Text.in(lang)));
    summary_->setText(Text(FindSummary(hits_.size()).in(lang)));
}

void FindWindow::ShowHit(int index) {
    if (index < 0 || index >= static_cast<int>(hits_.size())) return;
    list_->setCurrentRow(index);
    OpenDifferencePlace(host_, context_.Doc.Working, hits_[static_cast<std::size_t>(index)]);
}

void FindWindow::FindNext() {
    if (searched_.isEmpty() || searched_ != entry_->text()) Search();
    if (hits_.empty()) return;
    const int next = (list_->currentRow() + 1) % static_cast<int>(hits_.size());
    ShowHit(next);
}

void ConnectFindCommands(ShellContext& context, EditorHost& host) {
    auto* shown = new QPointer<FindWindow>;
    const auto window = [&context, &host, shown] {
        // Not a child of the main window, so that the window a hit opens can come in front.
        if (shown->isNull()) *shown = new FindWindow(context, host);
        return shown->data();
    };
    if (QAction* find = host.menuAction(QStringLiteral("mnuFind")))
        QObject::connect(find, &QAction::triggered, host.Widget(), [window] {
            FindWindow* w = window();
            w->show();
            w->raise();
            w->activateWindow();
            auto* entry = w->findChild<QLineEdit*>(QStringLiteral("FindText"));
            entry->setFocus();
            entry->selectAll();
        });
    if (QAction* next = host.menuAction(QStringLiteral("mnuFindNext")))
        QObject::connect(next, &QAction::triggered, host.Widget(), [window] {
            FindWindow* w = window();
            if (!w->isVisible()) w->show();
            w->FindNext();
        });
    QObject::connect(host.Widget(), &QObject::destroyed, [shown] {
        delete shown->data();
        delete shown;
    });
}

}  // namespace kv
