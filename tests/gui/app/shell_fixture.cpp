// The scripted application fixture.
#include "shell_fixture.h"

#include <QCoreApplication>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include "app/main_window_tables.h"
#include "gui/window_registry.h"

namespace kv::test {

void RegisterStandInEditors(WindowRegistry& registry) {
    for (const char* name :
         {kChannelWindow, kSettingsWindow, kRogerBeepWindow, kDtmfWindow, kEmergencyWindow,
          kDualWatchWindow, kMemoryKeyWindow, kWeatherWindow, kGroupNameWindow}) {
        registry.Register(name, [name](ShellContext&, EditorHost&) {
            auto* window = new QWidget;
            window->setObjectName(QString::fromLatin1(name));
            window->setWindowTitle(QString::fromLatin1(name));
            return window;
        });
    }
}

void ShellTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("KV7700")));
    SetMessageAnswerer([this](const MessageRequest& request) {
        Asked.push_back(request);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected message: " << request.Shown;
            return MessageAnswer::Cancel;
        }
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

void ShellTest::TearDown() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers were not asked for";
    app_.reset();
    FlushDeletes();
    SetMessageAnswerer({});
    // A hand-over asks the application to quit; until its loop has run once more, every modal
    // window of a later test would close as soon as it opens.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

void ShellTest::Start(const std::string& localeName) {
    StartupOptions options;
    options.Folders = ProgramFolders::ForProgramFolder(programFolder());
    options.Locale = LocaleFactsFor(localeName);
    options.Placement = std::make_shared<PlacementStore>(placementPath());
    options.Chooser = chooser_;
    options.Store = store_;
    options.ExtraEditors = &RegisterStandInEditors;
    app_ = std::make_unique<Application>(options);
}

void ShellTest::Answer(std::initializer_list<MessageAnswer> answers) {
    answers_.insert(answers_.end(), answers);
}

QAction* ShellTest::action(const char* name) {
    auto* found = main().findChild<QAction*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

std::vector<std::string> ShellTest::openEditors() {
    std::vector<std::string> names;
    for (QMdiSubWindow* sub : main().mdiArea()->subWindowList(QMdiArea::CreationOrder))
        names.push_back(sub->widget()->objectName().toStdString());
    return names;
}

void ShellTest::FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace kv::test
