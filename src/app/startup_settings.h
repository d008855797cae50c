// The start-up rule for the settings file: which language, port and options the program starts
// with, given what the file holds and the system locale, and what it writes back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/app_state.h"

namespace kv {

inline constexpr const char* kSettingsSection = "language";
inline constexpr const char* kKeyIsFirstRun = "IsFirstRun";
inline constexpr const char* kKeyComPort = "comPort";
inline constexpr const char* kKeyHandshaking = "Handshaking";
inline constexpr const char* kKeyStopBit = "StopBit";
inline constexpr const char* kKeyCurrentLanguage = "CurrentLanguage";
// Whether the last radio identified itself with the HF and 10 m bands ("1") or not ("0"); the
// bands are offered from start-up on, before any radio is read.
inline constexpr const char* kKeyRadioOptionFlag = "RadioOptionFlag";

// The values as the settings file holds them; nullopt for a missing key.
struct StoredSettings {
    std::optional<std::string> IsFirstRun;
    std::optional<std::string> comPort;
    std::optional<std::string> Handshaking;
    std::optional<std::string> StopBit;
    std::optional<std::string> CurrentLanguage;
};

struct SettingsWrite {
    std::string Key;
    std::string Value;
    bool operator==(const SettingsWrite&) const = default;
};

// A settings value as a 16-bit integer: surrounding blanks allowed, a fraction rounds to the
// nearest integer (halves to even); nullopt when it is not a number or out of range.
std::optional<int> ParseSettingInt(std::string_view text);

// Fills the language, port and option members of `state` from the file's values and the system
// locale (state.SystemLocaleHex), and returns the keys to write back, in order. A missing or
// unreadable value falls back: first run, port 1, handshaking 0, stop bit 1, the locale's language.
std::vector<SettingsWrite> ApplyStartupSettings(const StoredSettings& stored, AppState& state);

// The HF and 10 m bands flag the settings file remembers: on only for a stored non-zero number.
bool StoredRadioOptionFlag(const std::optional<std::string>& stored);
// The value the settings file keeps for `flag`.
std::string RadioOptionFlagText(bool flag);

}  // namespace kv
