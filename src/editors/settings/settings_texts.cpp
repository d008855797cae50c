// The settings window's texts.
#include "editors/settings/settings_texts.h"

namespace kv {

const SettingsTextTable& SettingsTexts() {
    static const SettingsTextTable texts{
        {"Optional Features", "可选功能"},
        {"Mode Enable", "Mode Enable"},
        {"BLE", "BLE"},
        {"The BT device name holds a character that cannot be stored; it is not changed.",
         "蓝牙设备名称含有无法保存的字符，名称未更改。"},
        {"The BT device name is longer than 16 bytes; it is not changed.",
         "蓝牙设备名称超过16个字节，名称未更改。"},
    };
    return texts;
}

}  // namespace kv
