// The band map window.
#include "editors/channels/ui/band_map_window.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>

#include "app/main_window_tables.h"
#include "app/shared_messages.h"
#include "editors/channels/channel_names.h"
#include "editors/channels/grid_rows.h"
#include "editors/channels/ui/band_map_painter.h"
#include "editors/channels/ui/channel_editor_state.h"
#include "editors/channels/ui/channel_window.h"
#include "files/data_file.h"
#include "files/safe_save.h"
#include "gui/document_editor.h"
#include "gui/editor_host.h"
#include "gui/file_chooser.h"
#include "gui/message_box.h"
#include "gui/open_place.h"
#include "gui/qt_text.h"
#include "gui/shell_context.h"

namespace kv {
namespace {

struct BandMapTexts {
    TextPair Caption{"Band Map", "频段图"};
    TextPair Band{"&Band:", "频段(&B)："};
    TextPair Group{"&Group:", "组(&G)："};
    TextPair AllGroups{"All groups", "全部组"};
    TextPair Plan{"Band &plan:", "频段规划(&P)："};
    TextPair Print{"P&rint…", "打印(&R)…"};
    TextPair ExportPng{"Export P&NG…", "导出 PNG(&N)…"};
    TextPair ExportSvg{"Export &SVG…", "导出 SVG(&S)…"};
    TextPair Flagged{"Channels that do not fit the band plan: %1", "不符合频段规划的信道：%1"};
    TextPair Outside{"%1 channel(s) lie outside the range shown.", "%1 个信道不在所示范围内。"};
    TextPair PngLabel{"PNG picture", "PNG 图片"};
    TextPair SvgLabel{"SVG drawing", "SVG 图形"};
    TextPair ExportFailed{"The band map was not saved.", "频段图未保存。"};
};

const BandMapTexts& Texts() {
    static const BandMapTexts texts;
    return texts;
}

constexpr const char* kBandNames[] = {"CB", "HF", "HAM"};
// The size of an exported picture.
constexpr QSize kExportSize(1400, 420);

}  // namespace

// ---- The drawing -----------------------------------------------------------------------------

BandMapView::BandMapView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BandMapView"));
    setMouseTracking(true);
    setMinimumSize(600, 260);
    setFocusPolicy(Qt::StrongFocus);
}

void BandMapView::SetModel(const BandMapModel* model, int language) {
    model_ = model;
    language_ = language;
    if (model_ == nullptr || current_ >= static_cast<int>(model_->Marks.size())) current_ = -1;
    update();
}

QSize BandMapView::sizeHint() const {
    return {1000, 320};
}

int BandMapView::MarkAt(const QPointF& point) const {
    if (model_ == nullptr) return -1;
    const std::vector<MarkPlace> places = MarkPlaces(*model_, QRectF(rect()));
    int best = -1;
    double bestDistance = (kMarkRadius + 3) * (kMarkRadius + 3);
    for (std::size_t i = 0; i < places.size(); ++i)
        for (const QPointF& dot : {places[i].Rx, places[i].Tx}) {
            const QPointF d = dot - point;
            const double distance = d.x() * d.x() + d.y() * d.y();
            if (distance <= bestDistance) {
                bestDistance = distance;
                best = static_cast<int>(i);
            }
        }
    return best;
}

void BandMapView::paintEvent(QPaintEvent*) {
    if (model_ == nullptr) return;
    QPainter painter(this);
    PaintBandMap(painter, QRectF(rect()), *model_, language_);
    if (current_ < 0 || !hasFocus()) return;
    const MarkPlace place = MarkPlaces(*model_, QRectF(rect()))[static_cast<std::size_t>(current_)];
    painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(place.Rx - QPointF(kMarkRadius + 5, kMarkRadius + 5),
                            QSizeF(2 * kMarkRadius + 10, 2 * kMarkRadius + 10)));
}

