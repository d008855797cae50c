// The texts the main window composes from the document: its title, the status bar's model panel
// and the overwrite question.
#pragma once

#include <string>

#include "model/text_pair.h"

namespace kv {

// The file name part of a path: the text after its last slash or backslash.
std::string FileNamePart(const std::string& path);

// "KV-7700[28.0000 - 29.6990 MHz][File Name:new.dat]".
std::string MainWindowTitle(const std::string& bandRangeText, const std::string& documentName,
                            int language);

// "KV-7700[28.0000 - 29.6990 MHz]".
std::string ModelPanelText(const std::string& bandRangeText);

// A double quote, the file name part, a double quote and "file will be Overwrite,Continue?".
TextPair OverwriteQuestionFor(const std::string& documentName);

}  // namespace kv
