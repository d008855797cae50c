// Caption entries of the settings caption table that the channel window and the weather window
// share, in both languages.
#pragma once

#include "model/text_pair.h"

namespace kv {

enum class SharedCaption {
    WorkGroup,
    GroupName,
    GroupValid,
    CurrentWorkChannel,
    MemChx,
    Del,
    Add,
    Disable,
    Enable,
    WeatherChannel,
    CurrentWeatherChannel,
    Alert,
    WxScanState,
    Step,
    WxOnOff,
    WxVfo,
    WxSql,
};

const TextPair& SharedCaptionText(SharedCaption entry);

}  // namespace kv
