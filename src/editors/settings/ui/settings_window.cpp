// The settings window.
#include "editors/settings/ui/settings_window.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "app/main_window_tables.h"
#include "app/twips.h"
#include "editors/settings/public_params.h"
#include "editors/settings/settings_rules.h"
#include "editors/settings/settings_texts.h"
#include "gui/button_captions.h"
#include "gui/clipboard_keys.h"
#include "gui/document_editor.h"
#include "gui/editor_frame.h"
#include "gui/editor_host.h"
#include "gui/editor_window.h"
#include "gui/message_box.h"
#include "gui/pick_list.h"
#include "gui/qt_text.h"
#include "gui/shell_context.h"
#include "gui/window_registry.h"

namespace kv {
namespace {

constexpr int kCaptionGapTwips = 100;  // a caption ends this far left of its control
constexpr int kListTwips = 1800;
constexpr int kPublicListTwips = 1000;
constexpr int kRowSpacingPixels = 2;

// Refills `box` only when its entries differ, so that a refresh keeps an unchanged list as it is,
// and shows `stored`: its entry, or the value itself when no entry holds it.
void Fill(QComboBox* box, const ChoiceList& choices, int language, int stored) {
    QStringList texts;
    for (const Choice& c : choices) texts << QString::fromStdString(c.Text.in(language));
    const auto count = box->count();
    const auto entries = static_cast<int>(texts.size());
    bool same = count == entries || (count == entries + 1 && IsUnlistedEntry(box, count - 1));
    for (int i = 0; same && i < texts.size(); ++i) same = box->itemText(i) == texts[i];
    if (!same) {
        box->clear();
        box->addItems(texts);
    }
    ShowPick(box, ShownChoice(choices, stored), UnlistedKind::Value, stored, language);
}

}  // namespace

SettingsWindow::SettingsWindow(ShellContext& context, EditorHost& main, QWidget* parent)
    : QWidget(parent), context_(context), main_(main), language_(context.State.CurrentLanguage) {
    loaded_ = false;
    setObjectName(Latin(kSettingsWindow));
    setWindowTitle(text(SettingsTexts().Caption));
    buildControls();
    ApplyButtonCaptions(this, language_);
    showValues();
    connect(&main_.Editor(), &DocumentEditor::edited, this, [this] { showValues(); });
    loaded_ = true;
}

QString SettingsWindow::text(const TextPair& pair) const {
    return QString::fromStdString(pair.in(language_));
}

// ---- Building ----------------------------------------------------------------------------------

QComboBox* SettingsWindow::newList(const char* name) {
    auto* box = new QComboBox;
    box->setObjectName(Latin(name));
    // At least the width the window's design gives it, wider when an entry needs it (such as
    // "NB/ANL", or a stored value shown as itself).
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    OnUserPick(box, this, [this, box](int) { SaveOptFeat(box); });
    return box;
}

QWidget* SettingsWindow::buildSettingRow(const SettingRow& row) {
    const int width = TwipsToPixels(kListTwips, logicalDpiX());
    switch (row.Kind) {
        case SettingKind::List: {
            QComboBox* box = newList(row.Name);
            box->setMinimumWidth(row.SameLine ? width / 2 : width);
            lists_.push_back({box, &row});
            return box;
        }
        case SettingKind::Check: {
            auto* box = new QCheckBox(text(row.Caption));
            box->setObjectName(Latin(row.Name));
            connect(box, &QCheckBox::clicked, this, [this, box] { SaveOptFeat(box); });
            checks_.push_back({box, &row});
            return box;
        }
        case SettingKind::Number:
        case SettingKind::Text: {
            auto* box = new QLineEdit;
            box->setObjectName(Latin(row.Name));
            box->setFixedWidth(width);
            if (row.Kind == SettingKind::Text) {
                box->setMaxLength(static_cast<int>(kDeviceNameBytes));
                // Room for a whole name of the widest characters a name holds.
                const QString widest(static_cast<int>(kDeviceNameBytes), QLatin1Char('W'));
                const QMargins margins = box->textMargins() + box->contentsMargins();
                box->setFixedWidth(std::max(width, box->fontMetrics().horizontalAdvance(widest) +
                                                       margins.left() + margins.right() + 12));
            }
            box->installEventFilter(this);
            if (row.Kind == SettingKind::Number) KeepPastesOut(box);
            texts_.push_back({box, &row});
            const TextBinding binding = texts_.back();
            connect(box, &QLineEdit::editingFinished, this,
                    [this, binding] { commitText(binding); });
            return box;
        }
    }
    return nullptr;
}

void SettingsWindow::buildControls() {
    const int gap = TwipsToPixels(kCaptionGapTwips, logicalDpiX());
    struct Column {
        QGridLayout* Grid;
        int Next = 0;
    };
    const auto newGrid = [gap] {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(gap);
        grid->setVerticalSpacing(kRowSpacingPixels);
        return grid;
    };
    Column left{newGrid()};
    Column middle{newGrid()};
    Column ble{newGrid()};

    auto* modeFrame = new QGroupBox(text(SettingsTexts().ModeEnableFrame));
    modeFrame->setObjectName(QStringLiteral("fraModeEnable"));
    auto* modeBoxes = new QVBoxLayout(modeFrame);
    auto* bleFrame = new QGroupBox(text(SettingsTexts().BleFrame));
    bleFrame->setObjectName(QStringLiteral("fraBLE"));
    bleFrame->setLayout(ble.Grid);

    QHBoxLayout* lastLine = nullptr;
    for (const SettingRow& row : SettingRows()) {
        QWidget* control = buildSettingRow(row);
        if (row.Column == SettingColumn::ModeEnable) {
            modeBoxes->addWidget(control);
            continue;
        }
        if (row.SameLine && lastLine != nullptr) {
            lastLine->insertWidget(lastLine->count() - 1, control);
            continue;
        }
        Column& column = row.Column == SettingColumn::Left     ? left
                         : row.Column == SettingColumn::Middle ? middle
                                                               : ble;
        lastLine = new QHBoxLayout;
        lastLine->addWidget(control);
        if (*row.Unit != '\0') lastLine->addWidget(new QLabel(Latin(row.Unit)));
        lastLine->addStretch();
        const int line = column.Next++;
        if (row.Kind == SettingKind::Check) {
            column.Grid->addLayout(lastLine, line, 0, 1, 2);
            continue;
        }
        if (!row.Caption.empty()) {
            auto* label = new QLabel(text(row.Caption));
            label->setObjectName(QStringLiteral("lbl") + Latin(row.Name));
            column.Grid->addWidget(label, line, 0, Qt::AlignRight | Qt::AlignVCenter);
        }
        column.Grid->addLayout(lastLine, line, 1);
    }
    middle.Grid->addWidget(modeFrame, middle.Next++, 0, 1, 2);
    for (Column* column : {&left, &middle, &ble}) column->Grid->setRowStretch(column->Next, 1);

    auto* frames = new QHBoxLayout;
    for (const PublicBand& band : PublicBands()) frames->addWidget(buildPublicFrame(band));

    auto* close = new QPushButton;
    close->setObjectName(QStringLiteral("CommandClose"));
    connect(close, &QPushButton::clicked, this, [this] {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->close();
        else
            this->close();
    });
    auto* closeLine = new QHBoxLayout;
    closeLine->addStretch();
    closeLine->addWidget(close);

    auto* right = new QVBoxLayout;
    right->addLayout(frames);
    right->addWidget(buildSwitches());
    right->addWidget(bleFrame, 0, Qt::AlignLeft);
    right->addStretch();

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("scrollContent"));
    columns_ = new QGridLayout(content);
    columns_->setSizeConstraint(QLayout::SetFixedSize);
    columns_->setHorizontalSpacing(0);
    columns_->addLayout(left.Grid, 0, 0, Qt::AlignTop);
    columns_->setColumnMinimumWidth(1, gap * 2);
    columns_->addLayout(middle.Grid, 0, 2, Qt::AlignTop);
    columns_->setColumnMinimumWidth(3, gap * 2);
    columns_->addLayout(right, 0, 4, Qt::AlignTop);
    rightColumn_ = right;

