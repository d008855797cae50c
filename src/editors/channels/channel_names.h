// Names of groups and labels of channels as the channel window shows them, both directions.
#pragma once

#include <string>
#include <string_view>

#include "model/document.h"

namespace kv {

// The group's shown name: the trimmed GroupName for named groups, "MEM" and "VFO" for the special
// HF and HAM groups, "" for an index the band does not have.
std::string GroupIndexToName(const Document& doc, int band, int index);

// The group index whose name equals name exactly (the last one when names repeat), 16/17 or 13/14
// for "MEM"/"VFO" in HF/HAM; 0 when nothing matches.
int GroupNameToIndex(const Document& doc, int band, std::string_view name);

// "1".."40" for normal channels, "M1".. for the numbers above 40.
std::string GetCHName(int chNo);

// The channel number a label names: "M5" is 45, "12" is 12; anything else is 0.
int GetCHID(std::string_view name);

}  // namespace kv
