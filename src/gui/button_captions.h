// Sets the captions of a window's standard buttons in the current language: CommandOK and
// CommandCancel (or Command1 and Command2), CommandClose and CommandHelp.
#pragma once

class QWidget;

namespace kv {

void ApplyButtonCaptions(QWidget* window, int language);

}  // namespace kv