    SetScrollingContent(this, content, closeLine);
    // The content keeps the size its columns give it; the area only scrolls it.
    if (auto* area = findChild<QScrollArea*>(QStringLiteral("scrollArea")))
        area->setWidgetResizable(false);
    scroll_ = findChild<QAbstractScrollArea*>(QStringLiteral("scrollArea"));
    threeColumnsContent_ = content->sizeHint();
    content_ = content;
    if (scroll_ != nullptr) scroll_->installEventFilter(this);
}

QSize SettingsWindow::sizeHint() const {
    QSize hint = QWidget::sizeHint();
    if (stacked_ && content_ != nullptr) hint += threeColumnsContent_ - content_->sizeHint();
    return hint;
}

void SettingsWindow::reflowColumns() {
    if (scroll_ == nullptr || columns_ == nullptr) return;
    // A window too short for its rows shows a vertical scroll bar: it takes room from the width.
    const QSize space = scroll_->maximumViewportSize();
    int room = space.width();
    if (space.height() < threeColumnsContent_.height())
        room -= scroll_->verticalScrollBar()->sizeHint().width();
    const bool stack = room < threeColumnsContent_.width();
    if (stack == stacked_) return;
    stacked_ = stack;
    columns_->removeItem(rightColumn_);
    if (stack)
        columns_->addLayout(rightColumn_, 1, 0, 1, 3, Qt::AlignLeft | Qt::AlignTop);
    else
        columns_->addLayout(rightColumn_, 0, 4, Qt::AlignTop);
    // The content takes its new size now; the scroll area sets its bars for it once this resize
    // is over (bars left from the other arrangement would otherwise each keep the other on).
    columns_->activate();
    QTimer::singleShot(0, scroll_, [scroll = scroll_] {
        QResizeEvent again(scroll->size(), scroll->size());
        QCoreApplication::sendEvent(scroll, &again);
    });
}

