// Start-up of the program against a bare Qt main window, as whole processes: each run starts
// this program again as a child that builds either the application as kv7700's main() does or a
// bare QMainWindow of the same size, shows it and ends once the window was exposed and painted.
// The child stamps every phase with the system-wide monotonic clock; the parent subtracts the
// moment it started the child. Prints the median of every phase over RUNS runs of each (default
// 10, taken in turns) and the ratio of the first appearances. Runs on the platform Qt picks
// (DISPLAY for an X server such as Xvfb, or QT_QPA_PLATFORM=offscreen).
// The program's settings and data live in a scratch folder holding a year of backups (two a
// week), as a user who reads and writes the radio often has.
// Usage: kv_bench_startup [RUNS]
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QMainWindow>
#include <QProcess>
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
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "link/backup_store.h"
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

// Stamps the first exposure of `window` and, from the event loop once that exposure was handled
// (which paints the window), the end of the first paint; then ends the process.
class FirstAppearance : public QObject {
public:
    explicit FirstAppearance(QWidget& window) : window_(window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show && window_.windowHandle())
            window_.windowHandle()->installEventFilter(this);
        if (watched == window_.windowHandle() && event->type() == QEvent::Expose &&
            window_.windowHandle()->isExposed() && !exposed_) {
            exposed_ = true;
            Stamp("exposed");
            QTimer::singleShot(0, this, [] {
                Stamp("painted");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget& window_;
    bool exposed_ = false;
};

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
        application = std::make_unique<kv::Application>(options);
        window = &application->mainWindow();
    } else {
        bare = std::make_unique<QMainWindow>();
        bare->setWindowTitle(QStringLiteral("bare"));
        window = bare.get();
    }
    Stamp("constructed");
    FirstAppearance appearance(*window);
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
    const char* const phases[] = {"main",  "qapplication", "constructed",
                                  "shown", "exposed",      "painted"};
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
    for (const char* phase : phases)
        std::printf("%-14s %10.1f %10.1f\n", phase, Median(ms["bare"][phase]),
                    Median(ms["kv7700"][phase]));
    std::printf("first appearance (painted): kv7700 / bare Qt = %.2f\n",
                Median(ms["kv7700"]["painted"]) / Median(ms["bare"]["painted"]));
    return 0;
}
