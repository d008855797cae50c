// The DTMF window.
#include "editors/tones/ui/dtmf_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/main_window_tables.h"
#include "app/twips.h"
#include "editors/tones/dtmf_rules.h"
#include "editors/tones/dtmf_texts.h"
#include "editors/tones/reference_count.h"
#include "editors/tones/tone_texts.h"
#include "gui/button_captions.h"
#include "gui/clipboard_keys.h"
#include "gui/document_editor.h"
#include "gui/editor_frame.h"
#include "gui/editor_host.h"
#include "gui/pick_list.h"
#include "gui/qt_text.h"
#include "gui/shell_context.h"

namespace kv {
namespace {

constexpr int kCodeColumn = 1;

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

DtmfWindow::DtmfWindow(ShellContext& context, EditorHost& main, QWidget* parent)
    : QWidget(parent), context_(context), main_(main) {
    setObjectName(QString::fromLatin1(kDtmfWindow));
    const int language = context_.State.CurrentLanguage;
    const DtmfWindowTexts& t = DtmfTexts();
    setWindowTitle(Text(t.Caption, language));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(buildEncodeTab(language), Text(t.EncodeTab, language));
    auto* decode = new QWidget(tabs_);
    decode->setObjectName(QStringLiteral("DecodeTab"));
    tabs_->addTab(decode, Text(t.DecodeTab, language));
    tabs_->setTabEnabled(1, false);
    tabs_->addTab(buildAutodialTab(language), Text(t.AutodialTab, language));

    auto* close = new QPushButton(this);
    close->setObjectName(QStringLiteral("CommandClose"));
    ApplyButtonCaptions(this, language);
    connect(close, &QPushButton::clicked, this, [this] {
        if (parentWidget() != nullptr)
            parentWidget()->close();
        else
            this->close();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    SetScrollingContent(this, tabs_, buttons);

    connect(&main_.Editor(), &DocumentEditor::edited, this, &DtmfWindow::onDocumentEdited);
    showValues();
}

QWidget* DtmfWindow::buildEncodeTab(int language) {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("EncodeTab"));
    auto* grid = new QGridLayout(page);
    // A caption's right edge lies 100 twips left of its list.
    grid->setHorizontalSpacing(TwipsToPixels(100, logicalDpiX()));
    int row = 0;
    for (const DtmfEncodeRow& r : DtmfEncodeRows()) {
        auto* label = new QLabel(Text(r.Caption, language), page);
        label->setObjectName(QStringLiteral("Label1_%1").arg(row));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* list = new QComboBox(page);
        list->setObjectName(QStringLiteral("Combo1_%1").arg(row));
        for (const TextPair& choice : r.Choices) list->addItem(Text(choice, language));
        grid->addWidget(label, row, 0);
        grid->addWidget(list, row, 1);
        const int at = row;
        OnUserPick(list, this, [this, at](int index) { encodeChosen(at, index); });
        encodeLists_.push_back(list);
        ++row;
    }
    display_ = new QCheckBox(Text(DtmfTexts().Display, language), page);
    display_->setObjectName(QStringLiteral("Check1"));
    connect(display_, &QCheckBox::clicked, this, &DtmfWindow::displayClicked);
    grid->addWidget(display_, row, 1);
    grid->setRowStretch(row + 1, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget* DtmfWindow::buildAutodialTab(int language) {
    const DtmfWindowTexts& t = DtmfTexts();
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("AutodialTab"));
    grid_ = new QTableWidget(kDtmfCodeCount + 1, 2, page);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(kCodeColumn, QHeaderView::Stretch);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setItem(0, 0, Cell(Text(t.NumberHeading, language)));
    grid_->setItem(0, kCodeColumn, Cell(Text(t.AutodialHeading, language)));
    QFont heading = grid_->font();
    heading.setBold(true);
    for (int column = 0; column < 2; ++column) {
        grid_->item(0, column)->setFont(heading);
        grid_->item(0, column)->setFlags(Qt::ItemIsEnabled);
    }
    for (int n = 1; n <= kDtmfCodeCount; ++n) {
        grid_->setItem(n, 0, Cell(QString::number(n)));
        grid_->setItem(n, kCodeColumn, Cell(QString()));
    }

    box_ = new QLineEdit(grid_->viewport());
    box_->setObjectName(QStringLiteral("Text1"));
    box_->setMaxLength(static_cast<int>(kDtmfCodeLength));
    box_->setAlignment(Qt::AlignCenter);
    box_->hide();
    KeepPastesOut(box_);
    box_->installEventFilter(this);
    connect(box_, &QLineEdit::editingFinished, this, [this] {
        commitBox();
        hideBox();
    });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column, int, int) {
        commitBox();
        hideBox();
        if (column == kCodeColumn) openBox(row);
    });
    // The current cell does not change on a click into it: the click opens the box as well.
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == kCodeColumn) openBox(row);
    });
    {
        const QSignalBlocker blocker(grid_);
        grid_->setCurrentCell(1, kCodeColumn);
    }

    // Every row in sight, and room for a whole code.
    grid_->setMinimumHeight((kDtmfCodeCount + 1) * grid_->verticalHeader()->defaultSectionSize() +
                            2 * grid_->frameWidth());
    grid_->setMinimumWidth(grid_->fontMetrics().horizontalAdvance(QString(24, QLatin1Char('8'))));

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid_);
    return page;
}

