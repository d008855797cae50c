// The kv7700 program: starts the application and runs its window until the user exits. A data
// file named on the command line (the desktop entry passes the file the user opened with it) is
// opened once the window is on the screen.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "app/guarded_main.h"
#include "app/ui/app_icon.h"
#include "app/ui/application.h"
#include "app/ui/command_line.h"
#include "app/ui/main_window.h"

namespace {

int Run(int argc, char* argv[]) {
    kv::AnswerInformationRequests(argc, argv);
    QApplication app(argc, argv);
    kv::NameApplication();
    QApplication::setWindowIcon(kv::AppIcon());
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.kv7700.cps"));

    QCommandLineParser parser;
    kv::DescribeCommandLine(parser);
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("kv7700: give at most one data file\n", stderr);
        return 2;
    }

    kv::StartupOptions options;
    options.ChannelWindowAfterFirstPaint = true;
    kv::Application application{options};
    application.mainWindow().show();
    if (!files.isEmpty()) {
        // From the event loop, so that a hand-over to another version can end the program.
        QTimer::singleShot(0, &application.mainWindow(), [&application, file = files.first()] {
            application.OpenCommandLineFile(file);
        });
    }
    return app.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    return kv::RunGuarded("kv7700", [&] { return Run(argc, argv); });
}
