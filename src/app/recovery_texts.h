// Texts of the recovery after a crash, in both languages.
#pragma once

#include <string>

#include "model/text_pair.h"

namespace kv {

// Asks whether to restore the unsaved edits of `documentName` as they were at `takenAt`.
TextPair RestoreQuestionText(const std::string& documentName, const std::string& takenAt);

// A recovery file that cannot be read or is damaged; it was set aside as `asidePath`.
TextPair RecoveryDamagedText(const std::string& asidePath);

// A recovery file written by program version `version`; it was set aside as `asidePath`.
TextPair RecoveryOtherVersionText(const std::string& version, const std::string& asidePath);

}  // namespace kv
