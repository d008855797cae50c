// The exchange commands.
#include "exchange/ui/exchange_commands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <memory>

#include "app/document_title.h"
#include "app/main_window_tables.h"
#include "app/shared_messages.h"
#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
#include "exchange/csv_bounds.h"
#include "exchange/import_texts.h"
#include "exchange/ui/compare_window.h"
#include "exchange/ui/exchange_texts.h"
#include "exchange/ui/import_preview_dialog.h"
#include "exchange/ui/import_target_dialog.h"
#include "files/data_file.h"
#include "files/file_io.h"
#include "files/safe_save.h"
#include "gui/document_editor.h"
#include "gui/editor_host.h"
#include "gui/file_chooser.h"
#include "gui/message_box.h"
#include "gui/shell_context.h"
#include "link/backup_store.h"
#include "link/safety_texts.h"
#include "model/memory_image.h"

namespace kv {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Two texts on two lines.
TextPair Lines(const TextPair& first, const TextPair& second) {
    return {first.en + "\n" + second.en, first.zh + "\n" + second.zh};
}

QString Filter(const TextPair& label, int language, const char* pattern) {
    return Text(label.in(language)) + QStringLiteral(" (") + QLatin1String(pattern) +
           QStringLiteral(")");
}

// Where a file window starts: the document's folder (home for an untitled one), with the
// document's name and the given suffix.
QString StartPath(const Document& doc, const char* suffix) {
    const QString base =
        QFileInfo(Text(FileNamePart(doc.DocumentName))).completeBaseName() + QLatin1String(suffix);
    return doc.DocumentUntitled ? QDir::home().filePath(base)
                                : QFileInfo(Text(doc.DocumentName)).dir().filePath(base);
}

}  // namespace

ExchangeCommands::ExchangeCommands(ShellContext& context, EditorHost& host)
    : QObject(host.Widget()), context_(context), host_(host) {
    setObjectName(QStringLiteral("ExchangeCommands"));
    const auto on = [this](const char* name, void (ExchangeCommands::*command)()) {
        if (QAction* action = host_.menuAction(QString::fromLatin1(name)))
            connect(action, &QAction::triggered, this, command);
    };
    on("mnuFileExportChannels", &ExchangeCommands::ExportChannels);
    on("mnuFileImportChannels", &ExchangeCommands::ImportChannels);
    on("mnuFileCompare", &ExchangeCommands::CompareWithFile);
}

ExchangeCommands::~ExchangeCommands() {
    delete compare_;
}

int ExchangeCommands::language() const {
    return context_.State.CurrentLanguage;
}

void ExchangeCommands::fail(const TextPair& text) {
    ShowMessage(host_.Widget(), language(), text, MessageButtons::Ok, MessageIcon::Critical);
}

void ExchangeCommands::ExportChannels() {
    host_.FinishEdits();
    const Document& doc = context_.Doc;
    // The file window is named after the command, not the desktop's "Save As".
    std::string title =
        CaptionWithoutAccessKey(FindMenuRow("mnuFileExportChannels")->Caption.in(language()));
    if (title.ends_with("…")) title.resize(title.size() - std::string_view("…").size());
    const auto chosen = host_.fileChooser().chooseSave(
        host_.Widget(), Filter(ExchangeTexts().CsvFileLabel, language(), "*.csv"),
        StartPath(doc, ".csv"), QString::fromStdString(title));
    if (!chosen) return;
    const std::string text = kv::ExportChannels(doc.Working, *context_.Codec.AnsiCodePage);
    if (const std::optional<FileFailure> failure = SaveFileSafely(chosen->toStdString(), text))
        fail(Lines(ExchangeTexts().ExportFailed, FileErrorText(*failure)));
}

void ExchangeCommands::ImportChannels() {
    host_.FinishEdits();
    const Document& doc = context_.Doc;
    const auto chosen = host_.fileChooser().chooseOpen(
        host_.Widget(), Filter(ExchangeTexts().CsvFileLabel, language(), "*.csv"),
        doc.DocumentUntitled ? QDir::homePath() : QFileInfo(Text(doc.DocumentName)).absolutePath());
    if (!chosen) return;
    const std::string path = chosen->toStdString();
    const TextPair notImported = FillText(ExchangeTexts().ImportFailed, {path});
    const CsvFileText file = ReadCsvFile(path);
    if (file.Error) return fail(Lines(notImported, *file.Error));
    const std::string& text = file.Text;

    ImportTarget target{-1, 0};
    if (NeedsImportTarget(text)) {
        const std::optional<ImportTarget> picked = ChooseImportTarget(
            host_.Widget(), doc.Working, *context_.Codec.AnsiCodePage, language());
        if (!picked) return;
        target = *picked;
    }
    const ImportResult result =
        PreviewImport(doc.Working, text, target, *context_.Codec.AnsiCodePage);
    if (!result.Preview) return fail(Lines(notImported, *result.Error));
    const ImportPreview& preview = *result.Preview;
    if (!ShowImportPreview(host_.Widget(), preview, *context_.Codec.AnsiCodePage, language()))
        return;
    DocumentEdit edit{EditSection::Whole};
    if (preview.Format == ImportFormat::Common)
        edit = {EditSection::Channels, target.Band, target.Group};
    host_.Editor().Apply([&preview](Document& d) { ApplyImport(d.Working, preview); }, edit);
}

void ExchangeCommands::CompareWithFile() {
    host_.FinishEdits();
    const Document& doc = context_.Doc;
    const int lang = language();
    const QString filter = Filter(SharedMessages().DataFileLabel, lang, "*.dat") +
                           QStringLiteral(";;") +
                           Filter(SafetyTexts().RadioImageLabel, lang, "*.img");
    const auto chosen = host_.fileChooser().chooseOpen(
        host_.Widget(), filter,
        doc.DocumentUntitled ? QDir::homePath() : QFileInfo(Text(doc.DocumentName)).absolutePath());
    if (!chosen) return;
    const std::string path = chosen->toStdString();
    auto other = std::make_unique<Document>();
    if (chosen->endsWith(QStringLiteral(".img"), Qt::CaseInsensitive)) {
        auto image = std::make_unique<MemoryImage>();
        if (const std::optional<TextPair> reason = LoadImageFile(path, *image)) {
            const TextPair& head = SharedMessages().FileError;
            return fail({head.en + "\n" + path + ": " + reason->en,
                         head.zh + "\n" + path + "：" + reason->zh});
        }
        // A radio image carries what the radio holds; the rest is the document's, as when the
        // image is opened.
        other->Working = doc.Working;
        DecodeImage(*image, other->Working, context_.Codec);
    } else {
        const FileResult result = OpenDataFile(*other, path, context_.Versions);
        if (!result.ok())
            return fail(result.Message.empty() ? SharedMessages().FileError : result.Message);
    }
    delete compare_;
    // Not a child of the main window, so that the window a line opens can come in front of it.
    compare_ = new CompareWindow(
        host_, doc, FindDifferences(doc.Working, other->Working, *context_.Codec.AnsiCodePage),
        FileNamePart(path), lang);
    // Over the main window and within it, however small the screen makes the main window.
    const QRect room = host_.Widget()->geometry();
    QRect placed(QPoint(), compare_->size().boundedTo(room.size()));
    placed.moveCenter(room.center());
    compare_->setGeometry(placed);
    compare_->show();
}

}  // namespace kv
