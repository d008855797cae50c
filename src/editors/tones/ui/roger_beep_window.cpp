// The roger-beep window.
#include "editors/tones/ui/roger_beep_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>
#include <limits>

#include "app/main_window_tables.h"
#include "app/shared_messages.h"
#include "app/twips.h"
#include "editors/tones/reference_count.h"
#include "editors/tones/tone_rules.h"
#include "editors/tones/tone_texts.h"
#include "editors/tones/ui/tone_graph_widget.h"
#include "editors/tones/ui/tone_player.h"
#include "editors/tones/wav_file.h"
#include "files/data_file.h"
#include "gui/button_captions.h"
#include "gui/document_editor.h"
#include "gui/editor_frame.h"
#include "gui/editor_host.h"
#include "gui/file_chooser.h"
#include "gui/message_box.h"
#include "gui/pick_list.h"
#include "gui/qt_text.h"
#include "gui/shell_context.h"

namespace kv {
namespace {

constexpr int kStepsPerColumn = 7;
// A tone that sounds longer than this takes a while to write, so its export shows its progress
// from the start; shorter ones are written at once without a window.
constexpr long long kLongExportMs = 60'000;

QComboBox* PickList(const std::vector<TextPair>& entries, int language, const QString& name,
                    QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    for (const TextPair& entry : entries) list->addItem(Text(entry, language));
    return list;
}

QLabel* Caption(const TextPair& text, int language, const QString& name, QWidget* parent) {
    auto* label = new QLabel(Text(text, language), parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

RogerBeepWindow::RogerBeepWindow(ShellContext& context, EditorHost& main, QWidget* parent)
    : QWidget(parent), context_(context), main_(main), player_(new TonePlayer(this)) {
    setObjectName(QString::fromLatin1(kRogerBeepWindow));
    const int language = context_.State.CurrentLanguage;
    setWindowTitle(Text(ToneTexts().Caption, language));
    buildControls(language);
    connect(&main_.Editor(), &DocumentEditor::edited, this, &RogerBeepWindow::onDocumentEdited);
    connect(player_, &TonePlayer::finished, this, [this] { play_->setEnabled(true); });
    showTone();
}

RogerBeepWindow::~RogerBeepWindow() = default;

void RogerBeepWindow::buildControls(int language) {
    const ToneWindowTexts& t = ToneTexts();
    // A caption's right edge lies 100 twips left of its list.
    const int gap = TwipsToPixels(100, logicalDpiX());

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    for (int n = 1; n <= kToneCount; ++n) tabs_->addTab(Text(ToneTabCaption(n), language));
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        currentTone_ = index + 1;
        showTone();
    });

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(gap);

    recycle_ = PickList(RecycleList(), language, QStringLiteral("cboRecycle"), frame);
    interval_ = PickList(IntervalList(), language, QStringLiteral("cboInterval"), frame);
    grid->addWidget(Caption(t.RecycleTimes, language, QStringLiteral("lblRecycle"), frame), 0, 0);
    grid->addWidget(recycle_, 0, 1);
    grid->addWidget(Caption(t.InterTime, language, QStringLiteral("lblInterval"), frame), 0, 4);
    grid->addWidget(interval_, 0, 5);
    OnUserPick(recycle_, this, [this](int index) { recycleChosen(index); });
    OnUserPick(interval_, this, [this](int index) { intervalChosen(index); });

    for (int column = 0; column < 2; ++column) {
        const int at = 1 + 4 * column;
        const auto heading = [&](const TextPair& text, int offset) {
            auto* label = new QLabel(Text(text, language), frame);
            label->setObjectName(QStringLiteral("lblHeading_%1").arg(2 * column + offset));
            grid->addWidget(label, 1, at + offset);
        };
        heading(t.FrequencyHeading, 0);
        heading(t.LengthHeading, 1);
    }
    const std::vector<TextPair> frequencyEntries = FrequencyList();
    const std::vector<TextPair> lengthEntries = LengthList();
    for (int step = 1; step <= 14; ++step) {
        const int row = 2 + (step - 1) % kStepsPerColumn;
        const int at = 4 * ((step - 1) / kStepsPerColumn);
        auto* frequency =
            PickList(frequencyEntries, language, QStringLiteral("cboFreq_%1").arg(step), frame);
        auto* length =
            PickList(lengthEntries, language, QStringLiteral("cboLong_%1").arg(step), frame);
        grid->addWidget(
            Caption(StepCaption(step), language, QStringLiteral("lblStep_%1").arg(step), frame),
            row, at);
        grid->addWidget(frequency, row, at + 1);
        grid->addWidget(length, row, at + 2);
        frequencies_[static_cast<std::size_t>(step - 1)] = frequency;
        lengths_[static_cast<std::size_t>(step - 1)] = length;
        OnUserPick(frequency, this, [this, step](int index) { frequencyChosen(step, index); });
        OnUserPick(length, this, [this, step](int index) { lengthChosen(step, index); });
    }
    grid->setColumnMinimumWidth(3, 3 * gap);

    graph_ = new ToneGraphWidget(this);
    graph_->setObjectName(QStringLiteral("Picture1"));
    graph_->setMinimumHeight(TwipsToPixels(1500, logicalDpiY()));

    play_ = new QPushButton(Text(t.Play, language), this);
    play_->setObjectName(QStringLiteral("CommandPlay"));
    stop_ = new QPushButton(Text(t.Stop, language), this);
    stop_->setObjectName(QStringLiteral("CommandStop"));
    auto* exportWav = new QPushButton(Text(t.ExportWav, language), this);
    exportWav->setObjectName(QStringLiteral("CommandExport"));
    auto* close = new QPushButton(this);
    close->setObjectName(QStringLiteral("CommandClose"));
    ApplyButtonCaptions(this, language);
    connect(play_, &QPushButton::clicked, this, &RogerBeepWindow::play);
    connect(stop_, &QPushButton::clicked, this, &RogerBeepWindow::stop);
    connect(exportWav, &QPushButton::clicked, this, &RogerBeepWindow::exportWav);
    connect(close, &QPushButton::clicked, this, [this] {
        // Inside the main window the child frame is what closes.
        if (parentWidget() != nullptr)
            parentWidget()->close();
        else
            this->close();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(play_);
    buttons->addWidget(stop_);
    buttons->addWidget(exportWav);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    layout->addWidget(frame);
    layout->addWidget(graph_, 1);
    SetScrollingContent(this, content, buttons);
}

const ToneRecord& RogerBeepWindow::tone() const {
    return context_.Doc.config().ToneTable[static_cast<std::size_t>(currentTone_ - 1)];
}

void RogerBeepWindow::showTone() {
    const ToneRecord& t = tone();
    const int language = context_.State.CurrentLanguage;
    // A list's entry at the stored position; a value the list lacks is shown as itself, in the
    // list's own unit (the time lists count 10 ms, the frequency list 10 Hz).
    const auto show = [language](QComboBox* list, int position, int shownValue) {
        const QSignalBlocker blocker(list);
        ShowPick(list, position, UnlistedKind::Value, shownValue, language);
    };
    const auto positionIn = [](int stored, std::size_t size) {
        return ListIndexFor(stored, static_cast<int>(size));
    };
    show(recycle_, positionIn(t.ToneRepeat, RecycleList().size()), t.ToneRepeat);
    show(interval_, positionIn(t.ToneInterval, IntervalList().size()), t.ToneInterval * 10);
    for (std::size_t i = 0; i < t.Steps.size(); ++i) {
        const int freq = t.Steps[i].ToneFreq;
        show(frequencies_[i], FrequencyListIndex(freq), freq * 10);
        show(lengths_[i], positionIn(t.Steps[i].ToneTime, LengthList().size()),
             t.Steps[i].ToneTime * 10);
    }
    graph_->SetTone(t);
}

void RogerBeepWindow::onDocumentEdited(const DocumentEdit& edit) {
    if (announcing_) return;
    // The tone being heard belongs to the document that was replaced.
    if (edit.Replaced) stop();
    if (edit.Section == EditSection::Tones || edit.Section == EditSection::Whole) showTone();
}

void RogerBeepWindow::announce() {
    announcing_ = true;
    main_.DocumentEdited(DocumentEdit{EditSection::Tones});
    announcing_ = false;
}

void RogerBeepWindow::recycleChosen(int index) {
    const ReferenceCount used = referencesAtStake();
    switch (SetToneRepeat(context_.Doc.Working, currentTone_, index)) {
        case ToneEdit::Stored:
            announce();
            tellCleared(used);
            break;
        case ToneEdit::Refused:
            showTone();
            break;
        case ToneEdit::Unchanged:
            break;
    }
}

ReferenceCount RogerBeepWindow::referencesAtStake() const {
    // References to a tone that is not defined already stay as they are whatever the edit does.
    if (IsToneDefined(context_.Doc.config(), currentTone_) == 0) return {};
    return CountToneReferences(context_.Doc.Working, currentTone_);
}

void RogerBeepWindow::tellCleared(const ReferenceCount& usedBefore) {
    if (usedBefore.empty() || IsToneDefined(context_.Doc.config(), currentTone_) != 0) return;
    main_.ShowStatusMessage(ToneReferencesClearedText(currentTone_, usedBefore));
}

void RogerBeepWindow::intervalChosen(int index) {
    if (SetToneInterval(context_.Doc.Working, currentTone_, index) == ToneEdit::Stored) announce();
}

void RogerBeepWindow::frequencyChosen(int step, int index) {
    if (SetToneFreq(context_.Doc.Working, currentTone_, step, FrequencyListValue(index)) !=
        ToneEdit::Stored)
        return;
    graph_->SetTone(tone());
    announce();
}

void RogerBeepWindow::lengthChosen(int step, int index) {
    const ReferenceCount used = referencesAtStake();
    switch (SetToneTime(context_.Doc.Working, currentTone_, step, index)) {
        case ToneEdit::Stored:
            graph_->SetTone(tone());
            announce();
            tellCleared(used);
            break;
        case ToneEdit::Refused:
            showTone();
            break;
        case ToneEdit::Unchanged:
            break;
    }
}

void RogerBeepWindow::play() {
    if (player_->IsPlaying()) return;
    if (player_->Play(tone())) play_->setEnabled(false);
}

void RogerBeepWindow::stop() {
    player_->Stop();
    play_->setEnabled(true);
}

void RogerBeepWindow::exportWav() {
    const int language = context_.State.CurrentLanguage;
    const ToneWindowTexts& t = ToneTexts();
    const Melody melody = MelodyOf(tone());
    if (melody.empty()) {
        ShowMessage(this, language, t.NothingToExport, MessageButtons::Ok,
                    MessageIcon::Information);
        return;
    }
    const QString filter = Text(t.WavFileLabel, language) + QStringLiteral(" (*.wav)");
    const QString start = QDir::home().filePath(
        Text(ToneTabCaption(currentTone_), kLanguageEnglish) + QStringLiteral(".wav"));
    const QString title = QString::fromStdString(CaptionWithoutAccessKey(t.ExportWav.in(language)));
    const std::optional<QString> path = main_.fileChooser().chooseSave(this, filter, start, title);
    if (!path) return;
    // A long tone takes a while to write: the user sees how far it is and may cancel.
    QProgressDialog progress(Text(t.Exporting, language),
                             Text(SharedMessages().CancelButton, language), 0, 100, this);
    progress.setObjectName(QStringLiteral("ExportProgress"));
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    const bool longTone = melody.TotalMs() > kLongExportMs;
    progress.setMinimumDuration(longTone ? 0 : std::numeric_limits<int>::max());
    progress.setAutoReset(false);
    progress.setValue(0);
    FileFailure failure;
    const bool written = WriteMelodyWav(
        melody, QFile::encodeName(*path).toStdString(),
        [&progress](std::size_t done, std::size_t total) {
            const int percent = static_cast<int>(100 * done / total);
            if (percent != progress.value()) progress.setValue(percent);
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        },
        &failure);
    const bool cancelled = progress.wasCanceled();
    progress.close();
    if (!written && !cancelled) {
        const TextPair reason = FileFailureReason(failure);
        const std::string file = path->toStdString();
        ShowMessage(this, language,
                    {t.WavWriteFailed.en + "\n" + file + ": " + reason.en,
                     t.WavWriteFailed.zh + "\n" + file + "：" + reason.zh},
                    MessageButtons::Ok, MessageIcon::Warning);
    }
}

void RogerBeepWindow::closeEvent(QCloseEvent* event) {
    stop();
    QWidget::closeEvent(event);
}

QWidget* CreateRogerBeepWindow(ShellContext& context, EditorHost& main) {
    return new RogerBeepWindow(context, main);
}

}  // namespace kv
