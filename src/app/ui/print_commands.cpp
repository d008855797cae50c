// The print commands.
#include "app/ui/print_commands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/channel_sheet.h"
#include "app/document_title.h"
#include "app/ui/main_window.h"
#include "files/data_file.h"
#include "gui/file_chooser.h"
#include "gui/message_box.h"
#include "gui/sheet_document.h"
#include "gui/shell_context.h"

namespace kv {

QString PdfFilterLabel(int language) {
    return QString::fromStdString(TextPair{"PDF File", "PDF 文件"}.in(language)) +
           QStringLiteral(" (*.pdf)");
}

PrintCommands::PrintCommands(ShellContext& context, MainWindow& main)
    : QObject(&main), context_(context), main_(main) {
    setObjectName(QStringLiteral("PrintCommands"));
    const auto on = [this](QAction* action, void (PrintCommands::*command)()) {
        if (action != nullptr) connect(action, &QAction::triggered, this, command);
    };
    on(main_.menuAction(QStringLiteral("mnuFilePrint")), &PrintCommands::Print);
    on(main_.menuAction(QStringLiteral("mnuFilePrintPreview")), &PrintCommands::PrintPreview);
    on(main_.menuAction(QStringLiteral("mnuFileExportPdf")), &PrintCommands::ExportPdf);
    on(main_.toolAction(QStringLiteral("打印")), &PrintCommands::Print);
}

int PrintCommands::language() const {
    return context_.State.CurrentLanguage;
}

void PrintCommands::render(QPrinter* printer) {
    PrintSheet(BuildChannelSheet(context_.Doc, language(), context_.Codec), *printer);
}

void PrintCommands::Print() {
    main_.FinishEdits();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(LocalPaperSize()));
    QPrintDialog dialog(&printer, &main_);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (dialog.exec() == QDialog::Accepted) render(&printer);
}

void PrintCommands::PrintPreview() {
    main_.FinishEdits();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(LocalPaperSize()));
    QPrintPreviewDialog dialog(&printer, &main_);
    dialog.setObjectName(QStringLiteral("PrintPreviewDialog"));
    dialog.resize(main_.size() * 9 / 10);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, &PrintCommands::render);
    dialog.exec();
}

void PrintCommands::ExportPdf() {
    main_.FinishEdits();
    const Document& doc = context_.Doc;
    QString name = QString::fromStdString(FileNamePart(doc.DocumentName));
    name = QFileInfo(name).completeBaseName() + QStringLiteral(".pdf");
    const QString start =
        doc.DocumentUntitled
            ? QDir::home().filePath(name)
            : QFileInfo(QString::fromStdString(doc.DocumentName)).dir().filePath(name);
    const auto chosen =
        main_.fileChooser().chooseSave(&main_, PdfFilterLabel(language()), start, QString());
    if (!chosen) return;
    if (const auto failure = WriteSheetPdf(BuildChannelSheet(doc, language(), context_.Codec),
                                           *chosen, LocalPaperSize()))
        ShowMessage(&main_, language(), FileErrorText(*failure), MessageButtons::Ok,
                    MessageIcon::Critical);
}

}  // namespace kv
