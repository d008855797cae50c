// How the document's fixed texts become image bytes and back: DTMF codes (one digit code per
// byte), group names (two characters) and the Bluetooth device name (its bytes unconverted).
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

// The name's bytes as the document holds them, up to its trailing blanks or first NUL, written
// unconverted and NUL-padded to 16: the image and the data file hold the same bytes, whatever the
// system's code page, which only showing and editing the name use.
void EncodeBtDeviceName(const FixedText<16>& name, MemoryImage& image, std::uint32_t address);
// The bytes up to the first 0x00 or 0xFF, unconverted (0x80 to 0x9F included), padded with blanks;
// with NULs when the name itself ends in a blank, so that blank stays part of it.
FixedText<16> DecodeBtDeviceName(const MemoryImage& image, std::uint32_t address);

}  // namespace kv
