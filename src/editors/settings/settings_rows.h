// The rows of the settings window (general settings, "Mode Enable" and "BLE"), each held once:
// caption and list texts in both languages, the document field, how an entry maps to the stored
// value, the number box limits and what enables the row. The window builds its controls from
// these rows; settings_rules.h shows, stores and validates through them.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "codec/setting_field.h"
#include "model/text_pair.h"

namespace kv {

enum class SettingColumn { Left, Middle, ModeEnable, Ble };

enum class SettingKind { List, Check, Number, Text };

// How list entry n maps to the stored value.
enum class ChoiceRule {
    Position,     // n
    PlusThirty,   // n + 30: "CW Freq" in tens of hertz, from 300 Hz
    KeyFunction,  // the entry's number in the key-function table; "VFO" only with RadioOptionFlag
    Clarifier,    // n; in the CB band only the first two entries are offered
};

// What has to hold for the row's control to be enabled.
enum class Dependency {
    None,
    VoxLevelOn,        // "VOX Level" shows an entry other than Off
    HandTypeOneOrTwo,  // "Hand Type" holds 0 or 1
    HandTypeThree,     // "Hand Type" holds anything else
    SwrProtect,        // "SWR Protect" is ticked
    BatteryProtect,    // "TDC.SET" is ticked
};

enum class CheckRule {
    Plain,
    KeepOneMode,  // a "Mode Enable" box: the last ticked one stays ticked
};

// The two battery boxes are exchanged when "Max[V]" ends below "Min[V]".
enum class NumberPair { None, Low, High };

struct NumberBox {
    double Min = 0;
    double Max = 0;
    double Default = 0;  // what a text that is not a number becomes
    int Decimals = 0;    // shown with this many decimals; stored as the shown value × 10^Decimals
    NumberPair Pair = NumberPair::None;
};

struct SettingRow {
    const char* Name;  // the control's object name (the field's name)
    SettingColumn Column;
    TextPair Caption;  // empty when the row has no caption of its own
    SettingKind Kind;
    std::optional<SettingRef> Field;  // every row but the device name
    std::vector<TextPair> Entries{};  // list rows, position 0 first
    ChoiceRule Rule = ChoiceRule::Position;
    bool SameLine = false;  // shares the line and caption of the row before
    const char* Unit = "";  // shown after a number box
    NumberBox Number{};
    Dependency EnabledWhen = Dependency::None;
    CheckRule Check = CheckRule::Plain;
};

std::span<const SettingRow> SettingRows();
// The row named `name`; nullptr when there is none.
const SettingRow* FindSettingRow(std::string_view name);

// The key-function table: entry n is function number n.
std::span<const TextPair> KeyFunctionTexts();
inline constexpr int kKeyFunctionVfo = 2;

}  // namespace kv
