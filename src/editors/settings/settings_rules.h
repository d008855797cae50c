// Showing, storing and checking the settings rows: what a stored value shows, what a picked
// entry, a ticked box or a committed text stores, and which rows are enabled. The settings window
// does nothing with the document but through these.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "codec/image_codec.h"
#include "editors/settings/setting_choice.h"
#include "editors/settings/settings_rows.h"
#include "model/config_record.h"

namespace kv {

// What decides the lists besides the document: the option flag the radio reported.
struct SettingsView {
    bool RadioOptionFlag = false;
};

// ---- Lists ----
ChoiceList SettingChoices(const SettingRow& row, const ConfigRecord& config, SettingsView view);
int StoredSettingValue(const SettingRow& row, const ConfigRecord& config);
// The entry the stored value shows (see ShownChoice).
int ShownSettingChoice(const SettingRow& row, const ConfigRecord& config, SettingsView view);
// Stores the value of entry `entry`. False, and nothing stored, when the list has no such entry.
bool StoreSettingChoice(const SettingRow& row, ConfigRecord& config, SettingsView view, int entry);

// ---- Check boxes ----
// A box is shown ticked unless it holds 0 (values other than 0 and 1 show the default, ticked).
bool IsSettingTicked(const SettingRow& row, const ConfigRecord& config);
// Stores the box as ticked or not and returns whether it ends ticked: unticking the last ticked
// "Mode Enable" box leaves it ticked and stores 1.
bool StoreSettingCheck(const SettingRow& row, ConfigRecord& config, bool ticked);

bool IsSettingEnabled(const SettingRow& row, const ConfigRecord& config, SettingsView view);

// ---- Number boxes ----
// Whether the key filter lets this character into a number box: digits and "."; control
// characters pass except Ctrl+C, Ctrl+V and Ctrl+X (3, 22, 24); nothing above 127 passes.
bool NumberKeyPasses(char32_t c);
// The stored value ÷ 10^Decimals with the row's decimals, "." as separator.
std::string ShownSettingNumber(const SettingRow& row, const ConfigRecord& config);
// The value a committed text stands for, × 10^Decimals: clamped to the box's range, rounded to
// the shown decimals (halves to the even neighbour). A text the key filter would not have let
// in (pasted, dropped) or that is not a number gives the box's default.
int NumberTextToStored(const NumberBox& box, std::string_view text);
// Stores the committed text of a number row. Leaving a battery box stores both limits, exchanged
// when the upper one ends below the lower one.
void CommitSettingNumber(const SettingRow& row, ConfigRecord& config, std::string_view text);

// ---- The Bluetooth device name ----
enum class DeviceNameCommit {
    Stored,
    Unfit,    // a character the system's code page cannot carry; nothing stored
    TooLong,  // more than 16 bytes in the system's code page; nothing stored
};
inline constexpr std::size_t kDeviceNameBytes = 16;

// The stored name with trailing blanks removed and cut before its first NUL, as text.
std::u16string ShownDeviceName(const ConfigRecord& config, const CodecOptions& codec);
DeviceNameCommit CommitDeviceName(ConfigRecord& config, std::u16string_view text,
                                  const CodecOptions& codec);

}  // namespace kv
