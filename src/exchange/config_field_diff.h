// The differences between two configuration records that reach the radio or the file, named field
// by field with both values: the emergency, dual-watch and memory-key entries, the work groups,
// the band, every roger-beep tone step, every weather channel field, the public channel
// parameters, the reserved fields. The fields the comparison names elsewhere (settings window
// rows, group names, switches and work channels, DTMF codes) are left to it; the positions
// (current group and channel), the identity and version mark a save stamps and the used-slot
// counts are no differences.
#pragma once

#include <string>
#include <vector>

#include "exchange/document_diff.h"
#include "model/config_record.h"
#include "model/text_pair.h"

namespace kv {

struct FieldChange {
    TextPair Label;  // "Emg Channel Setting entry 3", "HAM work group"
    std::string Before;
    std::string After;
    DiffArea Area = DiffArea::Hidden;  // the window that shows the field
};

// `covered` is a copy of b with the fields named elsewhere already set to a's values: what is
// left to name is what differs between a and it.
std::vector<FieldChange> DiffConfigFields(const ConfigRecord& a, const ConfigRecord& covered);

}  // namespace kv
