// Packing frequency digit texts into BCD bytes and back.
#include "codec/bcd_frequency.h"

#include <cmath>

namespace kv {
namespace {

// Eight decimal digits into four bytes; anything else marks the slot empty.
void PutDigits(MemoryImage& image, std::uint32_t address, std::string_view digits) {
    const bool valid = digits.size() == 2 * kFrequencyBytes && IsDecimalDigits(digits);
    for (int i = 0; i < kFrequencyBytes; ++i) {
        const std::uint8_t byte =
            valid
                ? static_cast<std::uint8_t>((digits[2 * i] - '0') * 16 + (digits[2 * i + 1] - '0'))
                : 0xFF;
        image.put(address + static_cast<std::uint32_t>(i), byte);
    }
}

}  // namespace

bool IsDecimalDigits(std::string_view digits) {
    if (digits.empty()) return false;
    for (const char c : digits)
        if (c < '0' || c > '9') return false;
    return true;
}

void PutChannelFrequency(MemoryImage& image, std::uint32_t address, const FixedText<8>& text) {
    std::string digits = text.trimmed();
    if (digits.empty()) digits = "FFFFFFFF";
    digits.resize(2 * kFrequencyBytes, '0');
    PutDigits(image, address, digits);
}

std::string GetFrequencyDigits(const MemoryImage& image, std::uint32_t address) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string digits;
    for (int i = 0; i < kFrequencyBytes; ++i) {
        const std::uint8_t byte = image.at(address + static_cast<std::uint32_t>(i));
        digits.push_back(kHex[byte >> 4]);
        digits.push_back(kHex[byte & 0x0F]);
    }
    return digits;
}

void PutWeatherFrequency(MemoryImage& image, std::uint32_t address, double mhz) {
    const double scaled = std::round(mhz * 100000.0);
    if (!std::isfinite(scaled) || scaled < 0.0 || scaled >= 9e18) {
        PutDigits(image, address, {});
        return;
    }
    std::string digits = std::to_string(static_cast<long long>(scaled));
    if (digits.size() < 2 * kFrequencyBytes)
        digits.insert(0, 2 * kFrequencyBytes - digits.size(), '0');
    PutDigits(image, address, std::string_view(digits).substr(0, 2 * kFrequencyBytes));
}

}  // namespace kv
