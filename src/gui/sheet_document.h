// The channel sheet laid out for paper: a text document of its tables, in a font that carries
// Chinese, printed onto a printer or written as a PDF file. Works without a screen, so the
// command line renders with it too.
#pragma once

#include <QPageSize>
#include <QString>
#include <memory>
#include <optional>

#include "app/channel_sheet.h"
#include "files/file_io.h"

class QPagedPaintDevice;
class QTextDocument;

namespace kv {

std::unique_ptr<QTextDocument> SheetDocument(const ChannelSheet& sheet);

// Prints the sheet onto `device` (a printer or a PDF writer) with its current page layout.
void PrintSheet(const ChannelSheet& sheet, QPagedPaintDevice& device);

// Writes the sheet as a PDF file on paper of `size` (A4 or Letter), through the safe save: the
// whole document is rendered first, so a failure leaves the previous file as it was. Nothing on
// success, otherwise why the file cannot be written.
std::optional<FileFailure> WriteSheetPdf(const ChannelSheet& sheet, const QString& path,
                                         QPageSize::PageSizeId size);

// Letter where the user's locale measures in US units, A4 elsewhere.
QPageSize::PageSizeId LocalPaperSize();

}  // namespace kv
