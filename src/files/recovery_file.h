// The recovery copy of a document with unsaved edits: the working data, the baseline of its last
// save or load, its name and band range, and when it was taken, as the bytes of one file. The
// file names the program version that wrote it and carries a checksum, so that a copy from
// another version or a damaged one is refused as a whole, never opened in part.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/radio_data.h"

namespace kv {

struct RecoveryContent {
    std::string DocumentName;
    bool DocumentUntitled = true;
    std::string BandRangeText;
    std::string TakenAt;  // the local time the copy was taken, as the user reads it
    RadioData Working;
    RadioData Staged;
};

std::vector<std::uint8_t> EncodeRecovery(const RecoveryContent& content);

enum class RecoveryProblem {
    None,
    Damaged,       // not a recovery file, cut short, or its checksum does not match
    OtherVersion,  // written by another program version or in another layout
};

struct DecodedRecovery {
    RecoveryProblem Problem = RecoveryProblem::Damaged;
    std::string Version;                       // the version the file names, when it names one
    std::unique_ptr<RecoveryContent> Content;  // set exactly when Problem is None
};

DecodedRecovery DecodeRecovery(std::span<const std::uint8_t> bytes);

}  // namespace kv
