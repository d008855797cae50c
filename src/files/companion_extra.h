// A channel companion file longer than the records its data file calls for: the bytes after them
// are not read, and opening says so instead of dropping them silently.
#pragma once

#include <optional>
#include <string>

#include "model/config_record.h"
#include "model/text_pair.h"

namespace kv {

// The notice for the companion of the data file at `dataPath`, read with `config`; nothing when
// it holds no more than the records the counts call for.
std::optional<TextPair> CompanionExtraText(const std::string& dataPath, const ConfigRecord& config);

}  // namespace kv
