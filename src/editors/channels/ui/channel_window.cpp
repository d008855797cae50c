// The channel window.
#include "editors/channels/ui/channel_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>
#include <exception>
#include <optional>

#include "app/main_window_tables.h"
#include "app/twips.h"
#include "codec/shown_name.h"
#include "editors/channels/cb_memory.h"
#include "editors/channels/channel_edit.h"
#include "editors/channels/channel_names.h"
#include "editors/channels/channel_rows_edit.h"
#include "editors/channels/channel_window_texts.h"
#include "editors/channels/defined_references.h"
#include "editors/channels/detail_rows.h"
#include "editors/channels/freq_text.h"
#include "editors/channels/grid_rows.h"
#include "editors/channels/group_references.h"
#include "editors/channels/group_settings.h"
#include "editors/channels/shared_captions.h"
#include "editors/channels/ui/channel_editor_state.h"
#include "editors/channels/ui/channel_grid_model.h"
#include "editors/channels/ui/channel_rows_clipboard.h"
#include "editors/channels/ui/details_panel.h"
#include "editors/shared_lists.h"
#include "exchange/channel_rows_sheet.h"
#include "gui/button_captions.h"
#include "gui/clipboard_keys.h"
#include "gui/document_editor.h"
#include "gui/editor_host.h"
#include "gui/message_box.h"
#include "gui/qt_text.h"
#include "gui/shell_context.h"
#include "model/band_range.h"

