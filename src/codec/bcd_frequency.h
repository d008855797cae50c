// Frequencies in the memory image: four packed BCD bytes, first digit pair in the first byte.
// Channel frequencies are eight digits of hertz, weather frequencies eight digits of 10 Hz.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/fixed_text.h"
#include "model/memory_image.h"

namespace kv {

inline constexpr int kFrequencyBytes = 4;

// A blank frequency, eight "F" characters or anything but decimal digits gives 0xFF 0xFF 0xFF 0xFF
// (an empty slot); shorter digit texts are padded with "0" on the right (28015 is 28015000).
void PutChannelFrequency(MemoryImage& image, std::uint32_t address, const FixedText<8>& text);

// The four bytes as eight upper-case hexadecimal digits, high nibble first.
std::string GetFrequencyDigits(const MemoryImage& image, std::uint32_t address);

// True when every character is a decimal digit: the digits read as a number.
bool IsDecimalDigits(std::string_view digits);

// MHz × 100000 as an integer of at least eight digits, its first eight digits packed. A negative
// or non-finite frequency has no digits and gives an empty slot.
void PutWeatherFrequency(MemoryImage& image, std::uint32_t address, double mhz);

}  // namespace kv
