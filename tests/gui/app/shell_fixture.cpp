// The scripted application fixture.
#include "shell_fixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include "app/main_window_tables.h"
#include "files/data_file.h"
#include "files/data_file_pair.h"
#include "files/staging.h"
#include "gui/window_registry.h"
#include "model/radio_facts.h"

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

void ShellTest::Start(const std::string& localeName, bool standInEditors) {
    StartupOptions options;
    options.Folders = ProgramFolders::ForProgramFolder(programFolder());
    options.Locale = LocaleFactsFor(localeName);
    options.Placement = std::make_shared<PlacementStore>(placementPath());
    options.Chooser = chooser_;
    if (standInEditors) options.ExtraEditors = &RegisterStandInEditors;
    options.ChannelWindowAfterFirstPaint = channelWindowAfterFirstPaint_;
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

void ShellTest::WriteVersionFile(std::initializer_list<const char*> pairs) {
    QByteArray text = "[Version]\nCurrentVersion=V100\nSoftVersionCount=1\nFirmVersionCount=" +
                      QByteArray::number(static_cast<int>(pairs.size())) +
                      "\n[Soft]\nVersion0=V100\n[Firm]\n";
    int n = 0;
    for (const char* pair : pairs) text += "Firm" + QByteArray::number(n++) + "=" + pair + "\n";
    QFile file(dir_.filePath(QStringLiteral("Version.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void ShellTest::CopyTemplates() {
    const QDir from(QStringLiteral(KV_PROGRAM_DIR "/Init"));
    QDir to(programFolder());
    ASSERT_TRUE(to.mkpath(QStringLiteral("Init")));
    for (const QString& name : from.entryList(QDir::Files)) {
        const QString target = to.filePath(QStringLiteral("Init/") + name);
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(from.filePath(name), target));
    }
}

void ShellTest::MarkTemplates(const char* newName, const char* initialName) {
    for (const auto& [file, name] :
         {std::pair{"_KV7700_New.dat", newName}, std::pair{"_KV7700.dat", initialName}})
        for (const char* range : {"0", "1"}) {
            const std::string path = (programFolder() + "/Init/" + range + file).toStdString();
            auto templ = std::make_unique<Document>();
            ASSERT_TRUE(LoadTemplateFile(*templ, path)) << path;
            templ->settings().GroupName(kBandHf, 1).assign(name);
            ASSERT_TRUE(SaveDataFile(*templ, path).ok()) << path;
        }
}

QString ShellTest::InstallOtherVersion(const char* version) {
    const QString folder = dir_.filePath(QString::fromLatin1(version) + QStringLiteral("/KV7700"));
    EXPECT_TRUE(QDir().mkpath(folder));
    const QString started =
        dir_.filePath(QString::fromLatin1(version) + QStringLiteral("-started"));
    QFile program(folder + QLatin1Char('/') +
                  QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    EXPECT_TRUE(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\necho started > '" + started.toUtf8() + "'\n");
    program.close();
    EXPECT_TRUE(program.setPermissions(program.permissions() | QFile::ExeOwner));
    return started;
}

std::unique_ptr<Document> ShellTest::ReadPair(const QString& path) {
    auto saved = std::make_unique<Document>();
    VersionTable table;
    table.Pairs = {{kProgramDataVersion, kProgramDataVersion}};
    if (!OpenDataFile(*saved, path.toStdString(), table).ok()) return nullptr;
    return saved;
}

::testing::AssertionResult ShellTest::PairHoldsTheDocument(const QString& path) {
    const std::string data = path.toStdString();
    for (const std::string& file : {data, CompanionPath(data)})
        if (!QFileInfo::exists(QString::fromStdString(file)))
            return ::testing::AssertionFailure() << file << " is missing";
    const std::unique_ptr<Document> saved = ReadPair(path);
    if (!saved) return ::testing::AssertionFailure() << data << " cannot be read";
    // What the pair holds is the staging copy; against the document's working data it must show
    // no change.
    saved->Working = doc().Working;
    if (IsDocumentChanged(*saved))
        return ::testing::AssertionFailure() << data << " holds other data than the document";
    return ::testing::AssertionSuccess();
}

std::string ShellTest::hfGroupName() {
    return doc().settings().GroupName(kBandHf, 1).trimmed();
}

void ShellTest::FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace kv::test
