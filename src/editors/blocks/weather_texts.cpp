// The weather window's text tables.
#include "editors/blocks/weather_texts.h"

#include <array>

#include "editors/channels/shared_captions.h"
#include "editors/shared_lists.h"

namespace kv {
namespace {

const std::vector<TextPair>& kOffOn = UpperOffOnList();

std::vector<TextPair> Same(std::initializer_list<const char*> texts) {
    std::vector<TextPair> pairs;
    for (const char* t : texts) pairs.push_back({t, t});
    return pairs;
}

std::vector<WeatherSettingRow> BuildSettingRows() {
    auto caption = [](SharedCaption entry) { return SharedCaptionText(entry); };
    return {
        {"Combo10", "Label7", caption(SharedCaption::WxOnOff), kOffOn, &RadioSettings::WxOnOff},
        {kCurrentWeatherList,
         "Label1",
         caption(SharedCaption::CurrentWeatherChannel),
         {},
         &RadioSettings::WxCurrentChannel},
        {"Combo5", "Label2", caption(SharedCaption::Alert), kOffOn, &RadioSettings::WxAlert},
        {"Combo6", "Label3", caption(SharedCaption::WxScanState), kOffOn,
         &RadioSettings::WxScanState},
        {"Combo7", "Label4", caption(SharedCaption::WxVfo), kOffOn, &RadioSettings::WxVfo},
        {"Combo8", "Label5", caption(SharedCaption::Step),
         Same({"100Hz", "1KHz", "5KHz", "6.25KHz", "10KHz", "12.5KHz", "25KHz", "100KHz", "1MHz"}),
         &RadioSettings::WxStep},
        {"Combo9", "Label6", caption(SharedCaption::WxSql),
         Same({"Off", "1", "2", "3", "4", "5", "6", "7", "8", "9"}), &RadioSettings::WxSql},
    };
}

}  // namespace

std::span<const WeatherSettingRow> WeatherSettingRows() {
    static const std::vector<WeatherSettingRow> rows = BuildSettingRows();
    return rows;
}

std::span<const WeatherColumn> WeatherColumns() {
    static const std::vector<TextPair> bandwidth = {{"Narrow", "窄带"}, {"Wide", "宽带"}};
    static const std::vector<TextPair> scan = {SharedCaptionText(SharedCaption::Del),
                                               SharedCaptionText(SharedCaption::Add)};
    static const std::array<WeatherColumn, 5> columns = {{
        {{"CH No.", "信道"}, nullptr, nullptr, "", 700},
        {{"Frequency", "频率"}, nullptr, nullptr, "", 1200},
        {{"", ""}, &WeatherRecord::WxOption, &kOffOn, "Combo2", 0},
        {{"W/N", "带宽"}, &WeatherRecord::WxBandwidth, &bandwidth, "Combo3", 1200},
        {{"Scan", "扫描"}, &WeatherRecord::WxScan, &scan, "Combo4", 1000},
    }};
    return columns;
}

const WeatherColumn* WeatherColumnAt(int column) {
    const auto columns = WeatherColumns();
    return column >= 0 && column < static_cast<int>(columns.size()) ? &columns[column] : nullptr;
}

const TextPair& WeatherWindowCaption() {
    return SharedCaptionText(SharedCaption::WeatherChannel);
}

const TextPair& WeatherFreqNotNumberText() {
    static const TextPair text{
        "The weather channel frequency must be a number from 136 to 174 MHz. The channel is "
        "unchanged.",
        "气象信道频率必须是 136 到 174 MHz 之间的数字。该信道未更改。"};
    return text;
}

}  // namespace kv
