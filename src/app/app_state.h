// The process-wide values the application shell sets at start-up and other windows read: the
// language, the serial port settings and the platform facts. The application owns one instance
// and hands it to its windows.
#pragma once

#include <string>

#include "model/text_pair.h"

namespace kv {

struct AppState {
    int CurrentLanguage = kLanguageEnglish;
    int LanguageShownByMainWindow = kLanguageEnglish;  // the language the main window last applied
    int SystemLanguage = kLanguageEnglish;             // derived from the system locale at start
    int comPort = 1;                                   // 0: no port chosen
    int Handshaking = 0;                               // kept; sessions do not apply it
    int StopBit = 1;                                   // kept; sessions do not apply it
    int OsMajorVersion = 0;                            // 0 when unknown
    bool IsVistaOrSimilar = false;
    std::string SystemLocaleHex = "409";
};

}  // namespace kv
