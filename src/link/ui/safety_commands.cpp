// The safety net's commands.
#include "link/ui/safety_commands.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "app/startup_settings.h"
#include "gui/editor_host.h"
#include "gui/file_chooser.h"
#include "gui/message_box.h"
#include "gui/qt_text.h"
#include "gui/shell_context.h"
#include "link/safety_texts.h"
#include "platform/diagnostic_facts.h"
#include "platform/user_data_folder.h"

namespace kv {
namespace {

TextPair WithLine(const TextPair& message, const QString& line) {
    return {message.en + "\n" + line.toStdString(), message.zh + "\n" + line.toStdString()};
}

}  // namespace

SafetyCommands::SafetyCommands(ShellContext& context, EditorHost& main, QObject* parent)
    : QObject(parent), context_(context), main_(main) {
    setObjectName(QStringLiteral("SafetyCommands"));
    connectOption("mnuBackupBeforeWrite", kKeyBackupBeforeWrite);
    connectOption("mnuVerifyAfterWrite", kKeyVerifyAfterWrite);
    if (QAction* open = main_.menuAction(QStringLiteral("mnuOpenBackupFolder")))
        connect(open, &QAction::triggered, this, &SafetyCommands::OpenBackupFolder);
    if (QAction* report = main_.menuAction(QStringLiteral("mnuSaveDiagnosticReport")))
        connect(report, &QAction::triggered, this, &SafetyCommands::SaveDiagnosticReport);
}

int SafetyCommands::language() const {
    return context_.State.CurrentLanguage;
}

// The option is on unless the settings file holds "0"; the check mark is stored when the user
// changes it.
void SafetyCommands::connectOption(const char* menuItem, const char* key) {
    QAction* action = main_.menuAction(QString::fromLatin1(menuItem));
    if (action == nullptr) return;
    const QString section = QString::fromLatin1(kSettingsSection);
    const QString name = QString::fromLatin1(key);
    const std::optional<std::string> stored = context_.Settings.read(section, name);
    action->setChecked(!stored || *stored != "0");
    connect(action, &QAction::triggered, this, [this, section, name](bool checked) {
        context_.Settings.write(section, name, checked ? "1" : "0");
    });
}

WriteJobOptions SafetyCommands::writeOptions() const {
    const auto checked = [this](const char* name) {
        const QAction* action = main_.menuAction(QString::fromLatin1(name));
        return action == nullptr || action->isChecked();
    };
    return {checked("mnuBackupBeforeWrite"), checked("mnuVerifyAfterWrite")};
}

std::optional<TextPair> SafetyCommands::keepBackup(const MemoryImage& image, BackupKind kind) {
    return KeepBackupImage(image, kind);
}

void SafetyCommands::OpenBackupFolder() {
    const QString folder = BackupFolder();
    if (QDir().mkpath(folder) && QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) return;
    ShowMessage(main_.Widget(), language(), WithLine(SafetyTexts().FolderNotOpened, folder));
}

void SafetyCommands::SaveDiagnosticReport() {
    const CivilTime now = LocalNow();
    const QString start = QDir::home().filePath(
        QStringLiteral("kv7700-report_%1.txt.gz").arg(QString::fromStdString(StampText(now))));
    const QString filter =
        Text(SafetyTexts().DiagnosticReportLabel, language()) + QStringLiteral(" (*.gz)");
    const std::optional<QString> path =
        main_.fileChooser().chooseSave(main_.Widget(), filter, start, QString());
    if (!path) return;
    const DiagnosticFacts facts = GatherDiagnosticFacts(
        context_.Settings.writePath(), context_.Folders.versionFile(), TraceFolder());
    if (const std::optional<TextPair> failure = kv::SaveDiagnosticReport(*path, facts)) {
        ShowMessage(main_.Widget(), language(), *failure);
        return;
    }
    ShowMessage(main_.Widget(), language(), WithLine(SafetyTexts().ReportSaved, *path));
}

}  // namespace kv
