// Texts of the application shell in both languages: the language window, the title, the status
// bar, the About windows and the start-up messages.
#pragma once

#include <string>

#include "model/text_pair.h"

namespace kv {

struct ShellTextTable {
    TextPair LanguageWindowCaption;
    TextPair LanguageModeLabel;
    TextPair FileNameLabel;  // the title's file label
    TextPair PortWindowCaption;
    TextPair PortLabel;  // "COM", also the status bar's port label
    TextPair StatusPanel;
    TextPair TreeRoot;
    TextPair UnknownSystem;
    TextPair YesButton;
    TextPair NoButton;
    // The About windows.
    TextPair AboutCaption;
    TextPair AboutVersionLabel;  // followed by a blank and the version number
    TextPair AboutDescription;
    TextPair AboutRadioLabel;
    TextPair AboutDisclaimer;
    TextPair SystemInfoButton;
    TextPair SystemInfoUnavailable;
};

const ShellTextTable& ShellTexts();

// The name of a language (kLanguageEnglish or kLanguageChinese), in both languages.
const TextPair& LanguageName(int languageNamed);

// The program's own version number, independent of the radio link's data version.
inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 5;
inline constexpr const char* kAppTitle = "KV-7700";

// "Version 2.0.5" / "版本 2.0.5".
TextPair AboutVersionText();

}  // namespace kv
