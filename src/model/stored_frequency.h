// The frequency a stored channel frequency text stands for: what the encoder sends for it. The
// stored form keeps the digits as typed ("2850000 " for 28.5 MHz, as the earlier program's files
// hold it too), so every reader of a frequency goes through here rather than through the text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

// The highest frequency eight digits of hertz can hold.
inline constexpr std::int64_t kMaxStoredHz = 99'999'999;

// Trailing blanks and everything from the first NUL removed, a text of 1 to 8 decimal digits is
// padded on the right with zeros to eight digits of hertz ("2850000" is 28 500 000 Hz). Anything
// else (empty, "FFFFFFFF", a sign, a point, a blank inside) is sent as an empty slot: nothing.
std::optional<std::int64_t> StoredFrequencyHz(std::string_view stored);

// Eight digits of hertz; "" for a frequency eight digits cannot hold.
std::string StoredTextOfHz(std::int64_t hz);

// Hertz as MHz with six decimals ("28.500000"), "." whatever the locale.
std::string HzAsMhzText(std::int64_t hz);

// Whether two stored texts reach the radio as the same frequency, or both as none.
bool SameStoredFrequency(std::string_view a, std::string_view b);

}  // namespace kv
