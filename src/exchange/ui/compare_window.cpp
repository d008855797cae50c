// The comparison window.
#include "exchange/ui/compare_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main_window_tables.h"
#include "app/shared_messages.h"
#include "editors/channels/grid_rows.h"
#include "exchange/channel_export.h"
#include "exchange/import_texts.h"
#include "exchange/ui/exchange_texts.h"
#include "gui/editor_host.h"
#include "gui/editor_window.h"
#include "gui/qt_text.h"
#include "gui/window_registry.h"

namespace kv {
namespace {

// The editor window that shows a difference; nullptr for data no window shows.
const char* WindowOf(DiffArea area) {
    switch (area) {
        case DiffArea::Channel:
        case DiffArea::CbMemory:
        case DiffArea::Group:
            return kChannelWindow;
        case DiffArea::GroupName:
            return kGroupNameWindow;
        case DiffArea::Setting:
            return kSettingsWindow;
        case DiffArea::RogerBeep:
            return kRogerBeepWindow;
        case DiffArea::Dtmf:
            return kDtmfWindow;
        case DiffArea::Weather:
            return kWeatherWindow;
        case DiffArea::Emergency:
            return kEmergencyWindow;
        case DiffArea::DualWatch:
            return kDualWatchWindow;
        case DiffArea::MemoryKey:
            return kMemoryKeyWindow;
        case DiffArea::Hidden:
            break;
    }
    return nullptr;
}

struct GridPlace {
    int Band = -1;
    int Group = -1;
    int Row = 0;  // 0: the group only
};

// Where the channel window shows a difference: a channel's row is its number, a CB memory's row
// follows the channel rows of the group whose block holds it.
GridPlace PlaceOf(const Difference& difference, const RadioData& data) {
    switch (difference.Area) {
        case DiffArea::Channel:
            return {difference.Band, difference.Group, difference.ChNo};
        case DiffArea::CbMemory: {
            const int n = difference.ChNo;
            const int group = CbMemoryGroup(data.Store.cbMem(n), n);
            return {kBandCb, group,
                    GridShapeFor(kBandCb, group).channelRows + (n - 1) % kCbMemoriesPerBlock + 1};
        }
        case DiffArea::Group:
            return {difference.Band, difference.Group, 0};
        default:
            return {};
    }
}

}  // namespace

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
    const Difference& difference = differences_[static_cast<std::size_t>(index)];
    const char* window = WindowOf(difference.Area);
    if (window == nullptr) return;
    auto* editor =
        WindowRegistry::InterfaceOf<EditorWindow>(host_.OpenEditor(QString::fromLatin1(window)));
    host_.Widget()->raise();
    host_.Widget()->activateWindow();
    const GridPlace place = PlaceOf(difference, doc_.Working);
    if (editor == nullptr || place.Band < 0) return;
    editor->ShowChannel(place.Band, place.Group, place.Row);
}

}  // namespace kv