namespace kv {
namespace {

constexpr int kLabelGapTwips = 100;
constexpr int kChannelColumnTwips = 500;
constexpr int kHeaderRowTwips = 510;
constexpr int kRowsShownAtFirst = 12;
constexpr const char* kListItems[] = {"mnuCopy",      "mnuCut",    "mnuDelete",  "mnuInsertPaste",
                                      "mnuSortGroup", "mnuMoveUp", "mnuMoveDown"};

QLabel* NamedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QComboBox* NamedCombo(const char* name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// What an edit can change in a group: its channels, its valid flag and its references.
struct GroupSnapshot {
    std::vector<ChannelRecord> records;
    i16 count = 0;
    i16 valid = 0;
    i16 workChannel = 0;
    std::array<i16, 4> references{};

    static GroupSnapshot Of(const Document& doc, int band, int group) {
        GroupSnapshot s;
        if (SlotCapacity(band, group) == 0) return s;
        s.count = doc.Working.channelCount(band, group);
        for (int slot = 1; slot <= SlotCapacity(band, group); ++slot)
            s.records.push_back(doc.Working.channel(band, slot, group));
        const RadioSettings& set = doc.settings();
        s.valid = set.GroupValid(band, group);
        s.workChannel = set.GroupWorkChannel(band, group);
        s.references = {set.GroupRefChannelA(band, group, 0), set.GroupRefChannelA(band, group, 1),
                        set.GroupRefChannelB(band, group, 0), set.GroupRefChannelB(band, group, 1)};
        return s;
    }
    bool operator==(const GroupSnapshot&) const = default;
};

}  // namespace

ChannelWindow::ChannelWindow(ShellContext& context, EditorHost& main, QWidget* parent)
    : QWidget(parent), context_(context), main_(main) {
    setObjectName(QString::fromLatin1(kChannelWindow));
    buildControls();
    connect(&main_.Editor(), &DocumentEditor::edited, this, &ChannelWindow::onDocumentEdited);
    guarded("frmCommChInfo_Form_Load", [this] {
        showDocument();
        context_.Doc.ChannelEditorOpen = true;
        setListCommandsEnabled(true);
    });
}

// Shows the document from its stored band: on opening, and when the document was replaced.
void ChannelWindow::showDocument() {
    const Document& doc = context_.Doc;
    // A radio without the HF option has only CB: the window shows CB and offers no other band.
    // Showing stores nothing: another stored band is named by the check before writing.
    bandBox_->setEnabled(doc.Radio.RadioOptionFlag);
    const int stored = doc.config().BandMode;
    const int band =
        doc.Radio.RadioOptionFlag && stored >= 0 && stored < kBandCount ? stored : kBandCb;
    ChangShowByLanguage();
    ShowRB();
    ShowDTMF();
    {
        const QSignalBlocker blockBand(bandBox_);
        const QSignalBlocker blockCopy(bandCopy_);
        bandCopy_->setCurrentIndex(band);
        bandBox_->setCurrentIndex(band);
    }
    applyBand(band);
}

// Closing clears ChannelEditorOpen; the destructor must not, because a closed window is destroyed
// only after the window that replaced it (New, Open, Read, a language change) has opened.
ChannelWindow::~ChannelWindow() = default;

QSize ChannelWindow::sizeHint() const {
    // A bare table asks for room for a few rows only; the window opens showing more.
    const int wanted = grid_->horizontalHeader()->height() +
                       kRowsShownAtFirst * grid_->verticalHeader()->defaultSectionSize() +
                       2 * grid_->frameWidth();
    return QWidget::sizeHint() + QSize(0, std::max(0, wanted - grid_->sizeHint().height()));
}

int ChannelWindow::language() const {
    return context_.State.CurrentLanguage;
}

void ChannelWindow::guarded(const char* operation, const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception&) {
        ShowMessage(this, language(), OperationFailedText(operation));
    }
}

QWidget* CreateChannelWindow(ShellContext& context, EditorHost& main) {
    return new ChannelWindow(context, main);
}

// ---- Building --------------------------------------------------------------------------------

void ChannelWindow::buildControls() {
    const int gap = TwipsToPixels(kLabelGapTwips, logicalDpiX());
    bandLabel_ = NamedLabel("Label3", this);
    bandBox_ = NamedCombo("Combo2", this);
    bandCopy_ = NamedCombo("Combo7", this);
    bandCopy_->hide();
    for (const std::string& entry : ChannelTexts().BandEntries) {
        bandBox_->addItem(Text(entry));
        bandCopy_->addItem(Text(entry));
    }
    // Any change of the selection shows the band; only the user's pick stores it.
    connect(bandBox_, &QComboBox::currentIndexChanged, this, &ChannelWindow::showBand);
    connect(bandBox_, &QComboBox::activated, this, &ChannelWindow::bandChosen);

    groupFrame_ = new QGroupBox(this);
    groupFrame_->setObjectName(QStringLiteral("Frame1"));
    groupLabel_ = NamedLabel("Label1", groupFrame_);
    groupBox_ = NamedCombo("Combo6", groupFrame_);
    groupCopy_ = NamedCombo("Combo4", groupFrame_);
    groupCopy_->hide();
    workGroupLabel_ = NamedLabel("Label6", groupFrame_);
    workGroupBox_ = NamedCombo("Combo3", groupFrame_);
    validLabel_ = NamedLabel("Label2_6", groupFrame_);
    validBox_ = NamedCombo("Combo1_6", groupFrame_);
    workChannelLabel_ = NamedLabel("Label2_4", groupFrame_);
    workChannelBox_ = NamedCombo("Combo1_4", groupFrame_);
    auto* frameLayout = new QGridLayout(groupFrame_);
    frameLayout->setHorizontalSpacing(gap);
    const std::pair<QLabel*, QComboBox*> frameRows[] = {{groupLabel_, groupBox_},
                                                        {workGroupLabel_, workGroupBox_},
                                                        {validLabel_, validBox_},
                                                        {workChannelLabel_, workChannelBox_}};
    for (int i = 0; i < 4; ++i) {
        frameLayout->addWidget(frameRows[i].first, i, 0);
        frameLayout->addWidget(frameRows[i].second, i, 1);
    }
    frameLayout->setColumnStretch(1, 1);
    connect(groupBox_, &QComboBox::currentIndexChanged, this, [this] { applyGroup(); });
    connect(groupBox_, &QComboBox::activated, this, &ChannelWindow::groupChosen);
    connect(workGroupBox_, &QComboBox::activated, this, &ChannelWindow::workGroupChosen);
    connect(validBox_, &QComboBox::activated, this, &ChannelWindow::groupValidChosen);
    connect(workChannelBox_, &QComboBox::activated, this, &ChannelWindow::workChannelChosen);

    model_ = new ChannelGridModel(context_.Doc, this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are selected whole, several at once (Shift/Ctrl+click, Shift+arrows, Ctrl+A); the
    // current cell still says which row and column an entry goes to.
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Arrows move between cells; Tab leaves the grid for the next control.
    grid_->setTabKeyNavigation(false);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setFixedHeight(TwipsToPixels(kHeaderRowTwips, logicalDpiY()));
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->installEventFilter(this);
    connect(grid_, &QWidget::customContextMenuRequested, this, &ChannelWindow::contextMenuAt);
    connect(grid_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() >= 1)
            guarded("frmCommChInfo_MSFlexGrid1_EnterCell", [this] { EnterGridEdit(); });
    });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                // The row the user moves to is remembered for the group: a position, no edit.
                if (!selecting_ && current.isValid())
                    context_.Doc.config().GroupCurrentChannel(band_, DisplayedGroup()) =
                        static_cast<i16>(current.row() + 1);
                ShowChIfoDataOther();
            });
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { ShowChIfoDataOther(); });
    // Paste is offered while either clipboard holds something to paste.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        if (context_.Doc.ChannelEditorOpen) setListCommandsEnabled(true);
    });
    // The box floats over its cell: a scrolled grid would leave it over another row.
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (editBox_->isVisible()) grid_->setFocus();
    });

    editBox_ = new QLineEdit(grid_->viewport());
    editBox_->setObjectName(QStringLiteral("Text1"));
    editBox_->setMaxLength(8);
    editBox_->setAlignment(Qt::AlignCenter);
    KeepPastesOut(editBox_);
    editBox_->setAttribute(Qt::WA_InputMethodEnabled, false);
    editBox_->installEventFilter(this);
    editBox_->hide();

    details_ = new DetailsPanel(this);
    details_->hide();
    connect(details_, &DetailsPanel::boxChosen, this, &ChannelWindow::detailChosen);

    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName(QStringLiteral("CommandClose"));
    connect(closeButton_, &QPushButton::clicked, this, [this] {
        if (QWidget* frame = parentWidget())
            frame->close();
        else
            close();
    });
    // Controls the window has but never shows.
    for (const char* name : {"Label2_5", "Label4"}) NamedLabel(name, this)->hide();
    NamedCombo("Combo1_5", this)->hide();
    auto* hiddenText = new QLineEdit(this);
    hiddenText->setObjectName(QStringLiteral("Text2"));
    hiddenText->hide();
    auto* hiddenCheck = new QCheckBox(this);
    hiddenCheck->setObjectName(QStringLiteral("Check1"));
    hiddenCheck->hide();
    for (const char* name : {"CommandCheckBand", "CommandCHInfoEdit", "CommandHelp"}) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->hide();
    }

    auto* layout = new QGridLayout(this);
    auto* bandRow = new QHBoxLayout;
    bandRow->setSpacing(gap);
    bandRow->addWidget(bandLabel_);
    bandRow->addWidget(bandBox_, 1);
    layout->addLayout(bandRow, 0, 0);
    layout->addWidget(groupFrame_, 1, 0);
    layout->addWidget(grid_, 2, 0);
    layout->addWidget(details_, 0, 1, 3, 1, Qt::AlignTop);
    layout->addWidget(closeButton_, 3, 1, Qt::AlignRight);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnMinimumWidth(1, 260);
}

