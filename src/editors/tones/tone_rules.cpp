// The roger-beep tone table's rules.
#include "editors/tones/tone_rules.h"

#include <algorithm>

namespace kv {
namespace {

bool HasLength(const ToneRecord& tone) {
    return std::any_of(tone.Steps.begin(), tone.Steps.end(),
                       [](const ToneStep& s) { return s.ToneTime > 0; });
}

bool IsDefined(const ToneRecord& tone) {
    return tone.ToneRepeat >= 1 && HasLength(tone);
}

bool IsTone(int tone) {
    return tone >= 1 && tone <= kToneCount;
}

bool IsStep(int step) {
    return step >= 1 && step <= 14;
}

ToneRecord& Tone(RadioData& data, int tone) {
    return data.Config.ToneTable[static_cast<std::size_t>(tone - 1)];
}

// The refusal guards the last defined tone only: editing any other tone never empties the table.
bool IsSingleDefinedTone(const ConfigRecord& config, int tone) {
    return DefinedToneCount(config) == 1 && IsToneDefined(config, tone) == tone;
}

int Clear(i16& reference, int tone) {
    if (reference != tone) return 0;
    reference = 0;
    return 1;
}

}  // namespace

int IsToneDefined(const ConfigRecord& config, int n) {
    if (!IsTone(n)) return 0;
    return IsDefined(config.ToneTable[static_cast<std::size_t>(n - 1)]) ? n : 0;
}

int DefinedToneCount(const ConfigRecord& config) {
    return static_cast<int>(
        std::count_if(config.ToneTable.begin(), config.ToneTable.end(), IsDefined));
}

int RevalidateToneReferences(RadioData& data, int tone) {
    if (!IsTone(tone) || IsToneDefined(data.Config, tone) != 0) return 0;
    int changed = 0;
    // Every slot, not only the used ones: a stale record comes back into use when a channel is
    // created in its slot, and a dangling number must never reach the radio.
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group)
            for (int slot = 1; slot <= kMaxSlot; ++slot)
                changed += Clear(data.channel(band, slot, group).RogerBeep, tone);
    for (int n = 1; n <= kCbMemCount; ++n) changed += Clear(data.Store.cbMem(n).RogerBeep, tone);
    RadioSettings& s = data.Config.Settings;
    for (PublicParams* block : {&s.CbPublicParams, &s.HfPublicParams, &s.HamPublicParams})
        changed += Clear(block->RogerBeep, tone);
    return changed;
}

ToneEdit SetToneRepeat(RadioData& data, int tone, int position) {
    if (!IsTone(tone)) return ToneEdit::Unchanged;
    ToneRecord& record = Tone(data, tone);
    if (record.ToneRepeat == position) return ToneEdit::Unchanged;
    if (position < 1 && IsSingleDefinedTone(data.Config, tone)) return ToneEdit::Refused;
    const bool wasDefined = IsDefined(record);
    record.ToneRepeat = static_cast<i16>(position);
    if (wasDefined) RevalidateToneReferences(data, tone);
    return ToneEdit::Stored;
}

ToneEdit SetToneTime(RadioData& data, int tone, int step, int position) {
    if (!IsTone(tone) || !IsStep(step)) return ToneEdit::Unchanged;
    ToneRecord& record = Tone(data, tone);
    ToneStep& target = record.Steps[static_cast<std::size_t>(step - 1)];
    if (target.ToneTime == position) return ToneEdit::Unchanged;
    ToneRecord after = record;
    after.Steps[static_cast<std::size_t>(step - 1)].ToneTime = static_cast<i16>(position);
    if (!HasLength(after) && IsSingleDefinedTone(data.Config, tone)) return ToneEdit::Refused;
    const bool wasDefined = IsDefined(record);
    target.ToneTime = static_cast<i16>(position);
    if (wasDefined) RevalidateToneReferences(data, tone);
    return ToneEdit::Stored;
}

ToneEdit SetToneFreq(RadioData& data, int tone, int step, int value) {
    if (!IsTone(tone) || !IsStep(step)) return ToneEdit::Unchanged;
    ToneStep& target = Tone(data, tone).Steps[static_cast<std::size_t>(step - 1)];
    if (target.ToneFreq == value) return ToneEdit::Unchanged;
    target.ToneFreq = static_cast<i16>(value);
    return ToneEdit::Stored;
}

ToneEdit SetToneInterval(RadioData& data, int tone, int position) {
    if (!IsTone(tone)) return ToneEdit::Unchanged;
    ToneRecord& record = Tone(data, tone);
    if (record.ToneInterval == position) return ToneEdit::Unchanged;
    record.ToneInterval = static_cast<i16>(position);
    return ToneEdit::Stored;
}

}  // namespace kv
