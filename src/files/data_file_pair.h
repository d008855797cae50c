// The data file pair in memory: a document's data as the bytes of the data file and of its channel
// companion file, and back. The companion holds the used slots of every group in order, then the
// 96 CB memory records; it has no header and no count, so it is only read with its data file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/radio_data.h"

namespace kv {

// The data file's path with its last three characters replaced by "fre".
std::string CompanionPath(const std::string& dataPath);

// Records the companion file of this configuration holds: the used slots plus 96.
std::size_t CompanionRecordCount(const ConfigRecord& config);

struct PairBytes {
    std::vector<std::uint8_t> Data;
    std::vector<std::uint8_t> Companion;
};

PairBytes EncodePair(const RadioData& data);

enum class PairProblem {
    None,
    DataDamaged,     // the data file is short or a count lies outside 0..99
    CompanionShort,  // the companion holds fewer records than the counts need
};

// Reads the first 2885 bytes of `data` and the records `companion` must hold for its counts into
// `into`: the configuration record, the used slots and the CB memory records; slots above the
// counts keep their contents. On a problem `into` is left untouched.
PairProblem DecodePair(std::span<const std::uint8_t> data, std::span<const std::uint8_t> companion,
                       RadioData& into);

}  // namespace kv
