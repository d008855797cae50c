// The per-group channel references (the work channel and the two reference pairs) kept pointing
// at channels that exist, and the list of a group's normal channel numbers.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/document.h"

namespace kv {

// r when a slot of the group holds channel r; otherwise the first channel in slot order on r's
// side (1..40 normal, above 40 memory; 0 counts as normal), or 0 when there is none.
int ValidChannelReference(const RadioData& data, int band, int group, int reference);

// Replaces the five references of the group by their valid channels. When the channel window is
// open, refreshWorkChannelBox then lets it show the new list and value.
void RevalidateGroupReferences(Document& doc, int band, int group,
                               const std::function<void()>& refreshWorkChannelBox = {});

// The numbers of the group's channels numbered 40 or below, ascending, as decimal texts; reads
// only, so that a window can show the list without changing the document.
std::vector<std::string> NormalChannelNumbers(const RadioData& data, int band, int group);

// The group's channel numbers 1..40 (and 0 or below, should a slot hold one) as decimal texts,
// ascending. Like every list build it first sets the single-slot VFO groups' counts to 1.
std::vector<std::string> ChannelNumberList(Document& doc, int band, int group);

}  // namespace kv