QGroupBox* SettingsWindow::buildPublicFrame(const PublicBand& band) {
    auto* frame = new QGroupBox(text(PublicFrameCaption(band)));
    frame->setObjectName(QStringLiteral("fra%1Public").arg(Latin(band.Prefix)));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(TwipsToPixels(kCaptionGapTwips, logicalDpiX()));
    grid->setVerticalSpacing(kRowSpacingPixels);
    int line = 0;
    for (const PublicRow& row : PublicRows()) {
        if (!IsPublicRowShown(row, band)) continue;
        const std::string name = std::string(band.Prefix) + row.Field;
        auto* label = new QLabel(Latin(PublicRowCaption(row, band)));
        label->setObjectName(QStringLiteral("lbl") + QString::fromStdString(name));
        QComboBox* box = newList(name.c_str());
        box->setMinimumWidth(TwipsToPixels(kPublicListTwips, logicalDpiX()));
        grid->addWidget(label, line, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(box, line, 1);
        ++line;
        publicLists_.push_back({box, &row, &band});
    }
    grid->setRowStretch(line, 1);
    publicFrames_.push_back(frame);
    return frame;
}

QWidget* SettingsWindow::buildSwitches() {
    auto* all = new QWidget;
    auto* line = new QHBoxLayout(all);
    line->setContentsMargins(0, 0, 0, 0);
    for (const PublicBand& band : PublicBands()) {
        auto* row = new QWidget;
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(TwipsToPixels(kCaptionGapTwips, logicalDpiX()));
        auto* label = new QLabel(Latin(band.SwitchCaption));
        label->setObjectName(QStringLiteral("lbl") + Latin(band.SwitchName));
        QComboBox* box = newList(band.SwitchName);
        box->setMinimumWidth(TwipsToPixels(kPublicListTwips, logicalDpiX()));
        layout->addWidget(label);
        layout->addWidget(box);
        line->addWidget(row);
        switches_.push_back({box, &band});
        switchRows_.push_back(row);
    }
    line->addStretch();
    return all;
}

// ---- Showing -----------------------------------------------------------------------------------

void SettingsWindow::showValues() {
    const ConfigRecord& config = context_.Doc.config();
    const SettingsView view{context_.Doc.Radio.RadioOptionFlag};
    for (const ListBinding& b : lists_) {
        const QSignalBlocker block(b.Box);
        Fill(b.Box, SettingChoices(*b.Row, config, view), language_,
             StoredSettingValue(*b.Row, config));
    }
    for (const CheckBinding& b : checks_) {
        const QSignalBlocker block(b.Box);
        b.Box->setChecked(IsSettingTicked(*b.Row, config));
    }
    for (const TextBinding& b : texts_) {
        // A box still being typed in keeps its text until it is committed.
        if (b.Box->isModified()) continue;
        const QSignalBlocker block(b.Box);
        b.Box->setText(b.Row->Kind == SettingKind::Text
                           ? QString::fromStdU16String(ShownDeviceName(config, context_.Codec))
                           : QString::fromStdString(ShownSettingNumber(*b.Row, config)));
    }
    for (const SwitchBinding& b : switches_) {
        const QSignalBlocker block(b.Box);
        Fill(b.Box, PublicSwitchChoices(), language_, config.*b.Band->Switch);
    }
    showPublicLists(true, true);
    applyEnabledState();
}

void SettingsWindow::showPublicLists(bool roger, bool dtmf) {
    const ConfigRecord& config = context_.Doc.config();
    for (const PublicBinding& b : publicLists_) {
        const bool fromTones = b.Row->List == PublicList::Roger;
        const bool fromCodes = b.Row->List == PublicList::Dtmf;
        if ((fromTones && !roger) || (fromCodes && !dtmf)) continue;
        const QSignalBlocker block(b.Box);
        Fill(b.Box, PublicChoices(*b.Row, config), language_,
             StoredPublicValue(*b.Row, *b.Band, config));
    }
}

void SettingsWindow::ShowRB() {
    showPublicLists(true, false);
}

void SettingsWindow::ShowDTMF() {
    showPublicLists(false, true);
}

void SettingsWindow::applyEnabledState() {
    const ConfigRecord& config = context_.Doc.config();
    const SettingsView view{context_.Doc.Radio.RadioOptionFlag};
    for (const ListBinding& b : lists_) b.Box->setEnabled(IsSettingEnabled(*b.Row, config, view));
    for (const CheckBinding& b : checks_) b.Box->setEnabled(IsSettingEnabled(*b.Row, config, view));
    for (const TextBinding& b : texts_) b.Box->setEnabled(IsSettingEnabled(*b.Row, config, view));
    const auto bands = PublicBands();
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const bool enabled = IsPublicBandEnabled(bands[i], view.RadioOptionFlag);
        publicFrames_[i]->setEnabled(enabled);
        switchRows_[i]->setEnabled(enabled);
    }
}

