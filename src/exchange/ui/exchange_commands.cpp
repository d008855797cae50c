// The exchange commands.
#include "exchange/ui/exchange_commands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <memory>

#include "app/document_title.h"
#include "app/shared_messages.h"
#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
#include "exchange/common_export.h"
#include "exchange/csv_bounds.h"
#include "exchange/import_texts.h"
#include "exchange/ui/compare_window.h"
#include "exchange/ui/exchange_texts.h"
#include "exchange/ui/export_format_dialog.h"
#include "exchange/ui/import_preview_dialog.h"
#include "exchange/ui/import_target_dialog.h"
#include "files/data_file.h"
#include "files/file_io.h"
#include "files/safe_save.h"
#include "gui/document_editor.h"
#include "gui/editor_host.h"
#include "gui/file_chooser.h"
#include "gui/message_box.h"
#include "gui/qt_text.h"
#include "gui/shell_context.h"
#include "link/backup_store.h"
#include "link/safety_texts.h"
#include "model/memory_image.h"

namespace kv {
namespace {

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

// The channels an export left out, the first of them with their reasons.
TextPair LeftOutText(const std::vector<RefusedLine>& left) {
    constexpr std::size_t kShown = 12;
    TextPair text = FillText(ExchangeTexts().ExportLeft, {std::to_string(left.size())});
    for (std::size_t n = 0; n < left.size() && n < kShown; ++n) {
        const std::string chNo = std::to_string(left[n].Line);
        text.en += "\nCH " + chNo + ": " + left[n].Reason.en;
        text.zh += "\n信道 " + chNo + "：" + left[n].Reason.zh;
    }
    if (left.size() > kShown) {
        const std::string more = std::to_string(left.size() - kShown);
        text.en += "\n… and " + more + " more";
        text.zh += "\n……另有 " + more + " 个";
    }
    return text;
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
    const CodePage& codePage = *context_.Codec.AnsiCodePage;
    const std::optional<ExportChoice> choice =
        ChooseExportFormat(host_.Widget(), doc.Working, codePage, language());
    if (!choice) return;
    const auto chosen = host_.fileChooser().chooseSave(
        host_.Widget(), Filter(ExchangeTexts().CsvFileLabel, language(), "*.csv"),
        StartPath(doc, ".csv"), Text(ExchangeTexts().ExportCaption, language()));
    if (!chosen) return;
    CommonExport out;
    if (choice->Common)
        out = ExportCommonFormat(doc.Working, choice->Group.Band, choice->Group.Group, codePage);
    else
        out.Text = kv::ExportChannels(doc.Working, codePage);
    if (const std::optional<FileFailure> failure = SaveFileSafely(chosen->toStdString(), out.Text))
        return fail(Lines(ExchangeTexts().ExportFailed, FileErrorText(*failure)));
    if (!out.Left.empty())
        ShowMessage(host_.Widget(), language(), LeftOutText(out.Left), MessageButtons::Ok,
                    MessageIcon::Warning);
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
    // The preview again whenever the user takes or leaves the offer of another TX.REP.
    std::optional<ImportPreview> shown;
    std::optional<std::int32_t> offset;
    for (;;) {
        ImportResult result =
            PreviewImport(doc.Working, text, target, *context_.Codec.AnsiCodePage, offset);
        if (!result.Preview) return fail(Lines(notImported, *result.Error));
        const PreviewAnswer answer = ShowImportPreview(host_.Widget(), *result.Preview,
                                                       doc.Working.Config.Settings.RepeaterOffset,
                                                       *context_.Codec.AnsiCodePage, language());
        if (answer == PreviewAnswer::Cancel) return;
        if (answer == PreviewAnswer::Import) {
            shown = std::move(result.Preview);
            break;
        }
        if (answer == PreviewAnswer::TakeOffset && result.Preview->OffsetOffer)
            offset = result.Preview->OffsetOffer->Offset;
        else
            offset.reset();
    }
    const ImportPreview& preview = *shown;
    DocumentEdit edit{EditSection::Whole};
    // A new TX.REP is a setting too: the whole document then.
    if (preview.Format == ImportFormat::Common && !preview.RepeaterOffset)
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
        if (const std::optional<TextPair> reason = LoadImageFile(path, *image))
            return fail(ImageFileError(path, *reason));
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
