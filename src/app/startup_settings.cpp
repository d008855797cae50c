// The start-up rule for the settings file.
#include "app/startup_settings.h"

#include <cmath>
#include <limits>

#include "app/locale_ids.h"
#include "model/numeric_text.h"

namespace kv {

std::optional<int> ParseSettingInt(std::string_view text) {
    const auto number = ParseNumber(text);
    if (!number || !std::isfinite(*number)) return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::vector<SettingsWrite> ApplyStartupSettings(const StoredSettings& stored, AppState& state) {
    const auto read = [](const std::optional<std::string>& value, int fallback) {
        if (!value) return fallback;
        return ParseSettingInt(*value).value_or(fallback);
    };

    const int localeLanguage = LanguageForLocaleHex(state.SystemLocaleHex);
    state.CurrentLanguage = localeLanguage;
    state.LanguageShownByMainWindow = localeLanguage;
    state.SystemLanguage = localeLanguage;

    const bool firstRun = read(stored.IsFirstRun, 1) != 0;
    state.comPort = read(stored.comPort, 1);
    state.Handshaking = read(stored.Handshaking, 0);
    state.StopBit = read(stored.StopBit, 1);

    std::vector<SettingsWrite> writes;
    if (firstRun) {
        writes.push_back({kKeyIsFirstRun, "0"});
    } else {
        const int language = read(stored.CurrentLanguage, localeLanguage);
        if (language == kLanguageEnglish || language == kLanguageChinese)
            state.CurrentLanguage = language;
    }
    // The main window applies the language at start; it changes later only by the language window.
    state.LanguageShownByMainWindow = state.CurrentLanguage;
    writes.push_back({kKeyComPort, std::to_string(state.comPort)});
    writes.push_back({kKeyCurrentLanguage, std::to_string(state.CurrentLanguage)});
    return writes;
}

bool StoredRadioOptionFlag(const std::optional<std::string>& stored) {
    return stored && ParseSettingInt(*stored).value_or(0) != 0;
}

std::string RadioOptionFlagText(bool flag) {
    return flag ? "1" : "0";
}

}  // namespace kv
