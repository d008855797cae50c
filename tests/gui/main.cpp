// Runs the window tests: one QApplication for the whole suite, the offscreen platform, and the
// per-user folders redirected to a scratch folder so that no test touches the user's settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    // Test mode keeps the per-user data (backups, session traces) below the home folder, which
    // every suite running on this machine would otherwise share.
    QDir().mkpath(home.filePath(QStringLiteral("home")));
    qputenv("HOME", home.filePath(QStringLiteral("home")).toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KV-7700"));
    QApplication::setOrganizationName(QStringLiteral("KV-7700"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
