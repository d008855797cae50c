// Qt's own texts (the file windows, the standard buttons, the print windows) in the program's
// language: Qt's Simplified Chinese translations are installed while the Chinese interface is on.
#pragma once

namespace kv {

// Installs Qt's translations for `language` and removes those of the other language. True when
// Qt's texts now follow `language` (English needs none; the Chinese catalogue may be missing).
bool ApplyQtTranslation(int language);

}  // namespace kv
