// The window File → Export Channels… opens first: the own format (every band and group) or the
// common open format (one HF or HAM group, for other programmers).
#pragma once

#include <QDialog>
#include <optional>

#include "codec/code_page.h"
#include "exchange/channel_import.h"

class QRadioButton;

namespace kv {

class GroupPicker;

struct ExportChoice {
    bool Common = false;
    ImportTarget Group;  // for the common format
};

class ExportFormatDialog : public QDialog {
    Q_OBJECT
public:
    ExportFormatDialog(const RadioData& data, const CodePage& codePage, int language,
                       QWidget* parent = nullptr);

    ExportChoice Choice() const;

private:
    QRadioButton* common_;
    GroupPicker* picker_;
};

// Asks for the format; nothing when the user cancels.
std::optional<ExportChoice> ChooseExportFormat(QWidget* parent, const RadioData& data,
                                               const CodePage& codePage, int language);

}  // namespace kv
