// The roger-beep tones and DTMF codes the channel editor offers, by the tone and DTMF rules: its
// lists show only defined numbers.
#pragma once

#include <vector>

#include "model/channel_record.h"
#include "model/config_record.h"

namespace kv {

// The defined numbers, ascending.
std::vector<int> DefinedRogerTones(const ConfigRecord& config);
std::vector<int> DefinedDtmfCodes(const ConfigRecord& config);

}  // namespace kv
