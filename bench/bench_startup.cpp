// Start-up of the program against a bare Qt main window, as whole processes: each run starts
// this program again as a child that builds either the application as kv7700's main() does or a
// bare QMainWindow of the same size, shows it and ends once the window is on the screen.
// The child stamps every phase with the system-wide monotonic clock; the parent subtracts the
// moment it started the child. "painted" is when the program has painted the window and handed
// it to the window system; "on screen" is after a round trip to the window system, which answers
// only once it has drawn what it was handed (an X server draws the first frame of a window this
// size in some 30 ms of its own, which a program that asks it something while painting waits for
// and one that does not would leave out). For kv7700, "channel window" is when the channel window,
// opened after the first paint, is on the screen too.
// Prints the median of every phase over RUNS runs of each (default 10, taken in turns) and the
// ratio of the first appearances. Runs on the platform Qt picks (DISPLAY for an X server such as
// Xvfb, or QT_QPA_PLATFORM=offscreen).
// The program's settings and data live in a scratch folder holding a year of backups (two a
// week), as a user who reads and writes the radio often has.
// Usage: kv_bench_startup [RUNS]
#include <QApplication>
#include <QCursor>
#include <QDate>
#include <QDir>
#include <QMainWindow>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "app/shell_texts.h"
#include "app/twips.h"
#include "app/main_window_tables.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "link/backup_store.h"
#include "platform/placement_store.h"
#include "platform/user_data_folder.h"