void BandMapView::keyPressEvent(QKeyEvent* event) {
    const int count = model_ == nullptr ? 0 : static_cast<int>(model_->Marks.size());
    const auto moveTo = [this](int mark) {
        current_ = mark;
        update();
        const MarkPlace place = MarkPlaces(*model_, QRectF(rect()))[static_cast<std::size_t>(mark)];
        emit markHovered(mark, mapToGlobal(place.Rx.toPoint()));
    };
    switch (event->key()) {
        case Qt::Key_Right:
            if (count > 0) moveTo(current_ + 1 < count ? current_ + 1 : 0);
            return;
        case Qt::Key_Left:
            if (count > 0) moveTo(current_ > 0 ? current_ - 1 : count - 1);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (current_ >= 0 && current_ < count) emit markClicked(current_);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void BandMapView::mouseMoveEvent(QMouseEvent* event) {
    const int mark = MarkAt(event->position());
    setCursor(mark >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    emit markHovered(mark, event->globalPosition().toPoint());
}

void BandMapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int mark = MarkAt(event->position());
    if (mark >= 0) emit markClicked(mark);
}

// ---- The window ------------------------------------------------------------------------------

BandMapWindow::BandMapWindow(ShellContext& context, EditorHost& host, int band, int group,
                             QWidget* parent)
    : QDialog(parent), context_(context), host_(host) {
    setObjectName(QStringLiteral("BandMapWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);

    const auto named = [this](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    bandLabel_ = named(new QLabel(this), "BandLabel");
    bandBox_ = named(new QComboBox(this), "BandBox");
    for (const char* name : kBandNames) bandBox_->addItem(QString::fromLatin1(name));
    // Without the radio's option only the CB band exists.
    bandBox_->setEnabled(context_.Doc.Radio.RadioOptionFlag);
    bandBox_->setCurrentIndex(band >= 0 && band < kBandCount ? band : kBandCb);
    bandLabel_->setBuddy(bandBox_);
    groupLabel_ = named(new QLabel(this), "GroupLabel");
    groupBox_ = named(new QComboBox(this), "GroupBox");
    groupLabel_->setBuddy(groupBox_);
    regionLabel_ = named(new QLabel(this), "RegionLabel");
    regionBox_ = named(new QComboBox(this), "RegionBox");
    for (IaruRegion region : kIaruRegions) regionBox_->addItem(QString(), static_cast<int>(region));
    regionLabel_->setBuddy(regionBox_);
    view_ = new BandMapView(this);
    flaggedLabel_ = named(new QLabel(this), "FlaggedLabel");
    flagged_ = named(new QListWidget(this), "FlaggedList");
    flagged_->setMaximumHeight(120);
    flaggedLabel_->setBuddy(flagged_);
    outside_ = named(new QLabel(this), "OutsideLabel");
    auto* print = named(new QPushButton(this), "PrintButton");
    auto* png = named(new QPushButton(this), "ExportPngButton");
    auto* svg = named(new QPushButton(this), "ExportSvgButton");
    auto* close = named(new QPushButton(this), "CommandClose");
    close->setAutoDefault(false);

    auto* controls = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{bandLabel_, bandBox_, groupLabel_, groupBox_,
                                                      regionLabel_, regionBox_})
        controls->addWidget(w);
    controls->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(outside_, 1);
    for (QPushButton* b : {print, png, svg, close}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(view_, 1);
    layout->addWidget(flaggedLabel_);
    layout->addWidget(flagged_);
    layout->addLayout(buttons);

    fillGroups();
    if (group >= 0 && group < groupBox_->count()) groupBox_->setCurrentIndex(group);
    retranslate();

    connect(bandBox_, &QComboBox::activated, this, [this] {
        fillGroups();
        rebuild();
    });
    connect(groupBox_, &QComboBox::activated, this, [this] { rebuild(); });
    connect(regionBox_, &QComboBox::activated, this, [this] { rebuild(); });
    connect(view_, &BandMapView::markHovered, this, [this](int index, const QPoint& at) {
        if (index < 0) {
            QToolTip::hideText();
            return;
        }
        QToolTip::showText(at, Text(MarkName(context_.Doc, model_.Marks[index]).in(language())),
                           view_);
    });
    connect(view_, &BandMapView::markClicked, this, &BandMapWindow::OpenMark);
    connect(flagged_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int line = flagged_->row(item);
        if (line >= 0 && line < static_cast<int>(flaggedMarks_.size()))
            OpenMark(flaggedMarks_[static_cast<std::size_t>(line)]);
    });
    connect(print, &QPushButton::clicked, this, &BandMapWindow::Print);
    connect(png, &QPushButton::clicked, this, &BandMapWindow::ExportPng);
    connect(svg, &QPushButton::clicked, this, &BandMapWindow::ExportSvg);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    // The map shows the document: every edit, undo and redo redraws it.
    connect(&host_.Editor(), &DocumentEditor::edited, this, [this] {
        fillGroups();
        rebuild();
    });
    rebuild();
    resize(1050, 560);
}

int BandMapWindow::language() const {
    return context_.State.CurrentLanguage;
}

void BandMapWindow::fillGroups() {
    const int band = bandBox_->currentIndex();
    const int kept = groupBox_->currentIndex();
    const QSignalBlocker block(groupBox_);
    groupBox_->clear();
    groupBox_->addItem(Text(Texts().AllGroups.in(language())));
    for (int group = 1; group <= SelectableGroups(band); ++group) {
        const std::string name = GroupIndexToName(context_.Doc, band, group);
        groupBox_->addItem(name.empty() ? QString::number(group) : Text(name));
    }
    groupBox_->setCurrentIndex(kept >= 0 && kept < groupBox_->count() ? kept : 0);
}

void BandMapWindow::retranslate() {
    const int lang = language();
    const BandMapTexts& t = Texts();
    setWindowTitle(Text(t.Caption.in(lang)));
    bandLabel_->setText(Text(t.Band.in(lang)));
    groupLabel_->setText(Text(t.Group.in(lang)));
    regionLabel_->setText(Text(t.Plan.in(lang)));
    for (int i = 0; i < regionBox_->count(); ++i)
        regionBox_->setItemText(
            i, Text(RegionName(static_cast<IaruRegion>(regionBox_->itemData(i).toInt())).in(lang)));
    findChild<QPushButton*>(QStringLiteral("PrintButton"))->setText(Text(t.Print.in(lang)));
    findChild<QPushButton*>(QStringLiteral("ExportPngButton"))->setText(Text(t.ExportPng.in(lang)));
    findChild<QPushButton*>(QStringLiteral("ExportSvgButton"))->setText(Text(t.ExportSvg.in(lang)));
    findChild<QPushButton*>(QStringLiteral("CommandClose"))
        ->setText(Text(SharedMessages().CloseButton.in(lang)));
}

void BandMapWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if ((event->type() == QEvent::ActivationChange || event->type() == QEvent::LanguageChange) &&
        shownLanguage_ != language()) {
        fillGroups();
        rebuild();
    }
}

void BandMapWindow::rebuild() {
    const int lang = language();
    shownLanguage_ = lang;
    retranslate();
    const int band = bandBox_->currentIndex();
    // The amateur plan does not apply to the CB band.
    regionBox_->setEnabled(band != kBandCb);
    model_ = BuildBandMap(context_.Doc, band, groupBox_->currentIndex(),
                          static_cast<IaruRegion>(regionBox_->currentData().toInt()));
    view_->SetModel(&model_, lang);
    flagged_->clear();
    flaggedMarks_.clear();
    for (std::size_t i = 0; i < model_.Marks.size(); ++i) {
        if (model_.Marks[i].Flags.empty()) continue;
        flagged_->addItem(Text(FlagText(context_.Doc, model_.Marks[i]).in(lang)));
        flaggedMarks_.push_back(static_cast<int>(i));
    }
    flaggedLabel_->setText(
        Text(Texts().Flagged.in(lang)).arg(static_cast<int>(flaggedMarks_.size())));
    outside_->setText(model_.OutsideRange == 0
                          ? QString()
                          : Text(Texts().Outside.in(lang)).arg(model_.OutsideRange));
}

void BandMapWindow::OpenMark(int index) {
    if (index < 0 || index >= static_cast<int>(model_.Marks.size())) return;
    const BandMark& mark = model_.Marks[static_cast<std::size_t>(index)];
    OpenPlace(host_, QString::fromLatin1(kChannelWindow), mark.Band, mark.Group, mark.ChNo);
}

QImage BandMapWindow::RenderImage(const QSize& size) const {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintBandMap(painter, QRectF(QPointF(0, 0), QSizeF(size)), model_, language());
    return image;
}

QByteArray BandMapWindow::PngBytes() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    RenderImage(kExportSize).save(&buffer, "PNG");
    return bytes;
}

QByteArray BandMapWindow::SvgBytes() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(kExportSize);
    generator.setViewBox(QRect(QPoint(0, 0), kExportSize));
    generator.setTitle(Text(Texts().Caption.in(language())));
    QPainter painter(&generator);
    PaintBandMap(painter, QRectF(QPointF(0, 0), QSizeF(kExportSize)), model_, language());
    painter.end();
    return bytes;
}

void BandMapWindow::PrintOn(QPrinter& printer) const {
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter(&printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    // Drawn at the export size and scaled to the page, so lines and texts keep their proportions.
    const double scale =
        std::min(page.width() / kExportSize.width(), page.height() / kExportSize.height());
    painter.scale(scale, scale);
    PaintBandMap(painter, QRectF(QPointF(0, 0), QSizeF(kExportSize)), model_, language());
}

void BandMapWindow::Print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintOn(printer);
}

void BandMapWindow::exportTo(const char* pattern, const char* suffix, const QByteArray& bytes) {
    const TextPair& label =
        std::string_view(suffix) == ".png" ? Texts().PngLabel : Texts().SvgLabel;
    const QString filter = Text(label.in(language())) + QStringLiteral(" (") +
                           QLatin1String(pattern) + QLatin1Char(')');
    const QString start = QDir::home().filePath(
        QStringLiteral("band-map-%1%2")
            .arg(QString::fromLatin1(kBandNames[model_.Band]).toLower(), QLatin1String(suffix)));
    const auto chosen = host_.fileChooser().chooseSave(this, filter, start, QString());
    if (!chosen) return;
    if (const auto failure = SaveFileSafely(chosen->toStdString(),
                                            std::string_view(bytes.constData(), bytes.size()))) {
        const TextPair reason = FileErrorText(*failure);
        ShowMessage(this, language(),
                    {Texts().ExportFailed.en + "\n" + reason.en,
                     Texts().ExportFailed.zh + "\n" + reason.zh},
                    MessageButtons::Ok, MessageIcon::Critical);
    }
}

void BandMapWindow::ExportPng() {
    exportTo("*.png", ".png", PngBytes());
}

void BandMapWindow::ExportSvg() {
    exportTo("*.svg", ".svg", SvgBytes());
}

}  // namespace kv

namespace kv {

void ConnectBandMapCommand(ShellContext& context, EditorHost& host) {
    QAction* action = host.menuAction(QStringLiteral("mnuViewBandMap"));
    if (action == nullptr) return;
    auto* shown = new QPointer<BandMapWindow>;
    QObject::connect(action, &QAction::triggered, host.Widget(), [&context, &host, shown] {
        host.FinishEdits();
        const int band = DisplayedBand(host, context.Doc);
        int group = 0;
        if (auto* channels =
                qobject_cast<ChannelWindow*>(host.FindEditor(QString::fromLatin1(kChannelWindow))))
            group = channels->DisplayedGroup();
        delete shown->data();
        // Not a child of the main window, so that the channel window a mark opens can come in
        // front of it.
        *shown = new BandMapWindow(context, host, band, group);
        (*shown)->show();
    });
    QObject::connect(host.Widget(), &QObject::destroyed, [shown] {
        delete shown->data();
        delete shown;
    });
}

}  // namespace kv
