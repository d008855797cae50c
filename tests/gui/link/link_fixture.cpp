// The radio command fixture.
#include "gui/link/link_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "app/main_window_tables.h"
#include "app/ui/main_window.h"
#include "app/write_checks.h"
#include "gui/shell_context.h"
#include "link/transfer_map.h"
#include "link/ui/radio_commands.h"
#include "platform/port_list.h"
#include "platform/serial_session.h"

namespace kv::linktest {

StandInEditor::StandInEditor(Document& doc) : doc_(doc) {
    micGainBox = new QLineEdit(this);
    micGainBox->setObjectName(QStringLiteral("Text1"));
    connect(micGainBox, &QLineEdit::editingFinished, this,
            [this] { doc_.settings().MicGain = static_cast<i16>(micGainBox->text().toInt()); });
}

void StandInEditor::FinishEdit() {
    if (pendingBeepLevel) doc_.settings().BeepLevel = static_cast<i16>(*pendingBeepLevel);
    pendingBeepLevel.reset();
}

StoreResult RecordingStore::StartOtherVersion(const std::string& otherVersion) {
    started.push_back(otherVersion);
    if (portOpen) startedWithPortOpen.push_back(portOpen());
    return {};
}

LinkFixture::LinkFixture() {
    // A hand-over earlier in the run asks the application to quit, and until the application's
    // own loop has run once more every modal window would close as soon as it opens.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();

    EXPECT_TRUE(dir_.isValid());
    versions_.Pairs = {{"V100", "V100"}};
    const ProgramFolders folders = ProgramFolders::ForProgramFolder(dir_.filePath("KV7700"));
    settings_ = std::make_unique<SettingsFile>(folders.settingsFile(), dir_.filePath("user.ini"));
    placement_ = std::make_unique<PlacementStore>(dir_.filePath("placement.ini"));
    doc_->BandRangeText = kStartupBandRangeText;
    store_ = std::make_unique<RecordingStore>(folders, versions_);
    store_->BuildStartupDocument(*doc_);
    context_ = std::unique_ptr<ShellContext>(
        new ShellContext{*doc_, state_, *settings_, versions_, folders, CodecOptions{}});
    editors_.Register(kChannelWindow, [](ShellContext& context, EditorHost&) -> QWidget* {
        return new StandInEditor(context.Doc);
    });

    SetMessageAnswerer([this](const MessageRequest& request) {
        // The check before writing has its own tests; the documents here are made of patterns
        // it finds plenty in, so its window is answered OK and not counted.
        if (request.Text.en.rfind(WriteCheckHead().en, 0) == 0) return MessageAnswer::Ok;
        shown_.push_back(request);
        if (const auto hook = hooks_.find(request.Text.en); hook != hooks_.end() && hook->second)
            hook->second();
        const auto scripted = answers_.find(request.Text.en);
        if (scripted != answers_.end() && !scripted->second.empty()) {
            std::vector<MessageAnswer>& answers = scripted->second;
            const MessageAnswer answer = answers.front();
            if (answers.size() > 1) answers.erase(answers.begin());
            return answer;
        }
        const bool hasOk =
            request.Buttons == MessageButtons::Ok || request.Buttons == MessageButtons::OkCancel;
        return hasOk ? MessageAnswer::Ok : MessageAnswer::No;
    });
    main_ = std::make_unique<MainWindow>(*context_, editors_, *store_, chooser_, *placement_);
    commands_ = new RadioCommands(*context_, *main_);
    store_->portOpen = [this] { return commands_->session().isPortOpen(); };
    main_->SetLinkCommands(commands_);
}

LinkFixture::~LinkFixture() {
    main_.reset();
    SetMessageAnswerer({});
}

bool LinkFixture::StartRadio(const MemoryImage& image, const QStringList& options) {
    if (!sim_.Start(image, options)) return false;
    WritePortMapping(settings_->writePath(), {{kSimPort, sim_.path().toStdString()}});
    state_.comPort = kSimPort;
    return true;
}

StandInEditor* LinkFixture::channelWindow() const {
    return qobject_cast<StandInEditor*>(main_->FindEditor(QString::fromLatin1(kChannelWindow)));
}

void LinkFixture::Trigger(const char* menuItem) {
    QAction* action = main_->menuAction(QString::fromLatin1(menuItem));
    ASSERT_NE(action, nullptr) << menuItem;
    action->trigger();
}

int LinkFixture::CountShown(const TextPair& text) const {
    return static_cast<int>(
        std::count_if(shown_.begin(), shown_.end(), [&](const auto& r) { return r.Text == text; }));
}

std::unique_ptr<MemoryImage> TransferredPart(const MemoryImage& image) {
    auto part = std::make_unique<MemoryImage>();
    for (const std::uint32_t address : TransferBlockAddresses())
        PutImageBlock(*part, address, ImageBlock(image, address));
    return part;
}

}  // namespace kv::linktest