namespace {

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void Stamp(const char* phase) {
    std::printf("%s %lld\n", phase, NowNs());
}

// Waits until the window system has drawn everything it was handed: asking where the pointer is
// takes a round trip, answered after the requests before it.
void StampOnScreen(const char* phase) {
    (void)QCursor::pos();
    Stamp(phase);
}

// Stamps the first exposure of `window` and, from the event loop once that exposure was handled
// (which paints the window), the end of the first paint and its arrival on the screen; then runs
// `then`.
class FirstAppearance : public QObject {
public:
    // Watches through the application, which sees the exposure before the window's own watchers:
    // the stamps are queued before any work the program defers past its first paint.
    FirstAppearance(QWidget& window, std::function<void()> then)
        : window_(window), then_(std::move(then)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_.windowHandle() && event->type() == QEvent::Expose &&
            window_.windowHandle()->isExposed() && !exposed_) {
            exposed_ = true;
            Stamp("exposed");
            QTimer::singleShot(0, this, [this] {
                Stamp("painted");
                StampOnScreen("onscreen");
                then_();
            });
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> then_;
    bool exposed_ = false;
};

// The size of the program's main window at its first start (the default placement).
QSize BareSize() {
    const kv::WindowPlacement placement;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpiX = screen ? static_cast<int>(screen->logicalDotsPerInchX()) : 96;
    const int dpiY = screen ? static_cast<int>(screen->logicalDotsPerInchY()) : 96;
    return {kv::TwipsToPixels(placement.Width, dpiX), kv::TwipsToPixels(placement.Height, dpiY)};
}

void Finish() {
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

// Once the channel window, opened after the first paint, is there and painted: stamps it, ends.
void AwaitChannelWindow(kv::MainWindow& main) {
    if (main.FindEditor(QString::fromLatin1(kv::kChannelWindow)) == nullptr) {
        QTimer::singleShot(1, &main, [&main] { AwaitChannelWindow(main); });
        return;
    }
    QTimer::singleShot(0, &main, [] {
        StampOnScreen("channel");
        Finish();
    });
}

int RunChild(int argc, char* argv[], const std::string& kind) {
    Stamp("main");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kv::kAppTitle));
    QApplication::setOrganizationName(QString::fromLatin1(kv::kAppTitle));
    Stamp("qapplication");
    std::unique_ptr<kv::Application> application;
    std::unique_ptr<QMainWindow> bare;
    QWidget* window = nullptr;
    if (kind == "kv7700") {
        kv::StartupOptions options;
        options.Folders = kv::ProgramFolders::ForProgramFolder(QStringLiteral(KV_PROGRAM_DIR));
        options.ChannelWindowAfterFirstPaint = true;
        application = std::make_unique<kv::Application>(options);
        window = &application->mainWindow();
    } else {
        bare = std::make_unique<QMainWindow>();
        bare->setWindowTitle(QStringLiteral("bare"));
        // The program's window at its first start: the size of the default placement.
        bare->resize(BareSize());
        window = bare.get();
    }
    Stamp("constructed");
    FirstAppearance appearance(*window, [&application] {
        if (application)
            AwaitChannelWindow(application->mainWindow());
        else
            Finish();
    });
    window->show();
    Stamp("shown");
    const int code = QApplication::exec();
    // The program's work deferred past the first paint runs here, after the figures.
    return code;
}

// A year of backups, two a week, with the size of real images.
void FillBackupFolder(const QString& dataHome) {
    const QString folder = dataHome + QStringLiteral("/KV-7700/KV-7700/backups");
    QDir().mkpath(folder);
    const QByteArray image(139777, '\xff');
    for (int backup = 0; backup < 104; ++backup) {
        const QDate date = QDate::currentDate().addDays(-3 * backup);
        const kv::CivilTime when{date.year(), date.month(), date.day(), 12, 0, 0, 0};
        QFile file(QDir(folder).filePath(
            QString::fromStdString(kv::BackupFileName(when, kv::BackupKind::Read))));
        if (file.open(QIODevice::WriteOnly)) file.write(image);
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::string(argv[1]) == "--child") return RunChild(argc, argv, argv[2]);
    QCoreApplication parent(argc, argv);
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 10;

    QTemporaryDir scratch;
    if (!scratch.isValid()) return 1;
    FillBackupFolder(scratch.filePath(QStringLiteral("data")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       scratch.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), scratch.filePath(QStringLiteral("data")));

    const char* const kinds[] = {"bare", "kv7700"};
    const char* const phases[] = {"main",    "qapplication", "constructed", "shown",
                                  "exposed", "painted",      "onscreen",    "channel"};
    std::map<std::string, std::map<std::string, std::vector<double>>> ms;
    for (int run = 0; run < runs; ++run)
        for (const char* kind : kinds) {
            QProcess child;
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            const long long started = NowNs();
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--child"), QString::fromLatin1(kind)});
            if (!child.waitForFinished(60000) || child.exitCode() != 0) {
                std::fprintf(stderr, "the %s run did not appear and end\n", kind);
                return 1;
            }
            for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> parts = line.split(' ');
                if (parts.size() == 2)
                    ms[kind][parts[0].toStdString()].push_back(
                        static_cast<double>(parts[1].toLongLong() - started) / 1e6);
            }
        }

    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    std::printf("Start-up, median of %d runs, ms since the process was started (platform %s)\n",
                runs, platform.isEmpty() ? "xcb" : platform.constData());
    std::printf("%-14s %10s %10s\n", "phase", "bare Qt", "kv7700");
    for (const char* phase : phases) {
        const auto median = [&](const char* kind) {
            const auto& values = ms[kind][phase];
            char text[32] = "-";
            if (!values.empty()) std::snprintf(text, sizeof text, "%.1f", Median(values));
            return std::string(text);
        };
        std::printf("%-14s %10s %10s\n", phase, median("bare").c_str(), median("kv7700").c_str());
    }
    std::printf("first appearance (on screen): kv7700 / bare Qt = %.2f\n",
                Median(ms["kv7700"]["onscreen"]) / Median(ms["bare"]["onscreen"]));
    std::printf("painted by the program: kv7700 / bare Qt = %.2f\n",
                Median(ms["kv7700"]["painted"]) / Median(ms["bare"]["painted"]));
    return 0;
}