void ChannelWindow::ChangShowByLanguage() {
    guarded("frmCommChInfo_ChangShowByLanguage", [this] {
        const int lang = language();
        const ChannelWindowTexts& t = ChannelTexts();
        setWindowTitle(Text(t.Caption.in(lang)));
        bandLabel_->setText(Text(t.BandLabel.in(lang)));
        groupLabel_->setText(Text(t.GroupLabel.in(lang)));
        workGroupLabel_->setText(Text(SharedCaptionText(SharedCaption::WorkGroup).in(lang)));
        validLabel_->setText(Text(SharedCaptionText(SharedCaption::GroupValid).in(lang)));
        workChannelLabel_->setText(
            Text(SharedCaptionText(SharedCaption::CurrentWorkChannel).in(lang)));
        model_->SetHeaders(Text(t.ChannelHeader.in(lang)), Text(t.FrequencyHeader.in(lang)));
        {
            const QSignalBlocker block(validBox_);
            const int current = validBox_->currentIndex();
            validBox_->clear();
            for (const TextPair& entry : UpperOffOnList()) validBox_->addItem(Text(entry.in(lang)));
            validBox_->setCurrentIndex(current);
        }
        details_->SetLanguage(lang);
        ApplyButtonCaptions(this, lang);
        if (groupBox_->count() > 0)
            groupFrame_->setTitle(groupLabel_->text() + QStringLiteral(" -- ") +
                                  groupBox_->currentText());
    });
}

// ---- Band and group --------------------------------------------------------------------------

void ChannelWindow::showBand(int index) {
    if (index < 0 || index >= kBandCount || index == band_) return;
    {
        const QSignalBlocker block(bandCopy_);
        bandCopy_->setCurrentIndex(index);
    }
    applyBand(index);
}

void ChannelWindow::bandChosen(int index) {
    if (index < 0 || index >= kBandCount) return;
    showBand(index);
    if (!SetBandMode(context_.Doc, index)) return;
    main_.UpdateTitle();
    announce(EditSection::GroupSettings);
}

// Shows the band at its work group; stores nothing.
void ChannelWindow::applyBand(int band) {
    band_ = band;
    ChannelEditorState::Of(main_).DisplayedBandMode = band;
    FillGroupLists(band);
    const int workGroup = context_.Doc.settings().WorkGroup[band];
    {
        const QSignalBlocker block(groupBox_);
        groupBox_->setCurrentIndex(workGroup >= 1 && workGroup <= groupBox_->count() ? workGroup - 1
                                                                                     : 0);
    }
    applyGroup();
    main_.UpdateTitle();
}

void ChannelWindow::FillGroupLists(int band) {
    const QSignalBlocker blockGroup(groupBox_);
    const QSignalBlocker blockCopy(groupCopy_);
    groupBox_->clear();
    groupCopy_->clear();
    for (int group = 1; group <= SelectableGroups(band); ++group) {
        // Name bytes from a radio may be anything: shown as the block windows show them.
        const QString name = Text(
            ShownName(GroupIndexToName(context_.Doc, band, group), *context_.Codec.AnsiCodePage));
        groupBox_->addItem(name);
        groupCopy_->addItem(name);
    }
    InitComboWorkGroup();
}

