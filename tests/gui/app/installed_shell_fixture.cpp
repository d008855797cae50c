// The installed application fixture.
#include "gui/app/installed_shell_fixture.h"

#include <QSettings>
#include <QTest>

#include "app/main_window_tables.h"
#include "platform/port_list.h"

namespace kv::test {

namespace {
constexpr int kSimPort = 43;
}

void InstalledShellTest::SetUp() {
    ShellTest::SetUp();
    CopyTemplates();
    WriteVersionFile();
}

void InstalledShellTest::TearDown() {
    sim_.Stop();
    ShellTest::TearDown();
}

void InstalledShellTest::Start() {
    StartupOptions options;
    options.Folders = ProgramFolders::ForProgramFolder(programFolder());
    options.Locale = LocaleFactsFor("en_US");
    options.Placement = std::make_shared<PlacementStore>(placementPath());
    options.Chooser = chooser_;
    app_ = std::make_unique<Application>(options);
}

void InstalledShellTest::Restart() {
    app_.reset();
    FlushDeletes();
    Start();
    main().show();
}

bool InstalledShellTest::StartRadio(const MemoryImage& image, const QStringList& options) {
    if (!sim_.Start(image, options)) return false;
    WritePortMapping(settingsPath(), {{kSimPort, sim_.path().toStdString()}});
    state().comPort = kSimPort;
    return true;
}

bool InstalledShellTest::WaitForAsked(const TextPair& text, int timeoutMs) {
    return QTest::qWaitFor(
        [&] {
            return std::any_of(Asked.begin(), Asked.end(),
                               [&](const MessageRequest& r) { return r.Text == text; });
        },
        timeoutMs);
}

bool InstalledShellTest::TriggerAndWaitFor(const char* menuItem, const TextPair& text) {
    trigger(menuItem);
    return WaitForAsked(text);
}

QComboBox* InstalledShellTest::bandBox() {
    QWidget* window = main().FindEditor(QString::fromLatin1(kChannelWindow));
    return window ? window->findChild<QComboBox*>(QStringLiteral("Combo2")) : nullptr;
}

QString InstalledShellTest::Setting(const QString& key) {
    QSettings ini(settingsPath(), QSettings::IniFormat);
    return ini.value(key).toString();
}

}  // namespace kv::test
