// A random user: the real application (real data files on a temporary folder, real editor
// windows, the simulated radio) driven by seeded random input. After every step the document's
// invariants are checked; a failure prints the seed and step to replay it. A radio or a file may
// bring data that breaks the group and reference rules: the user's steps must not break them
// further, so a broken rule counts only when no state that Undo and Redo can reach broke it (the
// data since the undo history began) and the data last read or saved (the staging copy) did not.
//   kv_random_user [--seed S] [--steps N | --seconds T] [--trace on]
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>
#include <thread>

#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "codec/image_codec.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/grid_rows.h"
#include "editors/channels/group_references.h"
#include "files/used_slots.h"
#include "gui/document_editor.h"
#include "gui/file_chooser.h"
#include "gui/message_box.h"
#include "gui/shell_context.h"
#include "limits/channel_limits.h"
#include "model/document.h"
#include "model/memory_image.h"
#include "platform/placement_store.h"
#include "platform/port_list.h"
#include "platform/settings_file.h"

namespace {

using kv::MessageAnswer;
using kv::MessageButtons;

// Two streams of choices: the steps draw from one, the timer that pokes modal windows from the
// other. How often that timer fires depends on how long the steps take, so a shared stream would
// make a replay of the same seed take other steps after the first modal window.
std::mt19937_64 stepChoices;
std::mt19937_64 modalChoices;
std::mt19937_64* choices = &stepChoices;

int Pick(int n) {
    return n <= 0 ? 0 : static_cast<int>((*choices)() % static_cast<unsigned>(n));
}

// Draws from the modal windows' stream while it lives.
class ModalChoices {
public:
    ModalChoices() : outer_(choices) { choices = &modalChoices; }
    ~ModalChoices() { choices = outer_; }
    ModalChoices(const ModalChoices&) = delete;
    ModalChoices& operator=(const ModalChoices&) = delete;

private:
    std::mt19937_64* outer_;
};

class RandomChooser final : public kv::FileChooser {
public:
    explicit RandomChooser(QString folder) : folder_(std::move(folder)) {}
    std::optional<QString> chooseOpen(QWidget*, const QString&, const QString&) override {
        return choose();
    }
    std::optional<QString> chooseSave(QWidget*, const QString&, const QString&,
                                      const QString&) override {
        return choose();
    }

private:
    std::optional<QString> choose() {
        if (Pick(5) == 0) return std::nullopt;
        return QDir(folder_).filePath(QStringLiteral("file%1.dat").arg(Pick(3)));
    }
    QString folder_;
};

// Menu items that would end the process or start another program; and Print and its preview,
// whose system print dialog opens a page setup dialog of its own inside its loop, which this
// driver cannot answer offscreen (the printed sheet is tested through Export PDF, which stays).
const std::set<QString> kOutOfReach = {
    QStringLiteral("mnuFileExit"), QStringLiteral("mnuOpenBackupFolder"),
    QStringLiteral("mnuFilePrint"), QStringLiteral("mnuFilePrintPreview")};

// A control that would trigger an item out of reach (a toolbar button).
bool TriggersOutOfReach(QWidget* w) {
    auto* button = qobject_cast<QToolButton*>(w);
    if (button == nullptr || button->defaultAction() == nullptr) return false;
    const QString name = button->defaultAction()->objectName();
    return kOutOfReach.count(name) != 0 || name.contains(QStringLiteral("Print"));
}

QString RandomText() {
    static const QString kPieces[] = {QStringLiteral("7"),   QStringLiteral("146.520"),
                                      QStringLiteral("abc"), QStringLiteral("信道"),
                                      QStringLiteral("\t"),  QStringLiteral("\x01\x7f"),
                                      QStringLiteral("-1"),  QStringLiteral("99999999999")};
    QString text;
    for (int i = Pick(4); i >= 0; --i) text += kPieces[Pick(std::size(kPieces))];
    return text;
}

// Clicks, types into or presses a key on a random enabled, visible control under `root`.
void PokeAControl(QWidget* root) {
    QList<QWidget*> controls;
    for (QWidget* w : root->findChildren<QWidget*>())
        if (w->isVisible() && w->isEnabled() && !TriggersOutOfReach(w) &&
            (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
             qobject_cast<QLineEdit*>(w) || w->focusPolicy() != Qt::NoFocus))
            controls.push_back(w);
    if (controls.isEmpty()) return;
    QWidget* w = controls[Pick(controls.size())];
    switch (Pick(4)) {
        case 0: {
            const QPoint at(Pick(std::max(1, w->width())), Pick(std::max(1, w->height())));
            QTest::mouseClick(w, Qt::LeftButton, {}, at);
            break;
        }
        case 1:
            for (const QChar c : RandomText()) {
                // Qt Test types only ASCII keys; Chinese and control characters go as key events.
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(w, &press);
            }
            break;
        default: {
            static const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Tab,    Qt::Key_Down,
                                            Qt::Key_Up,     Qt::Key_Delete, Qt::Key_Backspace,
                                            Qt::Key_Space,  Qt::Key_Escape, Qt::Key_A};
            // Shift extends a selection, Control selects all (with A) or copies and pastes
            // through the menu's shortcuts.
            static const Qt::KeyboardModifiers kModifiers[] = {
                Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
            QTest::keyClick(w, kKeys[Pick(std::size(kKeys))],
                            kModifiers[Pick(std::size(kModifiers))]);
        }
    }
}

using Violations = std::set<std::string>;

std::string Where(int band, int group) {
    return "band " + std::to_string(band) + " group " + std::to_string(group);
}

// Every group holds as many channels as its count says, within the slots it offers, each
// channel number once and on a row of the group (the VFO group's one row shows any number).
void CheckGroups(const kv::RadioData& data, Violations& out) {
    for (int band = 0; band < kv::kBandCount; ++band)
        for (int group = 1; group <= kv::kGroupsPerBand[band]; ++group) {
            const int count = data.channelCount(band, group);
            const int capacity = kv::SlotCapacity(band, group);
            if (count < 0 || count > capacity)
                out.insert(Where(band, group) + ": count " + std::to_string(count) +
                           " outside 0.." + std::to_string(capacity));
            const int rows = kv::GridShapeFor(band, group).channelRows;
            std::set<int> seen;
            for (int slot = 1; slot <= kv::UsedSlots(data, band, group); ++slot) {
                const int chNo = data.channel(band, slot, group).ChNo;
                if (!seen.insert(chNo).second)
                    out.insert(Where(band, group) + ": channel " + std::to_string(chNo) +
                               " held twice");
                if (!kv::IsVfoGroup(band, group) && (chNo < 1 || chNo > rows))
                    out.insert(Where(band, group) + ": channel " + std::to_string(chNo) +
                               " outside rows 1.." + std::to_string(rows));
            }
        }
}

// Every group reference names something that exists, as the core's own repairs define it (a
// group's work and reference channels are what ValidChannelReference keeps), and every channel
// and CB memory holds only what the image can hold. A CB memory may name a channel its group does
// not hold and a channel an undefined roger-beep tone or DTMF code: paste and import carry what a
// radio holds, and the check before writing names them.
void CheckReferences(const kv::RadioData& data, Violations& out) {
    const kv::RadioSettings& s = data.Config.Settings;
    const auto checkWidths = [&](const kv::ChannelRecord& record, bool memory,
                                 const std::string& where) {
        if (const auto wider = kv::RecordWiderThanImage(record, memory))
            out.insert(where + ": " + wider->en);
    };
    for (int band = 0; band < kv::kBandCount; ++band)
        for (int group = 1; group <= kv::kGroupsPerBand[band]; ++group) {
            const int references[] = {
                s.GroupRefChannelA(band, group, 0), s.GroupRefChannelA(band, group, 1),
                s.GroupWorkChannel(band, group), s.GroupRefChannelB(band, group, 0),
                s.GroupRefChannelB(band, group, 1)};
            for (int reference : references)
                if (kv::ValidChannelReference(data, band, group, reference) != reference)
                    out.insert(Where(band, group) + ": reference " + std::to_string(reference) +
                               " names no channel");
            for (int slot = 1; slot <= kv::UsedSlots(data, band, group); ++slot) {
                const kv::ChannelRecord& record = data.channel(band, slot, group);
                checkWidths(record, false,
                            Where(band, group) + " channel " + std::to_string(record.ChNo));
            }
        }
    for (int n = 1; n <= kv::kCbMemCount; ++n) {
        const kv::ChannelRecord& memory = data.Store.cbMem(n);
        if (memory.InUse != 1) continue;
        checkWidths(memory, true, "CB memory " + std::to_string(n));
    }
}

Violations RuleViolations(const kv::RadioData& data) {
    Violations out;
    CheckGroups(data, out);
    CheckReferences(data, out);
    return out;
}

// A rule the working data breaks after the step that no reachable state broke and the staging
// copy (the data of the file last opened or saved) does not break.
std::string NewViolation(const Violations& reachable, const kv::Document& doc) {
    const Violations loaded = RuleViolations(doc.Staged);
    for (const std::string& v : RuleViolations(doc.Working))
        if (!reachable.count(v) && !loaded.count(v)) return v;
    return {};
}

// True while this process holds the pseudo-terminal at `path` open.
bool HoldsOpen(const QString& path) {
    if (path.isEmpty()) return false;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System))
        if (QFile::symLinkTarget(fds.filePath(fd)) == path) return true;
    return false;
}

