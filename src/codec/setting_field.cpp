// Reading and writing one settings member through its table row.
#include "codec/setting_field.h"

#include <type_traits>

#include "codec/bit_layout.h"

namespace kv {
namespace {

template <typename Config, typename T>
requires std::is_integral_v<T>
auto& Resolve(Config& config, T ConfigRecord::*member, int) {
    return config.*member;
}
template <typename Config, typename T>
requires std::is_integral_v<T>
auto& Resolve(Config& config, T RadioSettings::*member, int) {
    return config.Settings.*member;
}
template <typename Config, std::size_t N>
auto& Resolve(Config& config, std::array<i16, N> ConfigRecord::*member, int index) {
    return (config.*member)[static_cast<std::size_t>(index)];
}
template <typename Config, std::size_t N>
auto& Resolve(Config& config, std::array<i16, N> RadioSettings::*member, int index) {
    return (config.Settings.*member)[static_cast<std::size_t>(index)];
}
template <typename Config>
auto& Resolve(Config& config, PerGroup<i16> RadioSettings::*member, int index) {
    return (config.Settings.*member).values[static_cast<std::size_t>(index)];
}

}  // namespace

int SettingRef::get(const ConfigRecord& config) const {
    return std::visit([&](auto member) -> int { return Resolve(config, member, index_); }, member_);
}

void SettingRef::set(ConfigRecord& config, int value) const {
    std::visit(
        [&](auto member) {
            auto& target = Resolve(config, member, index_);
            target = static_cast<std::remove_reference_t<decltype(target)>>(value);
        },
        member_);
}

void EncodeField(const SettingField& field, const ConfigRecord& config, MemoryImage& image) {
    const int value = field.member.get(config);
    switch (field.rule) {
        case FieldRule::Byte:
            image.put(field.address, static_cast<std::uint8_t>(value));
            break;
        case FieldRule::MinusOne:
            image.put(field.address, static_cast<std::uint8_t>(value == 0 ? 0 : value - 1));
            break;
        case FieldRule::Word:
            image.put(field.address, static_cast<std::uint8_t>(value));
            image.put(field.address + 1, static_cast<std::uint8_t>(value >> 8));
            break;
        case FieldRule::Bits:
            PutBits(image, field.address, field.shift, field.width, value);
            break;
    }
}

void DecodeField(const SettingField& field, const MemoryImage& image, ConfigRecord& config) {
    int value = 0;
    switch (field.rule) {
        case FieldRule::Byte:
            value = image.at(field.address);
            break;
        case FieldRule::MinusOne:
            value = image.at(field.address) + 1;
            break;
        case FieldRule::Word:
            value = image.at(field.address) | (image.at(field.address + 1) << 8);
            break;
        case FieldRule::Bits:
            value = GetBits(image, field.address, field.shift, field.width);
            break;
    }
    field.member.set(config, value);
}

}  // namespace kv
