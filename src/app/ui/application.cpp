// The start-up sequence.
#include "app/ui/application.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include "app/main_window_tables.h"
#include "app/shell_texts.h"
#include "app/startup_settings.h"
#include "app/ui/after_first_paint.h"
#include "app/ui/data_file_store.h"
#include "app/ui/main_window.h"
#include "app/ui/recovery_offer.h"
#include "gui/file_chooser.h"
#include "gui/message_box.h"
#include "gui/shell_context.h"
#include "gui/window_registry.h"
#include "link/ui/radio_commands.h"
#include "model/band_range.h"
#include "model/default_data.h"
#include "model/document.h"
#include "platform/ansi_code_page.h"
#include "platform/placement_store.h"
#include "platform/recovery_store.h"
#include "platform/settings_file.h"
#include "platform/user_data_folder.h"

namespace kv {

Application::Application(StartupOptions options)
    : doc_(std::make_unique<Document>()),
      placement_(std::move(options.Placement)),
      chooser_(std::move(options.Chooser)),
      store_(std::move(options.Store)) {
    // Numbers are read and written with "." whatever the user's locale; the user's own settings
    // stay as they are.
    QLocale::setDefault(QLocale::c());

    versions_ = LoadInstalledVersions(options.Folders);

    state_.OsMajorVersion = options.Locale.OsMajorVersion;
    state_.IsVistaOrSimilar = options.Locale.IsVistaOrSimilar;
    state_.SystemLocaleHex = options.Locale.SystemLocaleHex;
    if (state_.OsMajorVersion == 0)
        ShowMessage(nullptr, kLanguageEnglish, ShellTexts().UnknownSystem);

    settings_ = std::make_unique<SettingsFile>(SettingsFile::ForInstallation(options.Folders));
    const QString section = QString::fromLatin1(kSettingsSection);
    for (const auto& write : ApplyStartupSettings(settings_->readStartupSettings(), state_))
        settings_->write(section, QString::fromStdString(write.Key), write.Value);

    // The HF and 10 m bands of the last radio read stay on offer, so that its saved files can be
    // edited without it; every identification reply sets the flag again.
    doc_->Radio.RadioOptionFlag =
        StoredRadioOptionFlag(settings_->read(section, QString::fromLatin1(kKeyRadioOptionFlag)));

    doc_->BandRangeText = kStartupBandRangeText;
    ParseBandRange(*doc_);

    if (!store_) store_ = std::make_shared<DataFileStore>(options.Folders, versions_);
    store_->BuildStartupDocument(*doc_);

    if (!placement_) placement_ = std::make_shared<PlacementStore>();
    if (!chooser_) chooser_ = std::make_shared<DialogFileChooser>();
    editors_ = std::make_unique<WindowRegistry>();
    RegisterEditorWindows(*editors_);
    if (options.ExtraEditors) options.ExtraEditors(*editors_);

    const CodecOptions codec{state_.SystemLocaleHex, &AnsiCodePageFor(state_.SystemLocaleHex)};
    context_ = std::unique_ptr<ShellContext>(
        new ShellContext{*doc_, state_, *settings_, versions_, options.Folders, codec});
    main_ = std::make_unique<MainWindow>(*context_, *editors_, *store_, *chooser_, *placement_,
                                         options.ChannelWindowAfterFirstPaint
                                             ? ChannelWindowAtStart::AfterFirstPaint
                                             : ChannelWindowAtStart::Now);
    main_->SetLinkCommands(new RadioCommands(*context_, *main_));
    QObject::connect(main_.get(), &MainWindow::quitRequested, qApp,
                     [](int code) { QCoreApplication::exit(code); });
    // The first paint needs none of the backups, so the window does not wait for their pruning.
    RunAfterFirstPaint(*main_, &PruneBackupFolder);
    // What a program that ended without saving left behind is offered once the window is up;
    // with nothing left, this costs one look at a folder.
    RunAfterFirstPaint(*main_, [this, folder = RecoveryFolder(options.Folders, *settings_)] {
        OfferLeftRecoveries(*main_, folder);
    });
}

Application::~Application() = default;

void Application::OpenCommandLineFile(const QString& path) {
    if (main_->OpenDataFile(QFileInfo(path).absoluteFilePath())) return;
    // The start-up document is still the working one; the channel window shows it.
    main_->OpenEditor(QString::fromLatin1(kChannelWindow));
    main_->CascadeEditors();
}

}  // namespace kv
