// The entries of the emergency, dual-watch and memory-key blocks that name a channel of a group,
// found through the window tables, so that channel renumbering can take them along.
#pragma once

#include <functional>

#include "model/config_record.h"

namespace kv {

// Calls visit(value) for every block value that names a channel of the band's group; the value
// holds the channel number − 1. HF and HAM entries name their group through a group value of the
// same block; CB entries name the CB group they belong to. CB memory-key entries name CB
// memories, not channels, and are not visited.
void ForEachBlockChannelEntry(ConfigRecord& config, int band, int group,
                              const std::function<void(i16& value)>& visit);

}  // namespace kv
