// What an import will do, shown before anything changes: the channels added or replaced and the
// group names set, the lines refused with their reasons, and the columns dropped.
#pragma once

#include <QDialog>

#include "codec/code_page.h"
#include "exchange/channel_import.h"

namespace kv {

class ImportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    ImportPreviewDialog(const ImportPreview& preview, const CodePage& codePage, int language,
                        QWidget* parent = nullptr);
};

// True when the user accepts the preview.
bool ShowImportPreview(QWidget* parent, const ImportPreview& preview, const CodePage& codePage,
                       int language);

}  // namespace kv
