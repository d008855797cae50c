// The table of installed program versions and the data-file and firmware versions each one fits.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/text_pair.h"

namespace kv {

struct VersionTable {
    std::string CurrentVersion;                              // kept, used by no operation
    std::vector<std::string> SoftVersions;                   // kept, used by no operation
    std::vector<std::pair<std::string, std::string>> Pairs;  // (software, firmware or data file)
};

// What the version question is about.
enum class VersionKind { Firmware = 0, DataFile = 1 };

// A [Firm] value: its first four characters are the software version, its last four the other.
std::pair<std::string, std::string> ParseVersionPair(const std::string& value);

// True when some pair equals (software, other) exactly, case included.
bool IsCompatibleVersion(const VersionTable& table, const std::string& software,
                         const std::string& other);

// The software version of the first pair whose other version is `other`; empty when none.
std::string SoftwareVersionFor(const VersionTable& table, const std::string& other);

// "V100" reads "V1.00": the first two characters, a point, the last two.
std::string FormatVersionMark(const std::string& mark);

// The question shown when a radio or a data file needs another program version, in both languages.
TextPair VersionMismatchText(const std::string& software, const std::string& other, int kind);

// Messages of the version checks.
TextPair VersionMissingText();      // "Fail to start the software. This version does not exist."
TextPair UnknownDataVersionText();  // "Unknown version Of DataFile!"

}  // namespace kv
