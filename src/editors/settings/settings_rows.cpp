// The settings rows in the order the window shows them.
#include "editors/settings/settings_rows.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "editors/settings/setting_choice.h"

namespace kv {
namespace {

using Texts = std::vector<TextPair>;

// "prefix n suffix" for n = first, first + step, ... last, the same in both languages.
Texts Numbers(int first, int last, int step = 1, const std::string& suffix = "",
              const std::string& prefix = "") {
    Texts texts;
    for (int n = first; n <= last; n += step)
        texts.push_back(Same(prefix + std::to_string(n) + suffix));
    return texts;
}

Texts Then(Texts head, const Texts& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Texts OffThen(const Texts& tail) {
    return Then({OffText()}, tail);
}

Texts Plain(std::initializer_list<const char*> texts) {
    Texts result;
    for (const char* t : texts) result.push_back(Same(t));
    return result;
}

const Texts& OffOn() {
    static const Texts texts{OffText(), OnText()};
    return texts;
}

// 300 Hz to 2550 Hz: the field holds tens of hertz in one byte.
constexpr int kCwFreqFirstHz = 300;
constexpr int kCwFreqLastHz = 2550;

const NumberBox kRepeaterOffset{0.0001, 5.0, 5.0, 4};
const NumberBox kSwrLimit{1.2, 20.0, 20.0, 1};
const NumberBox kBatteryLow{9.0, 29.0, 9.0, 1, NumberPair::Low};
const NumberBox kBatteryHigh{9.0, 29.0, 9.0, 1, NumberPair::High};

using enum SettingColumn;
using enum SettingKind;
using RS = RadioSettings;

std::vector<SettingRow> BuildRows() {
    const Texts keys(KeyFunctionTexts().begin(), KeyFunctionTexts().end());
    std::vector<SettingRow> rows = {
        // Left column.
        {"Tot", Left, Same("TOT"), List, &RS::Tot, OffThen(Numbers(10, 600, 10, "s"))},
        {"MicGain", Left, Same("MIC"), List, &RS::MicGain, Numbers(1, 45)},
        {"AsqEnabled", Left, {"ASQ Level", "ASQ等级"}, List, &RS::AsqEnabled, Plain({"Off", "On"})},
        {.Name = "AsqLevel",
         .Column = Left,
         .Caption = {},
         .Kind = List,
         .Field = &RS::AsqLevel,
         .Entries = Numbers(1, 9),
         .SameLine = true},
        {"TalkBack", Left, Same("TaIK Back"), List, &RS::TalkBack, OffThen(Numbers(1, 32))},
        {"ScanType", Left, Same("SCN.TYPE"), List, &RS::ScanType,
         Texts{{"Squelch Scan", "静噪扫描"}, {"Time Scan", "时间扫描"}}},
        {"Squelch", Left, Same("SQL"), List, &RS::Squelch, OffThen(Numbers(1, 79))},
        {"SsbSplitRange", Left, Same("SSB Split Range"), List, &RS::SsbSplitRange,
         Plain({"500Hz", "5kHz"})},
        {"Clarifier", Left, Same("CLA.SET"), List, &RS::Clarifier, OffThen(Plain({"R", "T", "RT"})),
         ChoiceRule::Clarifier},
        {.Name = "RepeaterOffset",
         .Column = Left,
         .Caption = Same("TX.REP"),
         .Kind = Number,
         .Field = &RS::RepeaterOffset,
         .Unit = "MHz",
         .Number = kRepeaterOffset},
        {"VfoStep",
         Left,
         {"VFO Step", "VFO步进"},
         List,
         &RS::VfoStep,
         Plain({"10Hz", "100Hz", "1K", "5K", "10K", "100K", "1M"})},
        {"VoxLevel", Left, {"VOX Level", "声控等级"}, List, &RS::VoxLevel, OffThen(Numbers(1, 9))},
        {.Name = "VoxDelay",
         .Column = Left,
         .Caption = {"VOX Delay", "声控延时"},
         .Kind = List,
         .Field = &RS::VoxDelay,
         .Entries = Numbers(1, 9),
         .EnabledWhen = Dependency::VoxLevelOn},
        {"RfGain", Left, Same("Rfg Gain"), List, &RS::RfGain,
         Then(Plain({"Max", "Auto"}), Numbers(3, 48, 3, "db", "-"))},
        {"MicType", Left, {"MicType", "MIC类型"}, List, &RS::MicType, Plain({"EL", "DY"})},
        {"RxNr", Left, {"Rx NR", "接收NR"}, List, &RS::RxNr, OffThen(Numbers(1, 5))},
        {"TxNr", Left, {"Tx NR", "发射NR"}, List, &RS::TxNr, OffThen(Numbers(1, 5))},
        {"Dim", Left, Same("Dim"), List, &RS::Dim, Numbers(1, 5)},
        {"EchoVolume", Left, Same("Echo VOL"), List, &RS::EchoVolume, OffThen(Numbers(1, 32))},
        {"EchoTime", Left, Same("Echo Time"), List, &RS::EchoTime, Numbers(1, 32)},
        {"VolData", Left, Same("Vol Data"), List, &RS::VolData, Numbers(1, 64)},
        {"CwFreq", Left, Same("CW Freq"), List, &RS::CwFreq,
         Numbers(kCwFreqFirstHz, kCwFreqLastHz, 10), ChoiceRule::PlusThirty},
        {"CwBeep", Left, Same("CW BEEP"), List, &RS::CwBeep, OffThen(Numbers(1, 63))},
        {"CwRxMode", Left, Same("CW RX Mode"), List, &RS::CwRxMode, Plain({"USB", "LSB"})},
        {"CwBreakIn", Left, Same("Cw Bkin"), List, &RS::CwBreakIn,
         Then(Plain({"Off"}), Numbers(10, 1000, 10, "ms"))},
        {"CwOffset", Left, Same("Cw OffSet"), List, &RS::CwOffset, OffOn()},
        {"BtDeviceName", Left, Same("BT Device Name"), Text, std::nullopt},
        {"ChVolKind", Left, Same("Ch Vol Kind"), List, &ConfigRecord::ChVolKind,
         Plain({"CH", "VOL"})},

        // Middle column.
        {"BeepLevel", Middle, {"Beep", "提示音"}, List, &RS::BeepLevel, OffThen(Numbers(1, 5))},
        {"FmDeviation",
         Middle,
         {"FM Deviation", "FM调制范围"},
         List,
         &RS::FmDeviation,
         Plain({"2K", "4K"})},
        {"SsbTone",
         Middle,
         {"SSB Tone", "SSB调制范围"},
         List,
         &RS::SsbTone,
         Plain({"HI-4k", "LI-3K"})},
        {"Agc", Middle, Same("AGC"), List, &RS::Agc, Plain({"SLOW", "FAST"})},
        {"Aop", Middle, Same("AOP"), List, &RS::Aop, OffOn()},
        {"HandType", Middle, Same("Hand Type"), List, &RS::HandType,
         Plain({"Type 1", "Type 2", "Type 3"})},
        {.Name = "PfKey",
         .Column = Middle,
         .Caption = Same("Pf Key"),
         .Kind = List,
         .Field = &RS::PfKey,
         .Entries = keys,
         .Rule = ChoiceRule::KeyFunction,
         .EnabledWhen = Dependency::HandTypeOneOrTwo},
    };
    const struct {
        const char* Name;
        const char* Caption;
        i16 RS::*Member;
    } keyRows[] = {{"KeyP1", "P1", &RS::KeyP1},
                   {"KeyP2", "P2", &RS::KeyP2},
                   {"KeyP3", "P3", &RS::KeyP3},
                   {"KeyP4", "P4", &RS::KeyP4}};
    for (const auto& key : keyRows)
        rows.push_back({.Name = key.Name,
                        .Column = Middle,
                        .Caption = Same(key.Caption),
                        .Kind = List,
                        .Field = key.Member,
                        .Entries = keys,
                        .Rule = ChoiceRule::KeyFunction,
                        .EnabledWhen = Dependency::HandTypeThree});
    const std::vector<SettingRow> rest = {
        {"SaveColour", Middle, Same("Save Colour"), List, &RS::SaveColour,
         Plain({"White", "Yellow", "Red", "Green", "Cyan"})},
        {"PowerOffDisplay", Middle, Same("Power Off Dis"), List, &RS::PowerOffDisplay,
         Plain({"Off", "Clock"})},
        {"HfUseVfo", Middle, Same("Hf Use Vfo"), List, &RS::HfUseVfo, Plain({"Off", "On"})},
        {"HamUseVfo", Middle, Same("Ham Use Vfo"), List, &RS::HamUseVfo, Plain({"Off", "On"})},
        {"SwrProtect", Middle, {"SWR Protect", "驻波保护"}, Check, &RS::SwrProtect},
        {.Name = "SwrLimit",
         .Column = Middle,
         .Caption = {},
         .Kind = Number,
         .Field = &RS::SwrLimit,
         .Number = kSwrLimit,
         .EnabledWhen = Dependency::SwrProtect},
        {"BatteryProtect", Middle, {"TDC.SET", "电池电压保护"}, Check, &RS::BatteryProtect},
        {.Name = "BatteryMin",
         .Column = Middle,
         .Caption = Same("Min[V]"),
         .Kind = Number,
         .Field = &RS::BatteryMin,
         .Number = kBatteryLow,
         .EnabledWhen = Dependency::BatteryProtect},
        {.Name = "BatteryMax",
         .Column = Middle,
         .Caption = Same("Max[V]"),
         .Kind = Number,
         .Field = &RS::BatteryMax,
         .Number = kBatteryHigh,
         .EnabledWhen = Dependency::BatteryProtect},
    };
    rows.insert(rows.end(), rest.begin(), rest.end());

    // The boxes in the order shown; the document keeps the modes as FM, AM, USB, LSB, CW, PA.
    const struct {
        const char* Name;
        const char* Caption;
        int Index;
    } modes[] = {{"ModeEnableFM", "FM Enable", 0},   {"ModeEnableAM", "AM Enable", 1},
                 {"ModeEnableUSB", "USB Enable", 2}, {"ModeEnableLSB", "LSB Enable", 3},
                 {"ModeEnablePA", "PA Enable", 5},   {"ModeEnableCW", "CW Enable", 4}};
    for (const auto& mode : modes)
        rows.push_back({.Name = mode.Name,
                        .Column = ModeEnable,
                        .Caption = Same(mode.Caption),
                        .Kind = Check,
                        .Field = SettingRef(&ConfigRecord::ModeEnable, mode.Index),
                        .Check = CheckRule::KeepOneMode});

    const std::vector<SettingRow> ble = {
        {"BtOn", Ble, Same("BlueTooth On"), List, &RS::BtOn, OffOn()},
        {"BtPttHold", Ble, Same("Ptt Hold"), List, &RS::BtPttHold, OffOn()},
        {"BtMicGain", Ble, Same("Mic Gain"), List, &RS::BtMicGain, Numbers(1, 5)},
        {"BtSpkGain", Ble, Same("Spk Gain"), List, &RS::BtSpkGain, Numbers(1, 5)},
        {"BtHoldTime", Ble, Same("Hold Time"), List, &RS::BtHoldTime,
         Then(OffThen(Numbers(1, 30, 1, "S")), Plain({"60S", "120S", "Infinite"}))},
        {"BtHoldDelay", Ble, Same("Hold Delay"), List, &RS::BtHoldDelay,
         Plain({"30ms", "1S", "1.5S", "2S", "2.5S", "3S", "3.5S", "4S", "4.5S", "5S", "5.5S"})},
        {"BtIntSpk", Ble, Same("BhtIntSpk"), List, &RS::BtIntSpk, OffOn()},
        {"BtPttSleep", Ble, Same("Ptt Sleep"), List, &RS::BtPttSleep,
         Plain({"Infinity", "1 min", "2 min", "3 min", "4 min"})},
    };
    rows.insert(rows.end(), ble.begin(), ble.end());
    return rows;
}

}  // namespace

std::span<const SettingRow> SettingRows() {
    static const std::vector<SettingRow> rows = BuildRows();
    return rows;
}

const SettingRow* FindSettingRow(std::string_view name) {
    const auto rows = SettingRows();
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [name](const SettingRow& r) { return name == r.Name; });
    return found == rows.end() ? nullptr : &*found;
}

std::span<const TextPair> KeyFunctionTexts() {
    static const Texts texts = Plain({"Off", "VOX", "VFO", "NB.ANL", "10K", "ECHO", "HI-CUT",
                                      "CALL", "CT-DC", "ASQ", "MIC.GAIN", "RXNR", "TXNR", "FM.DEV",
                                      "TONE", "AGC.SET", "Scan", "WX SET", "MODE SET"});
    return texts;
}

}  // namespace kv
