// Address tables of the weather receiver and its channels.
#include "codec/weather_codec.h"

#include <string>

#include "codec/bcd_frequency.h"
#include "codec/bit_layout.h"
#include "codec/setting_field.h"

namespace kv {
namespace {

constexpr SettingField kWeatherSettings[] = {
    {0x22060, &RadioSettings::WxOnOff}, {0x22061, &RadioSettings::WxCurrentChannel},
    {0x22062, &RadioSettings::WxAlert}, {0x22063, &RadioSettings::WxScanState},
    {0x22074, &RadioSettings::WxVfo},   {0x22075, &RadioSettings::WxStep},
    {0x22076, &RadioSettings::WxSql},
};

constexpr std::uint32_t kScanMap = 0x22064;
constexpr std::uint32_t kInUseMap = 0x2206C;
constexpr std::uint32_t kSlots = 0x1C000;
constexpr std::uint32_t kSlotSize = 8;
constexpr std::uint32_t kLastChannelSlot = 0x1C180;  // channel 41 does not follow channel 40
constexpr std::uint32_t kBandwidthByte = 4;

// Weather channel n is element n − 1.
std::uint32_t WeatherSlot(int index) {
    return index == kWeatherCount - 1 ? kLastChannelSlot
                                      : kSlots + kSlotSize * static_cast<std::uint32_t>(index);
}

}  // namespace

void EncodeWeather(const ConfigRecord& config, MemoryImage& image) {
    for (const auto& field : kWeatherSettings) EncodeField(field, config, image);
    for (int i = 0; i < kWeatherCount; ++i) {
        const WeatherRecord& channel = config.Settings.WeatherChannels[i];
        if (channel.WxInUse != 1) {
            // Channel 41 always exists when read: when it is not in use its slot is written
            // empty, so that it is dropped again instead of coming back at 0 MHz.
            if (i == kWeatherCount - 1) PutChannelFrequency(image, WeatherSlot(i), FixedText<8>{});
            continue;
        }
        OrMapBit(image, kInUseMap, i, 1);
        OrMapBit(image, kScanMap, i, channel.WxScan);
        PutWeatherFrequency(image, WeatherSlot(i), channel.WxFrequency);
        image.put(WeatherSlot(i) + kBandwidthByte, static_cast<std::uint8_t>(channel.WxBandwidth));
    }
}

void DecodeWeather(const MemoryImage& image, ConfigRecord& config) {
    for (const auto& field : kWeatherSettings) DecodeField(field, image, config);
    for (int i = 0; i < kWeatherCount; ++i) {
        WeatherRecord& channel = config.Settings.WeatherChannels[i];
        if (i == kWeatherCount - 1) {
            channel.WxInUse = 1;
        } else {
            channel.WxInUse = static_cast<i16>(GetMapBit(image, kInUseMap, i));
            channel.WxScan = static_cast<i16>(GetMapBit(image, kScanMap, i));
        }
        if (channel.WxInUse != 1) continue;
        const std::string digits = GetFrequencyDigits(image, WeatherSlot(i));
        if (!IsDecimalDigits(digits)) {
            channel.WxInUse = 0;
            continue;
        }
        channel.WxFrequency = std::stoi(digits) / 100000.0;
        channel.WxBandwidth =
            static_cast<i16>(GetBits(image, WeatherSlot(i) + kBandwidthByte, 0, 1));
    }
}

}  // namespace kv
