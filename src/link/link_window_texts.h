// Texts of the radio link's own windows, in both languages: the progress window, the parts of the
// communication port window that no other window shares, and the messages those windows raise.
#pragma once

#include <string>

#include "link/session_actions.h"
#include "model/text_pair.h"

namespace kv {

struct LinkWindowTextTable {
    TextPair ReadCaption;    // progress window caption of a read
    TextPair WriteCaption;   // progress window caption of a write
    TextPair ProgressLabel;  // "Completion percentage:"
    TextPair SetProgressValueError;
    TextPair AbandonQuestion;  // closing the progress window while the transfer runs
    TextPair AddPathLabel;     // the port window's box for a device path typed by the user
    TextPair AddButton;
    TextPair AddedByHand;      // description of an entry the user added
    TextPair NotPresent;       // description of the chosen entry while its device is gone
    TextPair PathMissing;      // followed by the path on a second line
    TextPair NotSerialDevice;  // followed by the path on a second line
    TextPair NoFreeNumber;
};

const LinkWindowTextTable& LinkWindowTexts();

// The progress window caption for a transfer in `kind`'s direction.
const TextPair& ProgressCaption(TransferKind kind);

// "37%".
std::string PercentText(int percent);

// `message`, then `detail` on a line of its own, in both languages.
TextPair WithDetail(const TextPair& message, const std::string& detail);

}  // namespace kv