void ChannelWindow::InitComboWorkGroup() {
    const QSignalBlocker block(workGroupBox_);
    workGroupBox_->clear();
    for (int i = 0; i < groupBox_->count(); ++i) workGroupBox_->addItem(groupBox_->itemText(i));
    const int workGroup = context_.Doc.settings().WorkGroup[band_];
    workGroupBox_->setCurrentIndex(
        workGroup >= 1 && workGroup <= workGroupBox_->count() ? workGroup - 1 : 0);
}

int ChannelWindow::DisplayedGroup() const {
    return std::max(1, groupBox_->currentIndex() + 1);
}

// The user's pick: the radio works in the group picked, when it may (MEM and VFO excepted).
void ChannelWindow::groupChosen(int index) {
    Document& doc = context_.Doc;
    const int group = index + 1;
    doc.config().CurrentGroup[band_] = static_cast<i16>(group);
    if (!SetWorkGroup(doc, band_, group)) return;
    InitComboWorkGroup();
    announce(EditSection::GroupSettings);
}

// Shows the group the group selector names; stores nothing.
void ChannelWindow::applyGroup() {
    groupFrame_->setTitle(groupLabel_->text() + QStringLiteral(" -- ") + groupBox_->currentText());
    InitValidComboList();
    InitComboWorkGroup();
    SetEditNoVisable();
    SetGridData();
    selectRow(1);
    ShowChIfoDataOther();
}

void ChannelWindow::ShowGroupControls(int group) {
    const bool mem = IsMemGroup(band_, group);
    const bool vfo = IsVfoGroup(band_, group);
    for (QWidget* w :
         {static_cast<QWidget*>(workChannelLabel_), static_cast<QWidget*>(workChannelBox_),
          static_cast<QWidget*>(validLabel_), static_cast<QWidget*>(validBox_)})
        w->setVisible(!mem && !vfo);
    workGroupLabel_->setVisible(!vfo);
    workGroupBox_->setVisible(!vfo);
}

void ChannelWindow::SetGridData() {
    guarded("frmCommChInfo_SetGridData", [this] {
        const Document& doc = context_.Doc;
        const int group = DisplayedGroup();
        ShowGroupControls(group);
        if (!IsMemGroup(band_, group)) {
            const QSignalBlocker blockCopy(groupCopy_);
            groupCopy_->setCurrentIndex(groupBox_->currentIndex());
            const QSignalBlocker blockValid(validBox_);
            const int valid = doc.settings().GroupValid(band_, group);
            validBox_->setCurrentIndex(valid == 1 ? 1 : 0);
        }
        ShowValidComboText();
        model_->ShowGroup(band_, group);
        const GridShape& shape = model_->shape();
        // Column 0 is never narrower than its header; the last column takes the rest of the grid.
        grid_->setColumnWidth(0, std::max(TwipsToPixels(kChannelColumnTwips, logicalDpiX()),
                                          grid_->horizontalHeader()->sectionSizeHint(0)));
        grid_->setColumnWidth(1, TwipsToPixels(shape.freqColumnTwips, logicalDpiX()));
        grid_->setMinimumWidth(grid_->columnWidth(0) + grid_->columnWidth(1) +
                               grid_->verticalScrollBar()->sizeHint().width() +
                               2 * grid_->frameWidth());
        // The row remembered for the group, when the grid has it; otherwise row 1.
        const int remembered = doc.config().GroupCurrentChannel(band_, group);
        EditRow = remembered >= 1 && remembered <= shape.rows ? remembered : 1;
        selectRow(EditRow);
        reportNotNumeric();
    });
}

void ChannelWindow::ShowChannel(int band, int group, int row) {
    const Document& doc = context_.Doc;
    if (band < 0 || band >= kBandCount) return;
    // Without the radio's HF option only CB can be on screen.
    if (band != kBandCb && !doc.Radio.RadioOptionFlag) return;
    if (band != band_) {
        // Showing another band is navigation: the stored band stays as it is.
        const QSignalBlocker blockBand(bandBox_);
        bandBox_->setCurrentIndex(band);
        showBand(band);
    }
    if (group >= 1 && group <= groupBox_->count()) {
        const QSignalBlocker block(groupBox_);
        groupBox_->setCurrentIndex(group - 1);
    }
    groupFrame_->setTitle(groupLabel_->text() + QStringLiteral(" -- ") + groupBox_->currentText());
    InitValidComboList();
    InitComboWorkGroup();
    SetEditNoVisable();
    SetGridData();
    if (row >= 1) selectRow(row);
    ShowChIfoDataOther();
}

void ChannelWindow::InitValidComboList() {
    const QSignalBlocker block(workChannelBox_);
    workChannelBox_->clear();
    const int group = DisplayedGroup();
    if (IsMemGroup(band_, group)) return;
    for (const std::string& number : NormalChannelNumbers(context_.Doc.Working, band_, group))
        workChannelBox_->addItem(Text(number));
}

