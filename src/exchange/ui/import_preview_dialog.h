// What an import will do, shown before anything changes: the channels added or replaced and the
// group names set, the lines refused with their reasons, and the columns dropped; for a file whose
// repeater lines ask for another shift than TX.REP, the offer to set TX.REP to it.
#pragma once

#include <QDialog>

#include "codec/code_page.h"
#include "exchange/channel_import.h"

namespace kv {

class ImportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // documentOffset: the document's TX.REP, which the preview's note compares with.
    ImportPreviewDialog(const ImportPreview& preview, std::int32_t documentOffset,
                        const CodePage& codePage, int language, QWidget* parent = nullptr);

    // The dialog's results beside Accepted and Rejected.
    static constexpr int kTakeOffset = 2;
    static constexpr int kKeepOffset = 3;
};

enum class PreviewAnswer { Cancel, Import, TakeOffset, KeepOffset };

PreviewAnswer ShowImportPreview(QWidget* parent, const ImportPreview& preview,
                                std::int32_t documentOffset, const CodePage& codePage,
                                int language);

}  // namespace kv