void DtmfWindow::showValues() {
    const RadioSettings& s = context_.Doc.settings();
    std::size_t i = 0;
    for (const DtmfEncodeRow& r : DtmfEncodeRows()) {
        QComboBox* list = encodeLists_[i++];
        const QSignalBlocker blocker(list);
        const int stored = s.DtmfParams[static_cast<std::size_t>(r.Param)];
        ShowPick(list, ListIndexFor(stored, static_cast<int>(r.Choices.size())),
                 UnlistedKind::Value, stored, context_.State.CurrentLanguage);
    }
    {
        const QSignalBlocker blocker(display_);
        display_->setChecked(s.DtmfParams[kDtmfDisplayParam] == 1);
    }
    for (int n = 1; n <= kDtmfCodeCount; ++n)
        grid_->item(n, kCodeColumn)->setText(QString::fromStdString(DtmfCodeText(s, n)));
}

void DtmfWindow::onDocumentEdited(const DocumentEdit& edit) {
    if (announcing_) return;
    if (edit.Section == EditSection::Dtmf || edit.Section == EditSection::Whole) showValues();
}

void DtmfWindow::announce() {
    announcing_ = true;
    main_.DocumentEdited(DocumentEdit{EditSection::Dtmf});
    announcing_ = false;
}

void DtmfWindow::encodeChosen(int row, int index) {
    const auto param =
        static_cast<std::size_t>(DtmfEncodeRows()[static_cast<std::size_t>(row)].Param);
    i16& stored = context_.Doc.settings().DtmfParams[param];
    if (stored == index) return;
    stored = static_cast<i16>(index);
    announce();
}

void DtmfWindow::displayClicked(bool checked) {
    i16& stored = context_.Doc.settings().DtmfParams[kDtmfDisplayParam];
    const i16 value = checked ? 1 : 0;
    if (stored == value) return;
    stored = value;
    announce();
}

void DtmfWindow::openBox(int row) {
    if (row < 1 || row > kDtmfCodeCount) return;
    if (!box_->isHidden() && currentCode_ == row) return;
    currentCode_ = row;
    QTableWidgetItem* cell = grid_->item(row, kCodeColumn);
    box_->setGeometry(grid_->visualItemRect(cell));
    box_->setText(cell->text());
    box_->show();
    box_->setFocus();
}

void DtmfWindow::hideBox() {
    // Hiding the focused box would hand the focus on as a Tab press, which moves the grid's
    // current cell away from the code being edited.
    if (box_->hasFocus()) grid_->setFocus(Qt::OtherFocusReason);
    box_->hide();
}

void DtmfWindow::nextCode() {
    // The typing goes on in the next code; the last code keeps the box, so that the focus never
    // drops to the Close button, where the next Space would close the window.
    if (currentCode_ >= kDtmfCodeCount) {
        box_->selectAll();
        return;
    }
    grid_->setCurrentCell(currentCode_ + 1, kCodeColumn);
}

void DtmfWindow::commitBox() {
    if (currentCode_ < 1 || box_->isHidden()) return;
    RadioData& data = context_.Doc.Working;
    const ReferenceCount used = CountDtmfReferences(data, currentCode_);
    const bool changed = SetDtmfCode(data, currentCode_, box_->text().toStdString());
    // The cell and the box show what was stored: characters a code cannot hold are gone.
    const QString stored = QString::fromStdString(DtmfCodeText(data.Config.Settings, currentCode_));
    grid_->item(currentCode_, kCodeColumn)->setText(stored);
    if (box_->text() != stored) box_->setText(stored);
    if (!changed) return;
    announce();
    if (stored.isEmpty() && !used.empty())
        main_.ShowStatusMessage(DtmfReferencesClearedText(currentCode_, used));
}

bool DtmfWindow::filterKey(QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        commitBox();
        nextCode();
        return true;
    }
    if (IsClipboardKey(*key)) return true;
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isPrint()) return false;  // Backspace, arrows and the like
    const char16_t typed = text[0].unicode();
    const char kept = typed > 127 ? 0 : DtmfKeyCharacter(static_cast<char>(typed));
    if (kept == 0) return true;
    if (kept != typed) {
        box_->insert(QString(QChar(kept)));
        return true;
    }
    return false;
}

bool DtmfWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::KeyPress &&
        filterKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void DtmfWindow::FinishEdit() {
    commitBox();
}

void DtmfWindow::closeEvent(QCloseEvent* event) {
    commitBox();
    QWidget::closeEvent(event);
}

QWidget* CreateDtmfWindow(ShellContext& context, EditorHost& main) {
    return new DtmfWindow(context, main);
}

}  // namespace kv
