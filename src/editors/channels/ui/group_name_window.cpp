// The group names window.
#include "editors/channels/ui/group_name_window.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "app/main_window_tables.h"
#include "app/twips.h"
#include "codec/shown_name.h"
#include "editors/channels/channel_window_texts.h"
#include "editors/channels/group_settings.h"
#include "editors/channels/ui/channel_editor_state.h"
#include "gui/button_captions.h"
#include "gui/clipboard_keys.h"
#include "gui/document_editor.h"
#include "gui/editor_host.h"
#include "gui/message_box.h"
#include "gui/shell_context.h"

namespace kv {
namespace {

constexpr int kNameColumn = 0;
constexpr int kRenameColumn = 2;

}  // namespace

GroupNameWindow::GroupNameWindow(ShellContext& context, EditorHost& main, QWidget* parent)
    : QWidget(parent), context_(context), main_(main) {
    setObjectName(QString::fromLatin1(kGroupNameWindow));
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    const auto px = [dpiX](int twips) { return TwipsToPixels(twips, dpiX); };
    const auto py = [dpiY](int twips) { return TwipsToPixels(twips, dpiY); };
    const int lang = language();
    setWindowTitle(QString::fromStdString(GroupNameWindowTexts().Caption.in(lang)));

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setGeometry(px(360), py(240), px(4695), py(4560));
    grid_->setColumnCount(3);
    QStringList headers;
    for (const std::string& header : GroupNameWindowTexts().Headers)
        headers << QString::fromStdString(header);
    grid_->setHorizontalHeaderLabels(headers);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setColumnWidth(0, px(1500));
    grid_->setColumnHidden(1, true);
    grid_->setColumnWidth(2, px(1500));
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { beginRename(); });
    // Only the rename column takes the current cell.
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row >= 0 && column != kRenameColumn) grid_->setCurrentCell(row, kRenameColumn);
    });

    for (int i = 0; i < 2; ++i) {
        halves_[i] = new QLineEdit(grid_->viewport());
        halves_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        halves_[i]->setMaxLength(1);
        halves_[i]->setAlignment(Qt::AlignCenter);
        halves_[i]->setAttribute(Qt::WA_InputMethodEnabled, false);
        KeepPastesOut(halves_[i]);
        halves_[i]->installEventFilter(this);
        halves_[i]->hide();
    }

    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName(QStringLiteral("CommandClose"));
    closeButton_->setGeometry(px(1560), py(4920), px(1095), py(375));
    connect(closeButton_, &QPushButton::clicked, this, [this] {
        if (QWidget* frame = parentWidget())
            frame->close();
        else
            close();
    });
    helpButton_ = new QPushButton(this);
    helpButton_->setObjectName(QStringLiteral("CommandHelp"));
    helpButton_->hide();
    ApplyButtonCaptions(this, lang);
    setTabOrder(grid_, helpButton_);
    setTabOrder(helpButton_, closeButton_);
    setTabOrder(closeButton_, halves_[0]);
    setTabOrder(halves_[0], halves_[1]);
    setMinimumSize(px(5400), py(5700));

    connect(&main_.Editor(), &DocumentEditor::edited, this, &GroupNameWindow::onDocumentEdited);
    band_ = DisplayedBand(main_, context_.Doc);
    FillGroupNameRows();
}

QWidget* CreateGroupNameWindow(ShellContext& context, EditorHost& main) {
    return new GroupNameWindow(context, main);
}

int GroupNameWindow::language() const {
    return context_.State.CurrentLanguage;
}

const CodePage& GroupNameWindow::page() const {
    return *context_.Codec.AnsiCodePage;
}

void GroupNameWindow::FillGroupNameRows() {
    RenameRow = 0;
    grid_->setEnabled(band_ != kBandCb);
    grid_->setRowCount(kRegularGroupsPerBand[band_]);
    for (int group = 1; group <= kRegularGroupsPerBand[band_]; ++group) ShowGroupNameRow(group);
}

void GroupNameWindow::ShowGroupNameRow(int group) {
    if (group < 1 || group > grid_->rowCount()) return;
    const QString name = QString::fromStdString(
        ShownName(context_.Doc.settings().GroupName(band_, group).trimmed(), page()));
    for (int column = 0; column < 3; ++column) {
        auto* item = new QTableWidgetItem(name);
        item->setTextAlignment(Qt::AlignCenter);
        if (column != kRenameColumn) item->setFlags(Qt::ItemIsEnabled);
        grid_->setItem(group - 1, column, item);
    }
    grid_->item(group - 1, 1)->setText(QString());
}

