// Texts of the safety net around the radio: backups, restoring a radio image and the diagnostic
// report, in both languages.
#pragma once

#include <string>

#include "model/text_pair.h"

namespace kv {

struct SafetyTextTable {
    TextPair RadioImageLabel;        // file window filter label for raw images
    TextPair DiagnosticReportLabel;  // file window filter label for the report
    TextPair ReportSaved;            // followed by the path on a second line
    TextPair BackupNotKept;          // a read's backup could not be kept; the reason follows
    TextPair FolderNotOpened;        // the file manager could not show the backup folder
};

const SafetyTextTable& SafetyTexts();

// Settings file keys of the two write options; both are on unless the file says "0".
inline constexpr const char* kKeyBackupBeforeWrite = "BackupBeforeWrite";
inline constexpr const char* kKeyVerifyAfterWrite = "VerifyAfterWrite";

// The reason a file cannot be opened as a radio image: "cannot be read", or its size against
// the image's.
TextPair UnreadableImageReason();
TextPair WrongImageSizeReason(unsigned long long size);

}  // namespace kv