// The document's invariants; an empty text when all hold.
std::string CheckDocument(const kv::Document& doc, const kv::CodecOptions& codec) {
    if (!kv::CountsFit(doc.config())) return "a group count lies outside 0..99";
    // Encoding, decoding and encoding again gives the same image.
    auto first = std::make_unique<kv::MemoryImage>();
    kv::EncodeImage(doc.Working, *first, codec);
    auto decoded = std::make_unique<kv::RadioData>(doc.Working);
    kv::DecodeImage(*first, *decoded, codec);
    auto second = std::make_unique<kv::MemoryImage>();
    kv::EncodeImage(*decoded, *second, codec);
    if (!(*first == *second)) return "encode, decode, encode changed the image";
    return {};
}

// Qt's warnings about the window area (a window removed twice, one not in it) are faults of the
// program: the first one seen fails the step that caused it.
std::string areaWarning;
QtMessageHandler qtHandler = nullptr;

void WatchQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg && message.contains(QStringLiteral("QMdiArea")) &&
        areaWarning.empty())
        areaWarning = "Qt warned: " + message.toStdString();
    if (qtHandler != nullptr)
        qtHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char* argv[]) {
    qtHandler = qInstallMessageHandler(WatchQtMessages);
    QApplication app(argc, argv);
    std::uint64_t seed = std::random_device{}();
    long steps = -1;
    double seconds = 60;
    bool trace = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--seed") seed = std::stoull(argv[i + 1]);
        if (option == "--steps") steps = std::stol(argv[i + 1]);
        if (option == "--seconds") seconds = std::stod(argv[i + 1]);
        if (option == "--trace") trace = std::string(argv[i + 1]) == "on";
    }
    stepChoices.seed(seed);
    modalChoices.seed(seed ^ 0x9e3779b97f4a7c15ULL);
    std::printf("random user: seed %llu\n", static_cast<unsigned long long>(seed));

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("KV7700"));
    QFile versions(dir.filePath(QStringLiteral("Version.ini")));
    versions.open(QIODevice::WriteOnly);
    versions.write(
        "[Version]\nCurrentVersion=V100\nSoftVersionCount=1\nFirmVersionCount=1\n"
        "[Soft]\nVersion0=V100\n[Firm]\nFirm0=V100-V100\n");
    versions.close();

    std::vector<QString> answersShown;
    kv::SetMessageAnswerer([&trace](const kv::MessageRequest& request) {
        if (trace)
            std::printf("  %s: %s\n", choices == &modalChoices ? "modal answer" : "answer",
                        request.Shown.substr(0, 60).c_str());
        switch (request.Buttons) {
            case MessageButtons::Ok:
                return MessageAnswer::Ok;
            case MessageButtons::OkCancel:
                return Pick(2) ? MessageAnswer::Ok : MessageAnswer::Cancel;
            case MessageButtons::YesNo:
                return Pick(2) ? MessageAnswer::Yes : MessageAnswer::No;
            case MessageButtons::YesNoCancel: {
                const MessageAnswer answers[] = {MessageAnswer::Yes, MessageAnswer::No,
                                                 MessageAnswer::Cancel};
                return answers[Pick(3)];
            }
        }
        return MessageAnswer::Ok;
    });

    kv::StartupOptions options;
    options.Folders = kv::ProgramFolders::ForProgramFolder(dir.filePath(QStringLiteral("KV7700")));
    options.Locale = kv::LocaleFactsFor("en_US");
    options.Placement = std::make_shared<kv::PlacementStore>(dir.filePath("placement.ini"));
    options.Chooser = std::make_shared<RandomChooser>(dir.path());
    options.ChannelWindowAfterFirstPaint = true;  // as the program starts
    kv::Application application(options);
    kv::MainWindow& main = application.mainWindow();
    main.show();

    // The simulated radio, restarted with a random fault before every radio command.
    QProcess sim;
    QString simPath;
    auto startRadio = [&] {
        sim.kill();
        sim.waitForFinished(2000);
        QStringList arguments{"--linger", "forever"};
        static const char* kFaults[] = {"--drop-reply",  "--corrupt-checksum", "--wrong-address",
                                        "--short-reply", "--lose-write",       "--silent-after"};
        if (Pick(2)) arguments << kFaults[Pick(std::size(kFaults))] << QString::number(Pick(40));
        sim.start(KV_PROGRAM_DIR "/kv7700-sim", arguments);
        if (!sim.waitForReadyRead(5000)) return;
        const QString path = QString::fromUtf8(sim.readLine()).trimmed();
        simPath = QFileInfo(path).canonicalFilePath();
        kv::WritePortMapping(application.settings().writePath(), {{42, path.toStdString()}});
        application.state().comPort = 42;
    };

    // Modal windows (progress, port, language, file windows) run their own loop: this timer
    // pokes them and closes them now and then. The progress window is left to its session.
    // Windows reached, by object name (their class where they have none).
    std::set<QString> windowsReached;
    const auto nameOf = [](QWidget* w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->objectName();
    };
    QTimer modal;
    QObject::connect(&modal, &QTimer::timeout, [&windowsReached, &nameOf] {
        QWidget* top = QApplication::activeModalWidget();
        if (top) windowsReached.insert(nameOf(top));
        if (!top || QString::fromLatin1(top->metaObject()->className()).contains("Progress"))
            return;
        // The poke runs from a timer of its own: a window it opens runs its loop inside the poke,
        // and this timer, which Qt does not fire again while its own slot runs, must go on
        // poking that window too.
        QTimer::singleShot(0, top, [top] {
            if (QApplication::activeModalWidget() != top) return;
            const ModalChoices modalStream;
            if (Pick(3) == 0)
                top->close();
            else
                PokeAControl(top);
        });
    });
    modal.start(20);

    auto* tree = main.findChild<QTreeWidget*>();
    // Every menu item, those of submenus included.
    QList<QAction*> actions;
    const std::function<void(QMenu*)> collect = [&](QMenu* menu) {
        for (QAction* item : menu->actions()) {
            if (item->menu() != nullptr)
                collect(item->menu());
            else if (!item->isSeparator() && !kOutOfReach.count(item->objectName()))
                actions.push_back(item);
        }
    };
    for (QAction* top : main.menuBar()->actions())
        if (top->menu()) collect(top->menu());

    // A step that never returns (a loop nobody answers) fails the run with its seed and step,
    // rather than hanging the test run.
    std::atomic<long> current{0};
    std::thread([&current, seed] {
        long seen = -1;
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(90));
            const long now = current.load();
            if (now == seen) {
                std::printf(
                    "FAILED: step %ld did not return within 90 s\nreplay: --seed %llu "
                    "--steps %ld\n",
                    now, static_cast<unsigned long long>(seed), now + 1);
                std::fflush(stdout);
                std::_Exit(3);
            }
            seen = now;
        }
    }).detach();

    QElapsedTimer clock;
    clock.start();
    // The rules broken by the states Undo and Redo can bring back. A read from the radio, an
    // open or New replaces the data and empties the history: what they bring is the new baseline.
    Violations reachable = RuleViolations(application.document().Working);
    bool historyBegan = false;
    kv::DocumentEditor& editor = main.Editor();
    QObject::connect(&editor, &kv::DocumentEditor::historyChanged, [&] {
        if (!editor.CanUndo() && !editor.CanRedo()) historyBegan = true;
    });
    long step = 0;
    for (; steps < 0 ? clock.elapsed() < seconds * 1000 : step < steps; ++step) {
        current = step;
        historyBegan = false;
        const int kind = Pick(10);
        QString what;
        if (kind < 4) {
            PokeAControl(&main);
            what = QStringLiteral("input");
        } else if (kind == 4) {
            // A node of the tree panel: the only way to some editors.
            QList<QTreeWidgetItem*> nodes;
            for (QTreeWidgetItemIterator it(tree); *it; ++it) nodes.push_back(*it);
            if (!tree->isVisible() || nodes.isEmpty()) continue;
            QTreeWidgetItem* node = nodes[Pick(nodes.size())];
            tree->scrollToItem(node);
            what = QStringLiteral("tree ") + node->text(0);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(node).center());
        } else if (kind == 5 && Pick(3) == 0) {
            // Text as a spreadsheet or another program leaves it, for the grid's Paste.
            QString text = Pick(2) ? QStringLiteral("CH No.\tFrequency\tPower\tScan\n") : QString();
            for (int row = Pick(5); row >= 0; --row)
                text +=
                    QStringLiteral("%1\t%2\t%3\n").arg(RandomText(), RandomText(), RandomText());
            QApplication::clipboard()->setText(text);
            what = QStringLiteral("clipboard text");
        } else {
            QList<QAction*> enabled;
            for (QAction* a : actions)
                if (a->isEnabled()) enabled.push_back(a);
            if (enabled.isEmpty()) continue;
            QAction* action = enabled[Pick(enabled.size())];
            // Undo and Redo name the step they restore.
            what = action->objectName() + QStringLiteral(" \"") + action->text() +
                   QStringLiteral("\"");
            const QString name = action->objectName();
            if (name == "mnuReadFromRadio" || name == "mnuWriteToRadio") startRadio();
            action->trigger();
        }
        QApplication::processEvents();
        if (trace) {
            // The step and a digest of the data it left, to compare two runs of one seed.
            auto image = std::make_unique<kv::MemoryImage>();
            kv::EncodeImage(application.document().Working, *image, application.context().Codec);
            const QByteArray bytes(reinterpret_cast<const char*>(image->data()),
                                   kv::MemoryImage::kSize);
            std::printf("step %ld: %s %08x\n", step, qPrintable(what),
                        static_cast<unsigned>(qHash(bytes)));
        }
        // The top-level windows and the editors in the main window's area.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) windowsReached.insert(nameOf(w));
        for (QMdiSubWindow* sub : main.mdiArea()->subWindowList())
            if (sub->widget() != nullptr) windowsReached.insert(sub->widget()->objectName());
        const kv::Document& doc = application.document();
        std::string broken = CheckDocument(doc, application.context().Codec);
        if (historyBegan) reachable.clear();
        if (broken.empty() && !historyBegan) broken = NewViolation(reachable, doc);
        const Violations now = RuleViolations(doc.Working);
        reachable.insert(now.begin(), now.end());
        // Every radio command runs its session inside its own window: once the step is over,
        // no progress window is left and the port is closed.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() &&
                QString::fromLatin1(w->metaObject()->className()).contains("Progress"))
                broken = "a progress window is still open after its session";
        if (HoldsOpen(simPath)) broken = "the radio's port is still open after its session";
        if (!areaWarning.empty()) broken = areaWarning;
        if (!broken.empty()) {
            std::printf("FAILED at step %ld (%s): %s\nreplay: --seed %llu --steps %ld\n", step,
                        qPrintable(what), broken.c_str(), static_cast<unsigned long long>(seed),
                        step + 1);
            return 1;
        }
    }
    sim.kill();
    sim.waitForFinished(2000);
    std::printf("random user: %ld steps, %zu windows reached:", step, windowsReached.size());
    for (const QString& w : windowsReached) std::printf(" %s", qPrintable(w));
    std::printf("\nno broken invariant\n");
    kv::SetMessageAnswerer({});
    return 0;
}
