// Reading the settings file at start-up: the input is the file. Whatever it holds, the start-up
// rule gives a language the program has texts for, a port number and options in their 16-bit
// range, and writes back only the keys it owns.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "app/startup_settings.h"
#include "fuzz_support.h"
#include "platform/settings_file.h"

namespace {

using kv::fuzz::Check;

bool In16Bits(int value) {
    return value >= -32768 && value <= 32767;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const std::string path = kv::fuzz::ScratchFolder() + "/mysetup.ini";
    kv::fuzz::WriteFile(path, std::span<const std::uint8_t>(bytes, size));

    const QString file = QString::fromStdString(path);
    const kv::SettingsFile settings(file, file);
    const kv::StoredSettings stored = settings.readStartupSettings();
    for (const auto& value : {stored.IsFirstRun, stored.comPort, stored.Handshaking, stored.StopBit,
                              stored.CurrentLanguage})
        if (value) {
            Check(value->empty() || (value->front() != ' ' && value->back() != ' '),
                  "a value is read without surrounding blanks");
            const auto number = kv::ParseSettingInt(*value);
            Check(!number || In16Bits(*number), "a number read is a 16-bit one");
        }

    for (const char* locale : {"409", "804"}) {
        kv::AppState state;
        state.SystemLocaleHex = locale;
        const auto writes = kv::ApplyStartupSettings(stored, state);
        Check(state.CurrentLanguage == kv::kLanguageEnglish ||
                  state.CurrentLanguage == kv::kLanguageChinese,
              "the language is one with texts");
        Check(In16Bits(state.comPort) && In16Bits(state.Handshaking) && In16Bits(state.StopBit),
              "numbers stay in 16 bits");
        for (const auto& write : writes)
            Check(write.Key == kv::kKeyIsFirstRun || write.Key == kv::kKeyComPort ||
                      write.Key == kv::kKeyCurrentLanguage,
                  "only the keys start-up owns are written back");
    }
    return 0;
}
