// The small window that asks which HF or HAM group a file of the common format goes to.
#pragma once

#include <QDialog>
#include <optional>

#include "codec/code_page.h"
#include "exchange/channel_import.h"

namespace kv {

class GroupPicker;

class ImportTargetDialog : public QDialog {
    Q_OBJECT
public:
    ImportTargetDialog(const RadioData& data, const CodePage& codePage, int language,
                       QWidget* parent = nullptr);

    ImportTarget Target() const;

private:
    GroupPicker* picker_;
};

// Asks for the group; nothing when the user cancels.
std::optional<ImportTarget> ChooseImportTarget(QWidget* parent, const RadioData& data,
                                               const CodePage& codePage, int language);

}  // namespace kv
