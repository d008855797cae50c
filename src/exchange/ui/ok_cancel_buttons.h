// The OK and Cancel buttons of the exchange windows, named and captioned as every window's are.
#pragma once

class QDialog;
class QDialogButtonBox;

namespace kv {

// OK accepts the dialog, Cancel rejects it.
QDialogButtonBox* OkCancelButtons(QDialog& dialog, int language);

}  // namespace kv
