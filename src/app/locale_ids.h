// Windows locale identifiers for locale names: the rest of the program decides on text encodings
// and on the language by the system locale's identifier as hexadecimal text ("804", "407").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

// The locale identifier of a locale name such as "zh_CN", "de-DE" or "en_US.UTF-8". A name whose
// territory is not listed takes its language's primary identifier; an unknown language, "C" and
// "POSIX" give English (United States), 0x409.
std::uint32_t LocaleIdFor(std::string_view localeName);

// The identifier as upper-case hexadecimal text without leading zeros: 0x804 gives "804".
std::string LocaleHex(std::uint32_t localeId);

// The language a system locale gives: Simplified Chinese for "804" (China) only, otherwise English.
int LanguageForLocaleHex(std::string_view localeHex);

}  // namespace kv
