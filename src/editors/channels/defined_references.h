// Which roger-beep tones and DTMF codes are defined, as far as the channel editor needs it: its
// lists offer only those numbers, and records pasted or shown keep only references to them.
#pragma once

#include <vector>

#include "model/config_record.h"

namespace kv {

// Tone n (1..8) is defined when it repeats at least once and one of its steps lasts.
bool RogerToneDefined(const ConfigRecord& config, int tone);
// Code n (1..16) is defined when its text is not empty.
bool DtmfCodeDefined(const ConfigRecord& config, int code);

// The defined numbers, ascending.
std::vector<int> DefinedRogerTones(const ConfigRecord& config);
std::vector<int> DefinedDtmfCodes(const ConfigRecord& config);

struct ChannelRecord;
// Clears the record's roger-beep and DTMF references to tones and codes that are not defined.
void DropUndefinedReferences(const ConfigRecord& config, ChannelRecord& record);

}  // namespace kv
