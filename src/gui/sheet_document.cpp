// The channel sheet on paper.
#include "gui/sheet_document.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QTextDocument>

#include "files/safe_save.h"

namespace kv {
namespace {

QString Html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString TableHtml(const SheetTable& table) {
    QString html = QStringLiteral("<h3>%1</h3>").arg(Html(table.Title));
    html += QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><thead><tr>");
    for (const std::string& head : table.Header)
        html += QStringLiteral("<th align=\"left\">%1</th>").arg(Html(head));
    html += QStringLiteral("</tr></thead>");
    for (const auto& row : table.Rows) {
        html += QStringLiteral("<tr>");
        for (const std::string& cell : row) html += QStringLiteral("<td>%1</td>").arg(Html(cell));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

std::unique_ptr<QTextDocument> SheetDocument(const ChannelSheet& sheet) {
    auto document = std::make_unique<QTextDocument>();
    // Latin text in a plain sans face; Chinese falls to a face that carries it, whatever the
    // platform's own fallback would pick (the offscreen platform has none).
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans")});
    font.setPointSizeF(8.5);
    document->setDefaultFont(font);
    QString html =
        QStringLiteral("<h1>%1</h1><p>%2</p>").arg(Html(sheet.Title), Html(sheet.Subtitle));
    for (const SheetTable& table : sheet.Groups) html += TableHtml(table);
    html += QStringLiteral("<div style=\"page-break-before: always\">%1</div>")
                .arg(TableHtml(sheet.Settings));
    document->setHtml(html);
    return document;
}

void PrintSheet(const ChannelSheet& sheet, QPagedPaintDevice& device) {
    SheetDocument(sheet)->print(&device);
}

std::optional<FileFailure> WriteSheetPdf(const ChannelSheet& sheet, const QString& path,
                                         QPageSize::PageSizeId size) {
    // The writer reports no failure of its own and writes as it goes: it renders into memory
    // (a sheet is a few hundred kilobytes), and the file is replaced only once it is complete.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(size));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(QString::fromStdString(sheet.Title));
        writer.setCreator(QStringLiteral("KV-7700 CPS"));
        PrintSheet(sheet, writer);
    }
    const QByteArray& bytes = pdf.data();
    return SaveFileSafely(
        QFile::encodeName(path).toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QPageSize::PageSizeId LocalPaperSize() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

}  // namespace kv
