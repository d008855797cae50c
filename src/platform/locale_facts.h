// What the program learns about the system at start-up: its version and its locale.
#pragma once

#include <string>

namespace kv {

struct LocaleFacts {
    std::string LocaleName;         // "zh_CN"
    std::string SystemLocaleHex;    // "804"
    int OsMajorVersion = 0;         // 0 when unknown
    bool IsVistaOrSimilar = false;  // that Windows version only; never here
};

// The facts of the running system.
LocaleFacts SystemLocaleFacts();

// The facts for a locale name, as if the system used it (the system version is the running one).
LocaleFacts LocaleFactsFor(const std::string& localeName);

}  // namespace kv