void GroupNameWindow::beginRename() {
    const int row = grid_->currentRow();
    if (grid_->currentColumn() != kRenameColumn || row < 0 || band_ == kBandCb) return;
    RenameRow = row + 1;
    renameBand_ = band_;
    const QRect cell = grid_->visualRect(grid_->model()->index(row, kRenameColumn));
    const int half = cell.width() / 2;
    halves_[0]->setGeometry(cell.left(), cell.top(), half, cell.height());
    halves_[1]->setGeometry(cell.left() + half, cell.top(), half, cell.height());
    // Each half shows its stored byte; a half the user leaves alone keeps that byte. A byte shown
    // as an escape ("\xE7") does not fit the one-character box: it shows as the box's hint.
    const std::string stored = context_.Doc.settings().GroupName(band_, RenameRow).trimmed();
    for (std::size_t i = 0; i < 2; ++i) {
        const QString shown =
            stored.size() <= i
                ? QString()
                : QString::fromStdString(ShownName(TrimName(stored.substr(i, 1)), page()));
        halves_[i]->setText(shown.size() <= 1 ? shown : QString());
        halves_[i]->setPlaceholderText(shown.size() <= 1 ? QString() : shown);
    }
    halves_[0]->show();
    halves_[1]->show();
    halves_[0]->setFocus();
}

void GroupNameWindow::SaveOldData() {
    if (!halves_[0]->isVisible() || !halves_[1]->isVisible()) return;
    // A half the user did not type into keeps the stored character, which it may show only as
    // an escape ("\xE7"); with nothing typed at all, nothing is stored.
    std::optional<std::string> typed[2];
    for (std::size_t i = 0; i < 2; ++i)
        if (halves_[i]->isModified()) typed[i] = halves_[i]->text().toStdString();
    // Hidden first: hiding moves the focus, which must not commit a second time.
    halves_[0]->hide();
    halves_[1]->hide();
    const auto view = [](const std::optional<std::string>& half) {
        return half ? std::optional<std::string_view>(*half) : std::nullopt;
    };
    bool changed = false;
    const std::optional<TextPair> refused =
        RenameGroup(context_.Doc, renameBand_, RenameRow, view(typed[0]), view(typed[1]), changed);
    if (renameBand_ == band_) ShowGroupNameRow(RenameRow);
    if (changed) {
        announcing_ = true;
        main_.DocumentEdited(
            DocumentEdit{EditSection::GroupSettings, renameBand_, RenameRow, -1, -1});
        announcing_ = false;
    }
    if (refused) ShowMessage(this, language(), *refused, MessageButtons::Ok, MessageIcon::Warning);
}

bool GroupNameWindow::filterKey(QLineEdit* half, QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // Enter moves on like Tab: to the second half, then to the grid, which commits.
        if (half == halves_[0])
            halves_[1]->setFocus(Qt::TabFocusReason);
        else
            grid_->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (IsClipboardKey(*key)) return true;
    // Erasing is typing too, even where the box shows the stored character only as its hint.
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) half->setModified(true);
    const QString text = key->text();
    if (text.isEmpty()) return false;
    const std::optional<char32_t> kept = FilterGroupNameChar(text.at(0).unicode());
    if (!kept) return true;
    if (*kept == text.at(0).unicode()) return false;
    half->setText(QString(QChar(static_cast<char16_t>(*kept))));
    half->setModified(true);  // typed, though set here upper-cased
    return true;
}

bool GroupNameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_) {
        if (event->type() == QEvent::FocusIn) SaveOldData();
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                beginRename();
                return true;
            }
        }
        return false;
    }
    for (QLineEdit* half : halves_) {
        if (watched != half) continue;
        if (event->type() == QEvent::FocusIn && !half->text().isEmpty()) half->selectAll();
        if (event->type() == QEvent::KeyPress)
            return filterKey(half, static_cast<QKeyEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

void GroupNameWindow::onDocumentEdited(const DocumentEdit& edit) {
    if (announcing_) return;
    if (edit.Section != EditSection::GroupSettings && edit.Section != EditSection::Whole) return;
    SaveOldData();
    band_ = DisplayedBand(main_, context_.Doc);
    FillGroupNameRows();
}

void GroupNameWindow::closeEvent(QCloseEvent* event) {
    SaveOldData();
    event->accept();
}

}  // namespace kv
