// The roger-beep tones and DTMF codes the channel editor offers, by the tone and DTMF rules: its
// lists show only defined numbers, and a pasted record keeps only references to them.
#pragma once

#include <vector>

#include "model/channel_record.h"
#include "model/config_record.h"

namespace kv {

// The defined numbers, ascending.
std::vector<int> DefinedRogerTones(const ConfigRecord& config);
std::vector<int> DefinedDtmfCodes(const ConfigRecord& config);

// Clears the record's roger-beep and DTMF references to tones and codes that are not defined.
void DropUndefinedReferences(const ConfigRecord& config, ChannelRecord& record);

}  // namespace kv
