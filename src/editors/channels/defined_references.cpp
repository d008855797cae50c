// Defined tones and codes.
#include "editors/channels/defined_references.h"

#include <algorithm>

#include "model/channel_record.h"

namespace kv {

bool RogerToneDefined(const ConfigRecord& config, int tone) {
    if (tone < 1 || tone > kToneCount) return false;
    const ToneRecord& record = config.ToneTable[tone - 1];
    return record.ToneRepeat >= 1 &&
           std::any_of(record.Steps.begin(), record.Steps.end(),
                       [](const ToneStep& step) { return step.ToneTime > 0; });
}

bool DtmfCodeDefined(const ConfigRecord& config, int code) {
    if (code < 1 || code > kDtmfCodeCount) return false;
    return !config.Settings.DtmfCodes[code - 1].trimmed().empty();
}

std::vector<int> DefinedRogerTones(const ConfigRecord& config) {
    std::vector<int> tones;
    for (int tone = 1; tone <= kToneCount; ++tone)
        if (RogerToneDefined(config, tone)) tones.push_back(tone);
    return tones;
}

std::vector<int> DefinedDtmfCodes(const ConfigRecord& config) {
    std::vector<int> codes;
    for (int code = 1; code <= kDtmfCodeCount; ++code)
        if (DtmfCodeDefined(config, code)) codes.push_back(code);
    return codes;
}

void DropUndefinedReferences(const ConfigRecord& config, ChannelRecord& record) {
    if (!RogerToneDefined(config, record.RogerBeep)) record.RogerBeep = 0;
    for (i16 ChannelRecord::*code :
         {&ChannelRecord::DtmfBot, &ChannelRecord::DtmfEot, &ChannelRecord::DtmfCall})
        if (!DtmfCodeDefined(config, record.*code)) record.*code = 0;
}

}  // namespace kv
