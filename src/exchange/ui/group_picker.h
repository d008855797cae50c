// The band and group boxes that name an HF or HAM group: where a common-format file is imported
// into, or which group is exported in that format.
#pragma once

#include <QObject>

#include "codec/code_page.h"
#include "exchange/channel_import.h"

class QComboBox;
class QFormLayout;
class QWidget;

namespace kv {

class GroupPicker : public QObject {
    Q_OBJECT
public:
    // Adds the two boxes (TargetBand, TargetGroup) with their captions to form. The band the
    // document works in is chosen first.
    GroupPicker(const RadioData& data, const CodePage& codePage, int language, QFormLayout& form,
                QWidget* parent);

    ImportTarget Target() const;
    void setEnabled(bool enabled);

private:
    void listGroups();

    const RadioData& data_;
    const CodePage& codePage_;
    QComboBox* bandBox_;
    QComboBox* groupBox_;
};

}  // namespace kv
