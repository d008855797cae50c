// The block windows, built from their descriptions.
#include "editors/blocks/ui/block_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <map>

#include "app/twips.h"
#include "gui/document_editor.h"
#include "gui/editor_frame.h"
#include "gui/editor_host.h"
#include "gui/message_box.h"
#include "gui/pick_list.h"
#include "gui/qt_text.h"
#include "gui/shell_context.h"

namespace kv {
namespace {

// A label ends 100 twips left of its list.
constexpr int kLabelGapTwips = 100;
constexpr int kListWidthTwips = 1500;

}  // namespace

BlockWindow::BlockWindow(const BlockWindowDescription& description, ShellContext& context,
                         EditorHost& main, QWidget* parent)
    : QWidget(parent),
      context_(context),
      main_(main),
      edit_(description, context.Doc, *context.Codec.AnsiCodePage) {
    setObjectName(QString::fromLatin1(description.ObjectName));
    setWindowTitle(Text(description.Caption));
    build();
    showValues();
    connect(&main_.Editor(), &DocumentEditor::edited, this, &BlockWindow::onDocumentEdited);
}

void BlockWindow::build() {
    const BlockWindowDescription& d = edit_.Description();
    const int dpi = logicalDpiX();
    std::map<BlockFrame, QGridLayout*> grids;
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    for (BlockFrame frame : {BlockFrame::Cb, BlockFrame::Hf, BlockFrame::Ham}) {
        auto* box = new QGroupBox(QString::fromLatin1(BlockFrameCaption(frame)), content);
        box->setObjectName(QString::fromLatin1(BlockFrameName(frame)));
        auto* grid = new QGridLayout(box);
        grid->setHorizontalSpacing(TwipsToPixels(kLabelGapTwips, dpi));
        grids[frame] = grid;
        layout->addWidget(box);
    }
    lists_.resize(d.Lists.size());
    for (const BlockListRow& row : d.Lists) {
        auto* label = new QLabel(Text(row.Caption), this);
        label->setObjectName(QStringLiteral("lblEuEmg_%1").arg(row.Index));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("Combo1_%1").arg(row.Index));
        list->setMinimumWidth(TwipsToPixels(kListWidthTwips, dpi));
        label->setBuddy(list);
        lists_[row.Index] = list;
        if (row.Hidden) {
            label->hide();
            list->hide();
        } else {
            QGridLayout* grid = grids.at(row.Frame);
            grid->addWidget(label, row.Row, 2 * row.Column);
            grid->addWidget(list, row.Row, 2 * row.Column + 1);
        }
        OnUserPick(list, this,
                   [this, index = row.Index](int position) { onPicked(index, position); });
    }
    for (auto& [frame, grid] : grids)
        for (int c = 1; c < grid->columnCount(); c += 2) grid->setColumnStretch(c, 1);
    if (!d.EmptyHint.empty()) {
        const QString hint = Text(d.EmptyHint.in(context_.State.CurrentLanguage));
        for (auto& [frame, grid] : grids) {
            auto* label = new QLabel(hint, this);
            label->setObjectName(QStringLiteral("lblEmptyHint_") +
                                 QString::fromLatin1(BlockFrameName(frame)));
            label->hide();
            grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
            emptyHints_.emplace_back(frame, label);
        }
    }

    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QStringLiteral("cmdSave"));
    connect(save, &QPushButton::clicked, this, &BlockWindow::save);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    layout->addStretch(1);
    SetScrollingContent(this, content, buttons);
}

void BlockWindow::showValues() {
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        QComboBox* list = lists_[i];
        const QSignalBlocker block(list);
        const int index = static_cast<int>(i);
        list->clear();
        for (const BlockListEntry& entry : edit_.Entries(index)) list->addItem(Text(entry.Text));
        if (!edit_.StoresValue(index)) continue;
        ShowPick(list, edit_.Shown(index),
                 edit_.ListsChannels(index) ? UnlistedKind::Channel : UnlistedKind::Value,
                 edit_.ShownNumber(index), context_.State.CurrentLanguage);
    }
    for (auto& [frame, label] : emptyHints_) label->setVisible(edit_.ShowsEmptyHint(frame));
}

void BlockWindow::onPicked(int list, int position) {
    edit_.Choose(context_.Doc, list, position);
    ownChanges_ = edit_.Differs(context_.Doc);
    showValues();
}

void BlockWindow::storeCopy() {
    // One step; a Save that changes nothing records and announces nothing.
    main_.Editor().Apply([this](Document& doc) { edit_.Save(doc); },
                         DocumentEdit{EditSection::SpecialBlocks});
    ownChanges_ = false;
}

void BlockWindow::save() {
    storeCopy();
    CloseEditorFrame(this);
}

bool BlockWindow::ResolveCopy() {
    if (!edit_.Differs(context_.Doc)) return true;
    switch (ShowMessage(this, context_.State.CurrentLanguage, SaveWindowChangesQuestion(),
                        MessageButtons::YesNoCancel, MessageIcon::Question)) {
        case MessageAnswer::Yes:
            storeCopy();
            return true;
        case MessageAnswer::No:
            edit_.Reset(context_.Doc);
            ownChanges_ = false;
            showValues();
            return true;
        default:
            return false;
    }
}

void BlockWindow::closeEvent(QCloseEvent* event) {
    if (!ResolveCopy()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void BlockWindow::onDocumentEdited(const DocumentEdit& edit) {
    // The lists show channels, memories and group names; the copy is the window's own. It starts
    // again from the document when the document is replaced (its changes were settled before),
    // and after an undo or redo while it holds no unsaved pick, so that it shows what is stored.
    if (edit.Replaced || (edit.Section == EditSection::Whole && !ownChanges_)) {
        edit_.Reset(context_.Doc);
        ownChanges_ = false;
        showValues();
        return;
    }
    if (edit.Section == EditSection::SpecialBlocks) return;
    edit_.Refill(context_.Doc);
    showValues();
}

bool BlockWindow::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange)
        FixOuterSize(this, edit_.Description().WidthTwips, edit_.Description().HeightTwips);
    return QWidget::event(event);
}

QWidget* CreateEmergencyWindow(ShellContext& context, EditorHost& main) {
    return new BlockWindow(EmergencyWindowDescription(), context, main);
}

QWidget* CreateDualWatchWindow(ShellContext& context, EditorHost& main) {
    return new BlockWindow(DualWatchWindowDescription(), context, main);
}

QWidget* CreateMemoryKeyWindow(ShellContext& context, EditorHost& main) {
    return new BlockWindow(MemoryKeyWindowDescription(), context, main);
}

}  // namespace kv
