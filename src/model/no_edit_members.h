// The members of the configuration record that are no edit of the document, listed once: the
// positions (where the user last looked: the current group of each band and the current channel
// of each group) and the stamps (the identity and version mark a save writes on the record).
// Undo leaves both out; the unsaved-changes test leaves out the positions.
#pragma once

#include "model/config_record.h"

namespace kv {

enum class NoEditMembers { Positions, PositionsAndStamps };

// Copies the members `which` names from `from` to `to`.
void CopyNoEditMembers(const ConfigRecord& from, ConfigRecord& to, NoEditMembers which);
// Sets the positions of `config` to zero, so that records compare without them.
void ClearPositions(ConfigRecord& config);

}  // namespace kv
