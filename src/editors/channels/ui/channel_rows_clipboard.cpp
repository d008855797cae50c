// Channel rows on the system clipboard.
#include "editors/channels/ui/channel_rows_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>

#include "editors/channels/grid_rows.h"
#include "editors/channels/ui/channel_editor_state.h"
#include "exchange/channel_rows_private.h"
#include "exchange/channel_rows_sheet.h"
#include "exchange/csv_bounds.h"

namespace kv {
namespace {

QString OwnType() {
    return QString::fromLatin1(kChannelRowsMimeType);
}

}  // namespace

void CopyRowsToClipboard(const Document& doc, int band, int group, std::span<const int> rows,
                         int language, ChannelEditorState& state) {
    if (rows.size() == 1) CopyChannel(doc, band, group, rows.front(), state.Clipboard);
    const std::vector<CopiedRow> copied = CopyChannelRows(doc, band, group, rows);
    const std::string own = WriteChannelRows(copied);
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(ChannelRowsSheet(doc, band, group, copied, language)));
    mime->setData(OwnType(), QByteArray::fromStdString(own));
    // One channel row pastes as the record copied; a CB memory row, like several rows, pastes
    // through the rows' own rules, which put a memory onto a memory row.
    const bool oneChannel = rows.size() == 1 && !IsCbMemoryRow(band, group, rows.front());
    state.CopiedRows = oneChannel ? own : std::string();
    QGuiApplication::clipboard()->setMimeData(mime);
}

ClipboardPaste RowsFromClipboard(const Document& doc, int band, int group, int startRow,
                                 bool inserting, const ChannelEditorState& state) {
    ClipboardPaste paste;
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    const bool ownType = mime != nullptr && mime->hasFormat(OwnType());
    const QByteArray ownBytes = ownType ? mime->data(OwnType()) : QByteArray();
    const QString plain = mime != nullptr && mime->hasText() ? mime->text() : QString();
    // Text far beyond any channel list is refused before a copy of it is made.
    if (static_cast<std::size_t>(std::max(ownBytes.size(), plain.size())) > kLargestCsvBytes) {
        paste.From = ClipboardPaste::Source::Rows;
        paste.Error = CsvTooLargeText();
        return paste;
    }
    const std::string own = ownBytes.toStdString();
    const std::string text = plain.toStdString();
    const bool ownSingleRow = ownType && !state.CopiedRows.empty() && own == state.CopiedRows;
    if (state.Clipboard.Full && (ownSingleRow || (!ownType && text.empty()))) {
        paste.From = ClipboardPaste::Source::OneRecord;
        return paste;
    }
    if (ownType) {
        PrivateRows rows = ReadChannelRows(own);
        paste.From = ClipboardPaste::Source::Rows;
        paste.Rows = std::move(rows.Rows);
        paste.Refused = std::move(rows.Refused);
        paste.Error = std::move(rows.Error);
        return paste;
    }
    if (text.empty()) return paste;
    const Sheet sheet = ReadChannelSheet(text);
    paste.From = ClipboardPaste::Source::Rows;
    paste.Error = sheet.Error;
    if (!sheet.Error)
        paste.Rows = SheetRowsToPaste(doc, band, group, startRow, sheet, inserting, paste.Refused);
    return paste;
}

bool ClipboardOffersRows() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime != nullptr && (mime->hasFormat(OwnType()) || !mime->text().isEmpty());
}

}  // namespace kv
