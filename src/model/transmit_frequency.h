// The one transmit-frequency rule. The radio keeps no transmit frequency per channel: it
// transmits on the receive frequency, shifted by the one radio-wide repeater offset (TX.REP) when
// the channel's REP is "Add" or "SUBB". REP exists in the HF and HAM bands only; the CB band
// transmits on the receive frequency. This is what the memory image allows (one 16-bit offset in
// units of 100 Hz, two REP bits per channel), not something measured on a radio; what "+10KHz"
// does to the transmit frequency is not known, so it is left out.
//
// TxFreqText lives only in the data file: it is written from this rule (when a channel is
// created, read from a radio, decoded, imported or pasted) and never read to decide anything.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/radio_data.h"

namespace kv {

inline constexpr int kRepAdd = 1;
inline constexpr int kRepSubtract = 2;

// The shift the radio makes in hertz: the low 16 bits of TX.REP (what the image holds) × 100 Hz.
std::int64_t RepeaterShiftHz(std::int32_t repeaterOffset);

// The frequency the channel transmits on; nothing when the channel has no receive frequency.
// May lie outside every band (the check before writing names that).
std::optional<std::int64_t> TransmitFrequencyHz(int band, const ChannelRecord& record,
                                                std::int32_t repeaterOffset);

// Sets the record's TxFreqText from the rule: the receive text itself when unshifted, else eight
// digits of hertz (blank when eight digits cannot hold the shifted frequency).
void SetTransmitText(int band, ChannelRecord& record, std::int32_t repeaterOffset);

// SetTransmitText for every channel in use and every CB memory record.
void SetTransmitTexts(RadioData& data);

}  // namespace kv
