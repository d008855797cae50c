// The weather channel window.
#include "editors/blocks/ui/weather_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "app/twips.h"
#include "editors/blocks/ui/weather_grid_model.h"
#include "editors/blocks/weather_rules.h"
#include "editors/blocks/weather_texts.h"
#include "gui/button_captions.h"
#include "gui/clipboard_keys.h"
#include "gui/document_editor.h"
#include "gui/editor_frame.h"
#include "gui/editor_host.h"
#include "gui/message_box.h"
#include "gui/pick_list.h"
#include "gui/qt_text.h"
#include "gui/shell_context.h"

namespace kv {
namespace {

constexpr int kHeaderHeightTwips = 510;
constexpr int kGridHeightTwips = 6600;
constexpr int kLabelGapTwips = 100;
constexpr int kListWidthTwips = 1400;

// The entry of a list of `count` entries that shows a stored position; -1 when it has none.
int ShownPosition(int stored, std::size_t count) {
    return stored >= 0 && static_cast<std::size_t>(stored) < count ? stored : -1;
}

}  // namespace

WeatherWindow::WeatherWindow(ShellContext& context, EditorHost& main, QWidget* parent)
    : QWidget(parent), context_(context), main_(main), language_(context.State.CurrentLanguage) {
    setObjectName(QStringLiteral("FrmTVCH"));
    setWindowTitle(Text(WeatherWindowCaption().in(language_)));

    buildGrid();
    auto* settings = new QGridLayout;
    settings->setHorizontalSpacing(TwipsToPixels(kLabelGapTwips, logicalDpiX()));
    buildSettings(settings);

    auto* close = new QPushButton(this);
    close->setObjectName(QStringLiteral("CommandClose"));
    connect(close, &QPushButton::clicked, this, [this] { CloseEditorFrame(this); });
    ApplyButtonCaptions(this, language_);

    auto* side = new QVBoxLayout;
    side->addLayout(settings);
    side->addStretch(1);
    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_, 1);
    layout->addLayout(side);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    SetScrollingContent(this, content, buttons);

    showSettings();
    connect(&main_.Editor(), &DocumentEditor::edited, this, &WeatherWindow::onDocumentEdited);
}

void WeatherWindow::buildSettings(QGridLayout* layout) {
    const int dpi = logicalDpiX();
    int row = 0;
    for (const WeatherSettingRow& setting : WeatherSettingRows()) {
        auto* label = new QLabel(Text(setting.Caption.in(language_)), this);
        label->setObjectName(QString::fromLatin1(setting.LabelName));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* list = new QComboBox(this);
        list->setObjectName(QString::fromLatin1(setting.ListName));
        list->setMinimumWidth(TwipsToPixels(kListWidthTwips, dpi));
        label->setBuddy(list);
        for (const TextPair& entry : setting.Entries) list->addItem(Text(entry.in(language_)));
        layout->addWidget(label, row, 0);
        layout->addWidget(list, row, 1);
        ++row;
        settingLists_.push_back(list);
        const auto member = setting.Member;
        if (setting.Entries.empty()) {
            currentList_ = list;
            list->installEventFilter(this);
            OnUserPick(list, this, [this](int position) {
                const std::string entry = currentList_->itemText(position).toStdString();
                if (CommitCurrentWeatherChannel(context_.Doc.settings(), entry) !=
                    WeatherCommit::Unchanged)
                    announce(-1);
            });
        } else {
            const int count = static_cast<int>(setting.Entries.size());
            OnUserPick(list, this, [this, count, member](int position) {
                if (CommitWeatherSetting(context_.Doc.settings(), member, position, count) !=
                    WeatherCommit::Unchanged)
                    announce(-1);
            });
        }
    }
}

void WeatherWindow::buildGrid() {
    const int dpi = logicalDpiX();
    model_ = new WeatherGridModel(context_.Doc, language_, this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setModel(model_);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->horizontalHeader()->setFixedHeight(TwipsToPixels(kHeaderHeightTwips, dpi));
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    int width = 0;
    const auto columns = WeatherColumns();
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        const int pixels = TwipsToPixels(columns[column].WidthTwips, dpi);
        grid_->setColumnWidth(column, pixels);
        grid_->setColumnHidden(column, pixels == 0);
        width += pixels;
    }
    grid_->setMinimumSize(
        width + grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth(),
        TwipsToPixels(kGridHeightTwips, dpi));
    connect(grid_, &QTableView::clicked, this, [this] { Save_TVChannel(); });
    connect(grid_, &QTableView::doubleClicked, this, &WeatherWindow::startEdit);
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &WeatherWindow::placeEditor);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &WeatherWindow::placeEditor);

    text1_ = new QLineEdit(grid_->viewport());
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAlignment(Qt::AlignCenter);
    KeepPastesOut(text1_);
    text1_->installEventFilter(this);
    text1_->hide();
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        if (columns[column].Entries == nullptr) continue;
        auto* list = new QComboBox(grid_->viewport());
        list->setObjectName(QString::fromLatin1(columns[column].ListName));
        for (const TextPair& entry : *columns[column].Entries)
            list->addItem(Text(entry.in(language_)));
        list->hide();
        connect(list, &QComboBox::activated, this, [this] { Save_TVChannel(); });
        columnLists_.at(column) = list;
    }
}

