// The roger-beep tone table's rules: which tones are defined, the edits of the tone window with
// the refusals that keep one tone defined, and the repair of every reference to a tone.
#pragma once

#include "model/radio_data.h"

namespace kv {

// n when tone n (1..8) has a recycle count of at least 1 and at least one step with a length;
// 0 otherwise, so it can be applied to a stored reference directly.
int IsToneDefined(const ConfigRecord& config, int n);

// The number of defined tones among 1..8.
int DefinedToneCount(const ConfigRecord& config);

// When tone `tone` is not defined, replaces every reference to it by 0: every slot of every group
// of every band, the 96 CB memory records and the three band public parameter blocks. References
// to other numbers are left as they are, even when they name nothing defined: a radio may hold
// them, and only the edit that undefines a tone repairs what that edit broke. Returns how many
// references changed.
int RevalidateToneReferences(RadioData& data, int tone);

enum class ToneEdit {
    Unchanged,  // the value was already stored, or the tone or step does not exist
    Stored,
    Refused,  // it would have left the table without a defined tone
};

// The edits of the tone window, each stored at once in tone `tone` (1..8). Changing the recycle
// count or a length that leaves a defined tone undefined clears the references to that tone. The
// single defined tone is never made undefined by them.
ToneEdit SetToneRepeat(RadioData& data, int tone, int position);
ToneEdit SetToneTime(RadioData& data, int tone, int step, int position);
ToneEdit SetToneFreq(RadioData& data, int tone, int step, int value);
ToneEdit SetToneInterval(RadioData& data, int tone, int position);

}  // namespace kv