void ChannelWindow::ShowValidComboText() {
    const QSignalBlocker block(workChannelBox_);
    const int chNo = context_.Doc.settings().GroupWorkChannel(band_, DisplayedGroup());
    workChannelBox_->setCurrentIndex(workChannelBox_->findText(Text(GetCHName(chNo))));
}

void ChannelWindow::workChannelChosen(int index) {
    const int group = DisplayedGroup();
    // CB group 7 keeps no work channel of its own.
    if (index < 0 || (band_ == kBandCb && group == 7)) {
        ShowValidComboText();
        return;
    }
    const int chosen = GetCHID(workChannelBox_->itemText(index).toStdString());
    if (!SetGroupWorkChannel(context_.Doc, band_, group, chosen)) return;
    announce(EditSection::GroupSettings);
}

void ChannelWindow::workGroupChosen(int index) {
    if (!SetWorkGroup(context_.Doc, band_, index + 1)) {
        InitComboWorkGroup();
        return;
    }
    announce(EditSection::GroupSettings);
}

void ChannelWindow::groupValidChosen(int index) {
    const int group = DisplayedGroup();
    const GroupValidOutcome outcome = SetGroupValid(context_.Doc, band_, group, index, refresher());
    if (!outcome.Stored) {
        const QSignalBlocker block(validBox_);
        validBox_->setCurrentIndex(context_.Doc.settings().GroupValid(band_, group) == 1 ? 1 : 0);
        return;
    }
    InitComboWorkGroup();
    if (outcome.CreatedChannel) reShowGrid(1);
    announce(outcome.CreatedChannel ? EditSection::Channels : EditSection::GroupSettings);
}

void ChannelWindow::ReShow_Group_Name() {
    const int index = groupBox_->currentIndex();
    FillGroupLists(band_);
    {
        const QSignalBlocker block(groupBox_);
        groupBox_->setCurrentIndex(index);
    }
    groupFrame_->setTitle(groupLabel_->text() + QStringLiteral(" -- ") + groupBox_->currentText());
}

void ChannelWindow::ReShowChInfoByLanguage() {
    const int row = currentRow();
    ChangShowByLanguage();
    SetGridData();
    selectRow(row);
    ShowChIfoDataOther();
}

// ---- Grid ------------------------------------------------------------------------------------

