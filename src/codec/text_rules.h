// How the document's fixed texts become image bytes and back: DTMF codes (one digit code per
// byte), group names (two characters) and the Bluetooth device name (depends on the locale).
#pragma once

#include <cstdint>

#include "codec/image_codec.h"
#include "model/fixed_text.h"
#include "model/memory_image.h"

namespace kv {

inline constexpr std::uint32_t kDtmfCodeBytes = 16;
inline constexpr std::uint32_t kGroupNameBytes = 2;
inline constexpr std::uint32_t kBtNameBytes = 16;

// One byte per position: 0..15 for "0".."9", "A".."D", "*" (or "E") and "#" (or "F"), 16 for any
// other character and after the code's end.
void EncodeDtmfCode(const FixedText<16>& code, MemoryImage& image, std::uint32_t address);
// Digits up to the first byte above 15, then one NUL (none after sixteen digits).
FixedText<16> DecodeDtmfCode(const MemoryImage& image, std::uint32_t address);

// The trimmed name's bytes, NUL-padded to two.
void EncodeGroupName(const FixedText<2>& name, MemoryImage& image, std::uint32_t address);
// The bytes that are neither 0x00 nor 0xFF, padded with blanks.
FixedText<2> DecodeGroupName(const MemoryImage& image, std::uint32_t address);

// In a German system locale ("407") the name keeps its code-page bytes; elsewhere each UTF-16
// code unit is written low byte first with its 0x00 bytes left out. Cut at 16 bytes, NUL-padded.
void EncodeBtDeviceName(const FixedText<16>& name, const CodecOptions& options, MemoryImage& image,
                        std::uint32_t address);
// Bytes up to the first 0x00 or 0xFF; outside "407" each byte is the character with that code.
FixedText<16> DecodeBtDeviceName(const MemoryImage& image, std::uint32_t address,
                                 const CodecOptions& options);

}  // namespace kv
