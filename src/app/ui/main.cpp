// The kv7700 program: starts the application and runs its window until the user exits. A data
// file named on the command line (the desktop entry passes the file the user opened with it) is
// opened once the window is on the screen.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "app/shell_texts.h"
#include "app/ui/app_icon.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kv::kAppTitle));
    QApplication::setOrganizationName(QString::fromLatin1(kv::kAppTitle));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(kv::kVersionMajor)
                                            .arg(kv::kVersionMinor)
                                            .arg(kv::kVersionRevision));
    QApplication::setWindowIcon(kv::AppIcon());
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.kv7700.cps"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Programming software for the KV-7700 radio."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A data file (.dat) to open at start."),
                                 QStringLiteral("[FILE.dat]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("kv7700: give at most one data file\n", stderr);
        return 2;
    }

    kv::Application application{kv::StartupOptions{}};
    application.mainWindow().show();
    if (!files.isEmpty()) {
        // From the event loop, so that a hand-over to another version can end the program.
        QTimer::singleShot(0, &application.mainWindow(), [&application, file = files.first()] {
            application.OpenCommandLineFile(file);
        });
    }
    return app.exec();
}
