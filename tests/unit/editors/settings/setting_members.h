// Where the settings the tests name live in the record, written out here rather than reached
// through the setting rows under test: a row that stores into the wrong member, or stores the
// right value in the wrong width, then fails instead of reading back its own mistake.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <type_traits>
#include <variant>

#include "model/config_record.h"

namespace kv::test {

using SettingMember = std::variant<i16 RadioSettings::*, u8 RadioSettings::*,
                                   std::int32_t RadioSettings::*, i16 ConfigRecord::*>;

inline const std::map<std::string, SettingMember>& SettingMembers() {
    static const std::map<std::string, SettingMember> members = {
        {"BatteryMin", &RadioSettings::BatteryMin},
        {"BatteryProtect", &RadioSettings::BatteryProtect},
        {"BtHoldDelay", &RadioSettings::BtHoldDelay},
        {"BtHoldTime", &RadioSettings::BtHoldTime},
        {"ChVolKind", &ConfigRecord::ChVolKind},
        {"Clarifier", &RadioSettings::Clarifier},
        {"CwFreq", &RadioSettings::CwFreq},
        {"EchoTime", &RadioSettings::EchoTime},
        {"HandType", &RadioSettings::HandType},
        {"KeyP1", &RadioSettings::KeyP1},
        {"KeyP2", &RadioSettings::KeyP2},
        {"KeyP3", &RadioSettings::KeyP3},
        {"KeyP4", &RadioSettings::KeyP4},
        {"MicGain", &RadioSettings::MicGain},
        {"PfKey", &RadioSettings::PfKey},
        {"RepeaterOffset", &RadioSettings::RepeaterOffset},
        {"SwrLimit", &RadioSettings::SwrLimit},
        {"SwrProtect", &RadioSettings::SwrProtect},
        {"Tot", &RadioSettings::Tot},
        {"VfoStep", &RadioSettings::VfoStep},
        {"VoxDelay", &RadioSettings::VoxDelay},
        {"VoxLevel", &RadioSettings::VoxLevel},
    };
    return members;
}

// The member named `name`, in `config`, as a number; throws for a name the table lacks.
inline int StoredIn(const ConfigRecord& config, const std::string& name) {
    return std::visit(
        [&](auto member) -> int {
            if constexpr (std::is_same_v<decltype(member), i16 ConfigRecord::*>)
                return config.*member;
            else
                return config.Settings.*member;
        },
        SettingMembers().at(name));
}

inline void StoreIn(ConfigRecord& config, const std::string& name, int value) {
    std::visit(
        [&](auto member) {
            if constexpr (std::is_same_v<decltype(member), i16 ConfigRecord::*>)
                config.*member = static_cast<i16>(value);
            else
                config.Settings.*member =
                    static_cast<std::remove_reference_t<decltype(config.Settings.*member)>>(value);
        },
        SettingMembers().at(name));
}

}  // namespace kv::test
