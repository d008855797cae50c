// How the settings rows show, store and check their values.
#include "editors/settings/settings_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/channel_store.h"
#include "model/numeric_text.h"

namespace kv {
namespace {

constexpr int kCwFreqOffset = 30;  // "CW Freq" entry 0 is 300 Hz, 30 tens of hertz
constexpr int kClarifierEntriesInCb = 2;

const SettingRow& Row(std::string_view name) {
    return *FindSettingRow(name);
}

long long PowerOfTen(int decimals) {
    long long p = 1;
    for (int i = 0; i < decimals; ++i) p *= 10;
    return p;
}

double RoundHalfEven(double x) {
    const double below = std::floor(x);
    // A typed half such as 1.25 may arrive a hair off 12.5 after scaling.
    if (std::abs(x - below - 0.5) < 1e-7) return std::fmod(below, 2.0) == 0.0 ? below : below + 1;
    return std::round(x);
}

bool OnlyNumberCharacters(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

const CodePage& PageOf(const CodecOptions& codec) {
    return codec.AnsiCodePage != nullptr ? *codec.AnsiCodePage : Windows1252();
}

}  // namespace

ChoiceList SettingChoices(const SettingRow& row, const ConfigRecord& config, SettingsView view) {
    ChoiceList choices;
    const int count = static_cast<int>(row.Entries.size());
    for (int n = 0; n < count; ++n) {
        const TextPair& text = row.Entries[static_cast<std::size_t>(n)];
        switch (row.Rule) {
            case ChoiceRule::Position:
                choices.push_back({text, n});
                break;
            case ChoiceRule::PlusThirty:
                choices.push_back({text, n + kCwFreqOffset});
                break;
            case ChoiceRule::KeyFunction:
                // Without the option "VFO" is not offered; a key already holding it keeps the
                // entry so that the value survives until the user picks another.
                if (n != kKeyFunctionVfo || view.RadioOptionFlag ||
                    StoredSettingValue(row, config) == kKeyFunctionVfo)
                    choices.push_back({text, n});
                break;
            case ChoiceRule::Clarifier:
                if (n < kClarifierEntriesInCb || config.BandMode == kBandHf ||
                    config.BandMode == kBandHam)
                    choices.push_back({text, n});
                break;
        }
    }
    return choices;
}

int StoredSettingValue(const SettingRow& row, const ConfigRecord& config) {
    return row.Field ? row.Field->get(config) : 0;
}

int ShownSettingChoice(const SettingRow& row, const ConfigRecord& config, SettingsView view) {
    return ShownChoice(SettingChoices(row, config, view), StoredSettingValue(row, config));
}

bool StoreSettingChoice(const SettingRow& row, ConfigRecord& config, SettingsView view, int entry) {
    const ChoiceList choices = SettingChoices(row, config, view);
    if (!row.Field || entry < 0 || entry >= static_cast<int>(choices.size())) return false;
    row.Field->set(config, choices[static_cast<std::size_t>(entry)].Value);
    return true;
}

bool IsSettingTicked(const SettingRow& row, const ConfigRecord& config) {
    return StoredSettingValue(row, config) != 0;
}

bool StoreSettingCheck(const SettingRow& row, ConfigRecord& config, bool ticked) {
    if (!row.Field) return false;
    if (!ticked && row.Check == CheckRule::KeepOneMode) {
        const bool anotherTicked =
            std::any_of(SettingRows().begin(), SettingRows().end(), [&](const SettingRow& other) {
                return &other != &row && other.Check == CheckRule::KeepOneMode &&
                       IsSettingTicked(other, config);
            });
        if (!anotherTicked) ticked = true;
    }
    row.Field->set(config, ticked ? 1 : 0);
    return ticked;
}

bool IsSettingEnabled(const SettingRow& row, const ConfigRecord& config, SettingsView view) {
    const auto handType = [&] { return StoredSettingValue(Row("HandType"), config); };
    switch (row.EnabledWhen) {
        case Dependency::None:
            return true;
        case Dependency::VoxLevelOn:
            return ShownSettingChoice(Row("VoxLevel"), config, view) != 0;
        case Dependency::HandTypeOneOrTwo:
            return handType() == 0 || handType() == 1;
        case Dependency::HandTypeThree:
            return handType() != 0 && handType() != 1;
        case Dependency::SwrProtect:
            return IsSettingTicked(Row("SwrProtect"), config);
        case Dependency::BatteryProtect:
            return IsSettingTicked(Row("BatteryProtect"), config);
    }
    return true;
}

bool NumberKeyPasses(char32_t c) {
    if ((c >= U'0' && c <= U'9') || c == U'.') return true;
    if (c == 3 || c == 22 || c == 24) return false;
    return c < 32 || c == 127;
}

std::string ShownSettingNumber(const SettingRow& row, const ConfigRecord& config) {
    const long long stored = StoredSettingValue(row, config);
    const long long scale = PowerOfTen(row.Number.Decimals);
    const long long magnitude = stored < 0 ? -stored : stored;
    std::string fraction = std::to_string(magnitude % scale + scale).substr(1);
    std::string text = (stored < 0 ? "-" : "") + std::to_string(magnitude / scale);
    if (row.Number.Decimals > 0) text += "." + fraction;
    return text;
}

int NumberTextToStored(const NumberBox& box, std::string_view text) {
    const std::optional<double> parsed =
        OnlyNumberCharacters(text) ? ParseNumber(text) : std::nullopt;
    const double value = std::clamp(parsed.value_or(box.Default), box.Min, box.Max);
    return static_cast<int>(RoundHalfEven(value * static_cast<double>(PowerOfTen(box.Decimals))));
}

void CommitSettingNumber(const SettingRow& row, ConfigRecord& config, std::string_view text) {
    if (!row.Field) return;
    const int value = NumberTextToStored(row.Number, text);
    if (row.Number.Pair == NumberPair::None) {
        row.Field->set(config, value);
        return;
    }
    const SettingRow& low = Row("BatteryMin");
    const SettingRow& high = Row("BatteryMax");
    const bool leavingLow = row.Number.Pair == NumberPair::Low;
    int lowValue = leavingLow ? value : StoredSettingValue(low, config);
    int highValue = leavingLow ? StoredSettingValue(high, config) : value;
    if (highValue < lowValue) std::swap(lowValue, highValue);
    low.Field->set(config, lowValue);
    high.Field->set(config, highValue);
}

std::u16string ShownDeviceName(const ConfigRecord& config, const CodecOptions& codec) {
    return PageOf(codec).toUtf16(config.Settings.BtDeviceName.trimmed());
}

DeviceNameCommit CommitDeviceName(ConfigRecord& config, std::u16string_view text,
                                  const CodecOptions& codec) {
    std::u16string name(text.substr(0, text.find(u'\0')));
    while (!name.empty() && name.back() == u' ') name.pop_back();
    const CodePage& page = PageOf(codec);
    const std::string bytes = page.fromUtf16(name);
    if (page.toUtf16(bytes) != name) return DeviceNameCommit::Unfit;
    if (bytes.size() > kDeviceNameBytes) return DeviceNameCommit::TooLong;
    // An unchanged name keeps its bytes (a fresh document holds NULs, not blanks).
    if (config.Settings.BtDeviceName.trimmed() != bytes) config.Settings.BtDeviceName.assign(bytes);
    return DeviceNameCommit::Stored;
}

}  // namespace kv
