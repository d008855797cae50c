// One row of a settings address table: an image address, the configuration member it holds and
// the rule that turns one into the other. Encode and decode walk the same rows.
#pragma once

#include <array>
#include <cstdint>
#include <variant>

#include "model/config_record.h"
#include "model/memory_image.h"

namespace kv {

// Names one integer member of the configuration record, also inside the settings block or an
// array of it, as data a table row can hold.
class SettingRef {
public:
    constexpr SettingRef(i16 ConfigRecord::*member) : member_(member) {}
    constexpr SettingRef(i16 RadioSettings::*member) : member_(member) {}
    constexpr SettingRef(u8 RadioSettings::*member) : member_(member) {}
    constexpr SettingRef(std::int32_t RadioSettings::*member) : member_(member) {}
    constexpr SettingRef(std::array<i16, 6> ConfigRecord::*member, int index)
        : member_(member), index_(index) {}
    constexpr SettingRef(std::array<i16, 6> RadioSettings::*member, int index)
        : member_(member), index_(index) {}
    constexpr SettingRef(PerBand<i16> RadioSettings::*member, int band)
        : member_(member), index_(band) {}
    constexpr SettingRef(PerGroup<i16> RadioSettings::*member, int band, int group)
        : member_(member), index_(static_cast<int>(PerGroup<i16>::index(band, group))) {}

    int get(const ConfigRecord& config) const;
    // Converts to the member's type, keeping the low bits as an unsigned conversion would.
    void set(ConfigRecord& config, int value) const;

private:
    std::variant<i16 ConfigRecord::*, i16 RadioSettings::*, u8 RadioSettings::*,
                 std::int32_t RadioSettings::*, std::array<i16, 6> ConfigRecord::*,
                 std::array<i16, 6> RadioSettings::*, PerBand<i16> RadioSettings::*,
                 PerGroup<i16> RadioSettings::*>
        member_;
    int index_ = 0;
};

enum class FieldRule : std::uint8_t {
    Byte,      // the member's low byte
    MinusOne,  // the member minus one; a member of 0 is written as 0
    Word,      // the member's low 16 bits, low byte first
    Bits,      // the member in `width` bits from bit `shift`
};

struct SettingField {
    std::uint32_t address;
    SettingRef member;
    FieldRule rule = FieldRule::Byte;
    std::uint8_t shift = 0;
    std::uint8_t width = 8;
};

void EncodeField(const SettingField& field, const ConfigRecord& config, MemoryImage& image);
void DecodeField(const SettingField& field, const MemoryImage& image, ConfigRecord& config);

}  // namespace kv
