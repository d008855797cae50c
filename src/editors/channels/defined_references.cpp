// Defined tones and codes for the channel editor.
#include "editors/channels/defined_references.h"

#include "editors/tones/dtmf_rules.h"
#include "editors/tones/tone_rules.h"

namespace kv {

std::vector<int> DefinedRogerTones(const ConfigRecord& config) {
    std::vector<int> tones;
    for (int tone = 1; tone <= kToneCount; ++tone)
        if (IsToneDefined(config, tone) != 0) tones.push_back(tone);
    return tones;
}

std::vector<int> DefinedDtmfCodes(const ConfigRecord& config) {
    std::vector<int> codes;
    for (int code = 1; code <= kDtmfCodeCount; ++code)
        if (IsCodeDefined(config.Settings, code) != 0) codes.push_back(code);
    return codes;
}

}  // namespace kv