void WeatherWindow::showSettings() {
    const auto rows = WeatherSettingRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QComboBox* list = settingLists_[i];
        if (list == currentList_) continue;
        const QSignalBlocker block(list);
        const int stored = context_.Doc.settings().*(rows[i].Member);
        ShowPick(list, ShownPosition(stored, rows[i].Entries.size()), UnlistedKind::Value, stored,
                 language_);
    }
    showCurrentChannels();
}

void WeatherWindow::showCurrentChannels() {
    const QSignalBlocker block(currentList_);
    currentList_->clear();
    for (int channel : CurrentWeatherChannels(context_.Doc.settings()))
        currentList_->addItem(QString::number(channel));
    const int channel = context_.Doc.settings().WxCurrentChannel + 1;
    ShowPick(currentList_, currentList_->findText(QString::number(channel)), UnlistedKind::Channel,
             channel, language_);
}

QWidget* WeatherWindow::editorOf(int column) const {
    if (column == kWeatherFrequencyColumn) return text1_;
    return column >= 0 && column < static_cast<int>(columnLists_.size()) ? columnLists_[column]
                                                                         : nullptr;
}

void WeatherWindow::startEdit(const QModelIndex& index) {
    const int channel = WeatherGridModel::ChannelOf(index);
    const int column = index.column();
    if (channel < 1 || channel > kWeatherCount || editorOf(column) == nullptr) return;
    Save_TVChannel();
    editChannel_ = channel;
    editColumn_ = column;
    const QString cell = model_->data(index, Qt::DisplayRole).toString();
    QWidget* editor = editorOf(column);
    if (column == kWeatherFrequencyColumn) {
        text1_->setText(cell);
    } else {
        QComboBox* list = columnLists_[column];
        const QSignalBlocker block(list);
        list->setCurrentIndex(list->findText(cell));
    }
    placeEditor();
    editor->show();
    editor->raise();
    editor->setFocus();
    if (column == kWeatherFrequencyColumn) text1_->selectAll();
}

void WeatherWindow::placeEditor() {
    QWidget* editor = editorOf(editColumn_);
    if (editor == nullptr || editChannel_ == 0) return;
    editor->setGeometry(grid_->visualRect(model_->IndexOf(editChannel_, editColumn_)));
}

void WeatherWindow::hideEditors() {
    bool hadFocus = text1_->hasFocus();
    for (QComboBox* list : columnLists_)
        if (list != nullptr) hadFocus = hadFocus || list->hasFocus();
    if (hadFocus) grid_->setFocus();
    text1_->hide();
    for (QComboBox* list : columnLists_)
        if (list != nullptr) list->hide();
}

void WeatherWindow::Save_TVChannel() {
    if (committing_ || editChannel_ == 0) return;
    const QScopedValueRollback guard(committing_, true);
    const int channel = editChannel_;
    const int column = editColumn_;
    editChannel_ = 0;
    editColumn_ = 0;
    // An editor the user has not closed counts even while the window itself is minimised.
    QWidget* editor = editorOf(column);
    const bool open = editor != nullptr && !editor->isHidden();
    const std::string typed = text1_->text().toStdString();
    const int position = column != kWeatherFrequencyColumn && editor != nullptr
                             ? columnLists_[column]->currentIndex()
                             : -1;
    hideEditors();
    if (!open) return;
    RadioSettings& settings = context_.Doc.settings();
    const WeatherCommit outcome = column == kWeatherFrequencyColumn
                                      ? CommitWeatherFrequency(settings, channel, typed)
                                      : CommitWeatherColumn(settings, channel, column, position);
    if (outcome == WeatherCommit::NotANumber) {
        ShowMessage(this, language_, WeatherFreqNotNumberText(), MessageButtons::Ok,
                    MessageIcon::Warning);
        return;
    }
    if (outcome != WeatherCommit::Unchanged) announce(channel);
}

bool WeatherWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == currentList_ && event->type() == QEvent::FocusIn) Save_TVChannel();
    if (watched == text1_ && event->type() == QEvent::KeyPress)
        return filterFrequencyKey(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

// Enter commits; copying, cutting and pasting are dropped, and of the printable characters only
// digits and the point get through. Text arriving another way is checked when it is committed.
bool WeatherWindow::filterFrequencyKey(QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        Save_TVChannel();
        return true;
    }
    if (IsClipboardKey(*key)) return true;
    const QString text = key->text();
    if (text.isEmpty()) return false;
    const char16_t c = text.at(0).unicode();
    if (c > 127) return true;
    const bool printable = c >= 0x20 && c != 0x7F;
    return printable && !((c >= u'0' && c <= u'9') || c == u'.');
}

void WeatherWindow::closeEvent(QCloseEvent* event) {
    Save_TVChannel();
    QWidget::closeEvent(event);
}

void WeatherWindow::announce(int channel) {
    main_.DocumentEdited(DocumentEdit{EditSection::Weather, -1, -1, channel, channel});
}

void WeatherWindow::onDocumentEdited(const DocumentEdit& edit) {
    if (edit.Section != EditSection::Weather && edit.Section != EditSection::Whole) return;
    model_->Refresh();
    showSettings();
    placeEditor();
}

QWidget* CreateWeatherWindow(ShellContext& context, EditorHost& main) {
    return new WeatherWindow(context, main);
}

}  // namespace kv
