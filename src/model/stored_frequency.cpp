// Stored channel frequency texts read as the encoder reads them.
#include "model/stored_frequency.h"

#include <cstdio>

#include "model/fixed_text.h"

namespace kv {

std::optional<std::int64_t> StoredFrequencyHz(std::string_view stored) {
    const std::string digits = TrimName(stored);
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::int64_t hz = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        hz = hz * 10 + (c - '0');
    }
    for (std::size_t n = digits.size(); n < 8; ++n) hz *= 10;
    return hz;
}

std::string StoredTextOfHz(std::int64_t hz) {
    if (hz < 0 || hz > kMaxStoredHz) return {};
    char text[16];
    std::snprintf(text, sizeof text, "%08lld", static_cast<long long>(hz));
    return text;
}

std::string HzAsMhzText(std::int64_t hz) {
    const bool negative = hz < 0;
    const std::int64_t magnitude = negative ? -hz : hz;
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%06lld", negative ? "-" : "",
                  static_cast<long long>(magnitude / 1'000'000),
                  static_cast<long long>(magnitude % 1'000'000));
    return text;
}

bool SameStoredFrequency(std::string_view a, std::string_view b) {
    return StoredFrequencyHz(a) == StoredFrequencyHz(b);
}

}  // namespace kv
