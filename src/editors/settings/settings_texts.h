// The settings window's own texts in both languages: its caption and the warnings it shows when a
// device name cannot be stored.
#pragma once

#include "model/text_pair.h"

namespace kv {

struct SettingsTextTable {
    TextPair Caption;
    TextPair ModeEnableFrame;
    TextPair BleFrame;
    TextPair DeviceNameUnfit;
    TextPair DeviceNameTooLong;
};

const SettingsTextTable& SettingsTexts();

}  // namespace kv
