// The shared message table: texts that more than one window or the radio link shows, in both
// languages. Filled once; every message box looks its text up when it is shown.
#pragma once

#include <string>

#include "model/text_pair.h"

namespace kv {

struct SharedMessageTable {
    TextPair NewDocumentWarning;
    TextPair DataFileLabel;  // the file window filter's label
    TextPair FileError;
    TextPair CannotOpenPort;
    TextPair ReadConfirmation;   // two lines joined by CR LF
    TextPair WriteConfirmation;  // two lines joined by CR LF
    TextPair UnsavedChanges;
    TextPair OverwriteQuestion;  // follows the quoted file name
    TextPair ReadCompleted;
    TextPair WriteCompleted;
    TextPair WrongModel;
    TextPair FrequencyOutOfRange;
    TextPair OkButton;
    TextPair CancelButton;
    TextPair CloseButton;
    TextPair HelpButton;
};

const SharedMessageTable& SharedMessages();

// The two lines of a confirmation, joined by a carriage return and a line feed.
TextPair JoinLines(const TextPair& first, const TextPair& second);

// "file error." and, on a second line, the radio image file `path` with why it cannot be used.
TextPair ImageFileError(const std::string& path, const TextPair& reason);

}  // namespace kv
