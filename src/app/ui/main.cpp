// The kv7700 program: starts the application and runs its window until the user exits.
#include <QApplication>

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

    kv::Application application{kv::StartupOptions{}};
    application.mainWindow().show();
    return app.exec();
}
