// How many channel records and band public parameter blocks refer to a roger-beep tone or a DTMF
// code, and the status text that tells the user those references were cleared.
#pragma once

#include "model/radio_data.h"
#include "model/text_pair.h"

namespace kv {

struct ReferenceCount {
    int Channels = 0;  // channel records of every slot and CB memory records
    int PublicBlocks = 0;

    bool empty() const { return Channels == 0 && PublicBlocks == 0; }
    bool operator==(const ReferenceCount&) const = default;
};

// Records whose RogerBeep is `tone`.
ReferenceCount CountToneReferences(const RadioData& data, int tone);
// Records whose DtmfBot, DtmfEot or DtmfCall is `code` (a record counts once).
ReferenceCount CountDtmfReferences(const RadioData& data, int code);

// "Tone 2 is no longer used by 9 channels and 2 public blocks." and the DTMF code's text.
TextPair ToneReferencesClearedText(int tone, const ReferenceCount& count);
TextPair DtmfReferencesClearedText(int code, const ReferenceCount& count);

}  // namespace kv