// ---- Storing -----------------------------------------------------------------------------------

void SettingsWindow::store(const DocumentEdit& edit, const std::function<void()>& change) {
    const auto before = std::make_unique<ConfigRecord>(context_.Doc.config());
    change();
    if (context_.Doc.config() == *before)
        showValues();  // nothing changed: show the stored values again (a kept mode box)
    else
        main_.DocumentEdited(edit);
}

void SettingsWindow::SaveOptFeat(QObject* control) {
    if (!loaded_) return;
    ConfigRecord& config = context_.Doc.config();
    const SettingsView view{context_.Doc.Radio.RadioOptionFlag};
    for (const ListBinding& b : lists_)
        if (b.Box == control)
            return store({EditSection::Settings},
                         [&] { StoreSettingChoice(*b.Row, config, view, b.Box->currentIndex()); });
    for (const CheckBinding& b : checks_)
        if (b.Box == control)
            return store({EditSection::Settings},
                         [&] { StoreSettingCheck(*b.Row, config, b.Box->isChecked()); });
    for (const PublicBinding& b : publicLists_)
        if (b.Box == control)
            return store({EditSection::PublicChannels, b.Band->Band}, [&] {
                StorePublicChoice(*b.Row, *b.Band, config, b.Box->currentIndex());
            });
    for (const SwitchBinding& b : switches_)
        if (b.Box == control) return switchBandPublic(b);
}

void SettingsWindow::commitText(const TextBinding& binding) {
    QLineEdit* box = binding.Box;
    if (!loaded_ || !box->isModified()) return;
    box->setModified(false);
    if (binding.Row->Kind == SettingKind::Text) {
        commitDeviceName(box);
        return;
    }
    store({EditSection::Settings}, [&] {
        CommitSettingNumber(*binding.Row, context_.Doc.config(), box->text().toStdString());
    });
}

void SettingsWindow::commitDeviceName(QLineEdit* box) {
    DeviceNameCommit result = DeviceNameCommit::Stored;
    store({EditSection::Settings}, [&] {
        result =
            CommitDeviceName(context_.Doc.config(), box->text().toStdU16String(), context_.Codec);
    });
    if (result == DeviceNameCommit::Stored) return;
    ShowMessage(this, language_,
                result == DeviceNameCommit::Unfit ? SettingsTexts().DeviceNameUnfit
                                                  : SettingsTexts().DeviceNameTooLong,
                MessageButtons::Ok, MessageIcon::Warning);
}

void SettingsWindow::FinishEdit() {
    for (const TextBinding& b : texts_) commitText(b);
}

void SettingsWindow::switchBandPublic(const SwitchBinding& binding) {
    Document& doc = context_.Doc;
    const int position = binding.Box->currentIndex();
    if (position == doc.config().*binding.Band->Switch) return;
    // What the channel window holds unstored lands before the flags are rewritten under it.
    QWidget* channels = main_.FindEditor(Latin(kChannelWindow));
    if (auto* editor = WindowRegistry::InterfaceOf<EditorWindow>(channels)) editor->FinishEdit();
    if (!SwitchBandPublic(doc.Working, *binding.Band, position)) return;
    main_.DocumentEdited({EditSection::PublicChannels, binding.Band->Band});
}

// ---- Events ------------------------------------------------------------------------------------

void SettingsWindow::closeEvent(QCloseEvent* event) {
    FinishEdit();
    QWidget::closeEvent(event);
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_) {
        if (event->type() == QEvent::Resize) reflowColumns();
        return false;
    }
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != nullptr) {
        if (event->type() == QEvent::FocusIn) QTimer::singleShot(0, box, &QLineEdit::selectAll);
        const bool numberBox = std::any_of(texts_.begin(), texts_.end(), [box](const auto& b) {
            return b.Box == box && b.Row->Kind == SettingKind::Number;
        });
        if (numberBox && event->type() == QEvent::KeyPress) {
            // Pasting is refused like the Ctrl+V the filter drops, in every form.
            if (IsClipboardKey(*static_cast<QKeyEvent*>(event))) return true;
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            for (const char32_t c : typed.toUcs4())
                if (!NumberKeyPasses(c)) return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* CreateSettingsWindow(ShellContext& context, EditorHost& main) {
    return new SettingsWindow(context, main);
}

}  // namespace kv
