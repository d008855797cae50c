// Text conversion rules of the image codec.
#include "codec/text_rules.h"

#include <string>

namespace kv {
namespace {

constexpr std::uint8_t kNoDigit = 16;

std::uint8_t DtmfDigitCode(char c) {
    if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
    if (c == '*') return 14;
    if (c == '#') return 15;
    return kNoDigit;
}

char DtmfDigitChar(std::uint8_t code) {
    static constexpr char kDigits[] = "0123456789ABCD*#";
    return kDigits[code];
}

}  // namespace

void EncodeDtmfCode(const FixedText<16>& code, MemoryImage& image, std::uint32_t address) {
    const std::string digits = code.trimmed();
    for (std::uint32_t i = 0; i < kDtmfCodeBytes; ++i)
        image.put(address + i, i < digits.size() ? DtmfDigitCode(digits[i]) : kNoDigit);
}

FixedText<16> DecodeDtmfCode(const MemoryImage& image, std::uint32_t address) {
    std::string digits;
    for (std::uint32_t i = 0; i < kDtmfCodeBytes; ++i) {
        const std::uint8_t byte = image.at(address + i);
        if (byte >= kNoDigit) {
            digits.push_back('\0');
            break;
        }
        digits.push_back(DtmfDigitChar(byte));
    }
    return FixedText<16>(digits);
}

void EncodeGroupName(const FixedText<2>& name, MemoryImage& image, std::uint32_t address) {
    const std::string text = name.trimmed();
    for (std::uint32_t i = 0; i < kGroupNameBytes; ++i)
        image.put(address + i, i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0x00);
}

FixedText<2> DecodeGroupName(const MemoryImage& image, std::uint32_t address) {
    std::string text;
    for (std::uint32_t i = 0; i < kGroupNameBytes; ++i) {
        const std::uint8_t byte = image.at(address + i);
        if (byte != 0x00 && byte != 0xFF) text.push_back(static_cast<char>(byte));
    }
    return FixedText<2>(text);
}

void EncodeBtDeviceName(const FixedText<16>& name, MemoryImage& image, std::uint32_t address) {
    const std::string bytes = name.trimmed();
    for (std::uint32_t i = 0; i < kBtNameBytes; ++i)
        image.put(address + i, i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : 0x00);
}

FixedText<16> DecodeBtDeviceName(const MemoryImage& image, std::uint32_t address) {
    std::string bytes;
    for (std::uint32_t i = 0; i < kBtNameBytes; ++i) {
        const std::uint8_t byte = image.at(address + i);
        if (byte == 0x00 || byte == 0xFF) break;
        bytes.push_back(static_cast<char>(byte));
    }
    // Padded with blanks, as every text of the data file is. A name that ends in blanks on the
    // radio is padded with NULs instead: blank padding would make its own blanks padding, and the
    // next write would lose them.
    FixedText<16> name;
    name.assignPadded(bytes, !bytes.empty() && bytes.back() == ' ' ? '\0' : ' ');
    return name;
}

}  // namespace kv
