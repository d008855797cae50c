// The small window that asks which HF or HAM group a file of the common format goes to.
#pragma once

#include <QDialog>
#include <optional>

#include "codec/code_page.h"
#include "exchange/channel_import.h"

class QComboBox;

namespace kv {

class ImportTargetDialog : public QDialog {
    Q_OBJECT
public:
    ImportTargetDialog(const RadioData& data, const CodePage& codePage, int language,
                       QWidget* parent = nullptr);

    ImportTarget Target() const;

private:
    void listGroups();

    const RadioData& data_;
    const CodePage& codePage_;
    QComboBox* bandBox_;
    QComboBox* groupBox_;
};

// Asks for the group; nothing when the user cancels.
std::optional<ImportTarget> ChooseImportTarget(QWidget* parent, const RadioData& data,
                                               const CodePage& codePage, int language);

}  // namespace kv