int ChannelWindow::currentRow() const {
    const QModelIndex index = grid_->currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

int ChannelWindow::actedRow() const {
    // Ctrl+arrows and Ctrl+click move the current cell without moving the highlight: the row the
    // user sees highlighted is the one the panel shows and a pick changes.
    const std::vector<int> rows = selectedRows();
    const int row = currentRow();
    if (rows.empty() || std::find(rows.begin(), rows.end(), row) != rows.end()) return row;
    return rows.front();
}

void ChannelWindow::selectRow(int row) {
    if (row < 1 || row > model_->rowCount()) return;
    const int column = std::max(1, grid_->currentIndex().column());
    const QScopedValueRollback selecting(selecting_, true);
    grid_->selectionModel()->setCurrentIndex(
        model_->index(row - 1, column),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ChannelWindow::reportNotNumeric() {
    if (model_->TakeNotNumeric()) ShowMessage(this, language(), NotNumericFreqText());
}

void ChannelWindow::reShowGrid(int row) {
    guarded("frmCommChInfo_reShowGrid", [this, row] {
        const int group = DisplayedGroup();
        if (!IsMemGroup(band_, group)) {
            const QSignalBlocker block(validBox_);
            validBox_->setCurrentIndex(context_.Doc.settings().GroupValid(band_, group) == 1 ? 1
                                                                                             : 0);
        }
        InitComboWorkGroup();
        model_->RefreshRow(row);
        if (row == currentRow()) ShowChIfoDataOther();
        reportNotNumeric();
    });
}

void ChannelWindow::reShowGrid() {
    guarded("frmCommChInfo_reShowGrid", [this] {
        const int group = DisplayedGroup();
        if (!IsMemGroup(band_, group)) {
            const QSignalBlocker block(validBox_);
            validBox_->setCurrentIndex(context_.Doc.settings().GroupValid(band_, group) == 1 ? 1
                                                                                             : 0);
        }
        InitComboWorkGroup();
        InitValidComboList();
        ShowValidComboText();
        model_->RefreshAll();
        ShowChIfoDataOther();
        reportNotNumeric();
    });
}

void ChannelWindow::SetEditNoVisable() {
    details_->hide();
}

void ChannelWindow::ShowChIfoDataOther() {
    guarded("ShowChIfoDataOther", [this] {
        const int row = actedRow();
        const int group = DisplayedGroup();
        Document& doc = context_.Doc;
        const RowRecord found = FindRowRecord(doc.Working, band_, group, row);
        const ChannelRecord* record = RecordOf(doc.Working, band_, group, found);
        if (row < 1 || record == nullptr) {
            details_->hide();
            return;
        }
        DetailContext shown{
            band_, group, IsMemGroup(band_, group), found.kind == RowRecord::Kind::CbMemory, {}};
        if (shown.cbMemoryRow)
            shown.cbMemChoices = CbMemChannelChoices(doc.Working, group, *record);
        // With several rows selected the panel shows what the selected records have in common.
        std::vector<ShownRecord> records;
        std::string label = GridRowLabel(band_, group, row);
        const std::vector<int> rows = selectedRows();
        if (rows.size() > 1) {
            for (int selected : rows) {
                const RowRecord other = FindRowRecord(doc.Working, band_, group, selected);
                if (const ChannelRecord* held = RecordOf(doc.Working, band_, group, other))
                    records.push_back({*held, other.kind == RowRecord::Kind::CbMemory});
            }
            label = GridRowLabel(band_, group, rows.front()) + " - " +
                    GridRowLabel(band_, group, rows.back()) + " (" + std::to_string(rows.size()) +
                    ")";
        }
        if (records.size() < 2) records.assign(1, {*record, shown.cbMemoryRow});
        details_->ShowRecords(records, shown, Text(DetailCaption(label)));
        details_->show();
    });
}

void ChannelWindow::detailChosen(int box, int value) {
    const DetailBox* desc = FindDetailBox(box);
    if (desc == nullptr) return;
    Document& doc = context_.Doc;
    const int group = DisplayedGroup();
    const std::vector<int> rows = selectedRows();
    if (rows.size() > 1) {
        const BulkDetailOutcome outcome = SetDetailOnRows(doc, band_, group, rows, *desc, value);
        for (int row : outcome.ChangedRows) model_->RefreshRow(row);
        ShowChIfoDataOther();
        if (!outcome.ChangedRows.empty())
            announce(EditSection::Channels, outcome.ChangedRows.front(),
                     outcome.ChangedRows.back());
        if (!outcome.SkippedRows.empty())
            ShowMessage(this, language(), DetailSkippedText(band_, group, outcome),
                        MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    const int row = actedRow();
    if (!SetDetailValue(doc, band_, group, row, *desc, value)) return;
    model_->RefreshRow(row);
    ShowChIfoDataOther();
    announce(EditSection::Channels, row, row);
}

// ---- Frequency entry -------------------------------------------------------------------------

void ChannelWindow::EnterGridEdit() {
    guarded("frmCommChInfo_EnterGridEdit", [this] {
        const QModelIndex index = grid_->currentIndex();
        if (!index.isValid()) return;
        EditCol = index.column();
        EditRow = index.row() + 1;
        if (EditCol != 1 || band_ == kBandCb) return;
        editBox_->setGeometry(grid_->visualRect(index));
        editBox_->setText(model_->data(index, Qt::DisplayRole).toString());
        editBox_->show();
        editBox_->setFocus();
        editBox_->selectAll();
    });
}

void ChannelWindow::GridNextLine() {
    guarded("frmCommChInfo_GridNextLine", [this] {
        const int row = currentRow();
        selectRow(row >= model_->rowCount() ? 1 : row + 1);
        grid_->setFocus();
    });
}

void ChannelWindow::SaveShowGridData() {
    if (!editBox_->isVisible()) return;
    const std::string typed = editBox_->text().toStdString();
    // Hidden first: hiding moves the focus, which must not commit a second time.
    editBox_->hide();
    guarded("frmCommChInfo_SaveShowGridData", [this, &typed] {
        if (EditRow <= 0 || EditCol != 1 || band_ == kBandCb) return;
        Document& doc = context_.Doc;
        const int group = DisplayedGroup();
        doc.config().CurrentGroup[band_] = static_cast<i16>(group);
        const GroupSnapshot before = GroupSnapshot::Of(doc, band_, group);
        const std::optional<TextPair> warning =
            ApplyChannelFreq(doc, band_, group, EditRow, typed, BandLimits(band_), refresher());
        if (!(GroupSnapshot::Of(doc, band_, group) == before))
            announce(EditSection::Channels, EditRow, EditRow);
        if (warning)
            ShowMessage(this, language(), *warning, MessageButtons::Ok, MessageIcon::Warning);
    });
}

void ChannelWindow::FinishEdit() {
    SaveShowGridData();
}

bool ChannelWindow::startsFrequencyEntry(const QKeyEvent& key) const {
    if (band_ == kBandCb || key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const QString text = key.text();
    return text.size() == 1 && ((text[0].isDigit() && text[0].unicode() < 128) || text[0] == u'.');
}

ChannelWindowRefresh ChannelWindow::refresher() {
    return {[this](int row) { reShowGrid(row); },
            [this] {
                InitValidComboList();
                ShowValidComboText();
            }};
}

bool ChannelWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editBox_) {
        if (event->type() == QEvent::FocusOut) {
            SaveShowGridData();
            return false;
        }
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        bool discard = false;
        guarded("FrmCommChInfo_Text1_KeyPress_Error", [&] {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                // Empty or not, Enter moves to the next row; the grid taking the focus commits.
                GridNextLine();
                discard = true;
                return;
            }
            if (key->key() == Qt::Key_Escape) {
                // Hidden first, so that the grid taking the focus commits nothing.
                editBox_->hide();
                grid_->setFocus();
                discard = true;
                return;
            }
            if (IsClipboardKey(*key)) {
                discard = true;
                return;
            }
            const QString text = key->text();
            if (text.isEmpty()) return;
            const char16_t c = text.at(0).unicode();
            if (c > 127)
                discard = true;
            else if (c >= 32 && c != 127 && !(c >= '0' && c <= '9') && c != '.')
                discard = true;
        });
        return discard;
    }
    // The menu key, and Shift+F10 which the desktop does not turn into a menu request, open the
    // menu as a click on the highlighted row does.
    const bool menuKey =
        (event->type() == QEvent::ContextMenu &&
         static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) ||
        (event->type() == QEvent::KeyPress &&
         static_cast<QKeyEvent*>(event)->key() == Qt::Key_F10 &&
         static_cast<QKeyEvent*>(event)->modifiers() == Qt::ShiftModifier);
    if (watched == grid_ && menuKey) {
        // On the highlighted row, which a Ctrl+arrow may have left the focus frame away from.
        const QModelIndex at = model_->index(std::max(1, actedRow()) - 1, 1);
        contextMenuAt(grid_->visualRect(at).center());
        return true;
    }
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // The entry opens on the row it will change, highlighted.
            selectRow(std::max(1, currentRow()));
            EnterGridEdit();
            return true;
        }
        if (startsFrequencyEntry(*key)) {
            // The key typed is the entry's first character, as in a spreadsheet.
            const QString first = key->text();
            selectRow(std::max(1, currentRow()));
            EnterGridEdit();
            if (editBox_->isVisible()) editBox_->setText(first);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- List commands ---------------------------------------------------------------------------

void ChannelWindow::contextMenuAt(const QPoint& pos) {
    const int group = DisplayedGroup();
    if (band_ == kBandHf && !IsMemGroup(band_, group)) return;
    const QModelIndex index = grid_->indexAt(pos);
    if (!index.isValid()) return;
    grid_->setFocus();
    // A click inside the selection runs the commands on the whole selection.
    grid_->selectionModel()->setCurrentIndex(
        index, grid_->selectionModel()->isRowSelected(index.row())
                   ? QItemSelectionModel::NoUpdate
                   : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    setListCommandsEnabled(true);
    QAction* menuAction = main_.menuAction(QStringLiteral("mnuListEdit"));
    if (menuAction == nullptr || menuAction->menu() == nullptr) return;
    contextMenuRunning_ = true;
    menuAction->menu()->exec(grid_->viewport()->mapToGlobal(pos));
    contextMenuRunning_ = false;
}

void ChannelWindow::setListCommandsEnabled(bool enabled) {
    for (const char* name : kListItems)
        if (QAction* item = main_.menuAction(QString::fromLatin1(name))) item->setEnabled(enabled);
    if (QAction* paste = main_.menuAction(QStringLiteral("mnuPaste")))
        paste->setEnabled(enabled &&
                          (ChannelEditorState::Of(main_).Clipboard.Full || ClipboardOffersRows()));
}

bool ChannelWindow::listCommandsApply() const {
    return contextMenuRunning_ || grid_->hasFocus();
}

std::vector<int> ChannelWindow::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows())
        rows.push_back(index.row() + 1);
    std::sort(rows.begin(), rows.end());
    if (rows.empty() && currentRow() >= 1) rows.push_back(currentRow());
    return rows;
}

void ChannelWindow::runListCommand(const std::function<RowsEditOutcome()>& command) {
    if (!listCommandsApply()) return;
    showListOutcome(command());
}

void ChannelWindow::showListOutcome(const RowsEditOutcome& outcome) {
    setListCommandsEnabled(true);
    if (outcome.Changed) {
        for (int row = outcome.FirstRow; row <= outcome.LastRow; ++row) model_->RefreshRow(row);
        reShowGrid(currentRow());
        InitValidComboList();
        ShowValidComboText();
        announce(EditSection::Channels, outcome.FirstRow, outcome.LastRow);
    }
    if (outcome.Message)
        ShowMessage(this, language(), *outcome.Message, MessageButtons::Ok, MessageIcon::Warning);
    if (!outcome.Refused.empty())
        ShowMessage(this, language(), RowsNotPastedText(outcome.Refused), MessageButtons::Ok,
                    MessageIcon::Warning);
}

void ChannelWindow::ListCopy() {
    runListCommand([this] {
        CopyRowsToClipboard(context_.Doc, band_, DisplayedGroup(), selectedRows(), language(),
                            ChannelEditorState::Of(main_));
        return RowsEditOutcome{};
    });
}

void ChannelWindow::ListCut() {
    runListCommand([this] {
        const int group = DisplayedGroup();
        if (IsVfoGroup(band_, group))
            return AsRowsOutcome(ListEditOutcome{false, 0, 0, VfoKeepsItsChannelText()});
        const std::vector<int> rows = selectedRows();
        CopyRowsToClipboard(context_.Doc, band_, group, rows, language(),
                            ChannelEditorState::Of(main_));
        return deleteRows(rows);
    });
}

void ChannelWindow::ListDelete() {
    runListCommand([this] { return deleteRows(selectedRows()); });
}

RowsEditOutcome ChannelWindow::deleteRows(const std::vector<int>& rows) {
    const int group = DisplayedGroup();
    if (rows.size() == 1)
        return AsRowsOutcome(DeleteChannel(context_.Doc, band_, group, rows.front(), refresher()));
    return DeleteChannelRows(context_.Doc, band_, group, rows, refresher());
}

void ChannelWindow::ListPaste() {
    runListCommand([this] { return pasteRows(false); });
}

void ChannelWindow::ListInsertPaste() {
    runListCommand([this] { return pasteRows(true); });
}

RowsEditOutcome ChannelWindow::pasteRows(bool inserting) {
    Document& doc = context_.Doc;
    const int group = DisplayedGroup();
    const std::vector<int> selected = selectedRows();
    const int row = selected.empty() ? 0 : selected.front();
    ChannelEditorState& state = ChannelEditorState::Of(main_);
    ClipboardPaste paste = RowsFromClipboard(doc, band_, group, row, inserting, state);
    RowsEditOutcome outcome;
    switch (paste.From) {
        case ClipboardPaste::Source::Nothing:
            // Insert&Paste with nothing copied still opens the row.
            if (!inserting) return outcome;
            [[fallthrough]];
        case ClipboardPaste::Source::OneRecord: {
            if (!inserting)
                return AsRowsOutcome(
                    PasteChannel(doc, band_, group, row, state.Clipboard, refresher()));
            // A full group loses its last channel only when the user says so.
            const std::optional<int> lost = InsertPasteWouldLose(doc, band_, group, row);
            if (lost &&
                ShowMessage(this, language(), InsertPasteLosesText(band_, group, *lost),
                            MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
                return outcome;
            return AsRowsOutcome(InsertPasteChannel(doc, band_, group, row, state.Clipboard,
                                                    refresher(), lost.has_value()));
        }
        case ClipboardPaste::Source::Rows:
            break;
    }
    if (paste.Error) {
        outcome.Message = paste.Error;
        return outcome;
    }
    if (inserting) {
        const int lost = InsertRowsWouldLose(doc, band_, group, row, paste.Rows);
        if (lost > 0 &&
            ShowMessage(this, language(), InsertRowsLoseText(lost), MessageButtons::YesNo,
                        MessageIcon::Question) != MessageAnswer::Yes)
            return outcome;
        outcome = InsertPasteChannelRows(doc, band_, group, row, paste.Rows, refresher(), lost > 0);
    } else {
        outcome = PasteChannelRows(doc, band_, group, row, paste.Rows, refresher());
    }
    outcome.Refused.insert(outcome.Refused.begin(), paste.Refused.begin(), paste.Refused.end());
    std::stable_sort(outcome.Refused.begin(), outcome.Refused.end(),
                     [](const RefusedLine& a, const RefusedLine& b) { return a.Line < b.Line; });
    return outcome;
}

// ---- Tones, codes, notifications, closing ----------------------------------------------------

void ChannelWindow::ShowRB() {
    details_->SetRogerTones(DefinedRogerTones(context_.Doc.config()));
}

void ChannelWindow::ShowDTMF() {
    details_->SetDtmfCodes(DefinedDtmfCodes(context_.Doc.config()));
}

void ChannelWindow::announce(EditSection section, int firstRow, int lastRow) {
    announcing_ = true;
    main_.DocumentEdited(DocumentEdit{section, band_, DisplayedGroup(), firstRow, lastRow});
    announcing_ = false;
}

void ChannelWindow::onDocumentEdited(const DocumentEdit& edit) {
    if (announcing_) return;
    if (edit.Replaced) {
        guarded("frmCommChInfo_Form_Load", [this] { showDocument(); });
        return;
    }
    switch (edit.Section) {
        case EditSection::Tones:
            ShowRB();
            ShowChIfoDataOther();
            break;
        case EditSection::Dtmf:
            ShowDTMF();
            ShowChIfoDataOther();
            break;
        case EditSection::Channels:
        case EditSection::GroupSettings:
        case EditSection::PublicChannels:
        case EditSection::Settings:
        case EditSection::Whole:
            if (edit.Band >= 0 && edit.Band != band_) break;
            ReShow_Group_Name();
            ShowRB();
            ShowDTMF();
            reShowGrid();
            break;
        default:
            break;
    }
}

void ChannelWindow::closeEvent(QCloseEvent* event) {
    guarded("frmCommChInfo_Form_Unload", [this] {
        FinishEdit();
        context_.Doc.ChannelEditorOpen = false;
        setListCommandsEnabled(false);
    });
    event->accept();
}

}  // namespace kv
