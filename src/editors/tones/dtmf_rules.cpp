// The DTMF codes' rules.
#include "editors/tones/dtmf_rules.h"

namespace kv {
namespace {

bool IsCode(int n) {
    return n >= 1 && n <= kDtmfCodeCount;
}

int Clear(i16& reference, int n) {
    if (reference != n) return 0;
    reference = 0;
    return 1;
}

template <typename Record>
int ClearAll(Record& record, int n) {
    return Clear(record.DtmfBot, n) + Clear(record.DtmfEot, n) + Clear(record.DtmfCall, n);
}

}  // namespace

int IsCodeDefined(const RadioSettings& settings, int n) {
    return DtmfCodeText(settings, n).empty() ? 0 : n;
}

char DtmfKeyCharacter(char typed) {
    if ((typed >= '0' && typed <= '9') || (typed >= 'A' && typed <= 'D') || typed == '*' ||
        typed == '#')
        return typed;
    if (typed >= 'a' && typed <= 'd') return static_cast<char>(typed - 'a' + 'A');
    return 0;
}

std::string CleanDtmfCode(std::string_view typed) {
    std::string code;
    for (const char c : typed) {
        if (code.size() == kDtmfCodeLength) break;
        if (const char kept = DtmfKeyCharacter(c)) code.push_back(kept);
    }
    return code;
}

std::string DtmfCodeText(const RadioSettings& settings, int n) {
    if (!IsCode(n)) return {};
    return settings.DtmfCodes[static_cast<std::size_t>(n - 1)].trimmed();
}

bool StoreDtmfCode(RadioSettings& settings, int n, std::string_view typed) {
    if (!IsCode(n)) return false;
    const std::string code = CleanDtmfCode(typed);
    if (code == DtmfCodeText(settings, n)) return false;
    std::string field = code;
    if (field.size() < kDtmfCodeLength) field.push_back('\0');
    settings.DtmfCodes[static_cast<std::size_t>(n - 1)].assign(field);
    return true;
}

int SetDTMFList(RadioData& data, int n) {
    if (!IsCode(n) || IsCodeDefined(data.Config.Settings, n) != 0) return 0;
    int changed = 0;
    // Every slot, not only the used ones: a stale record comes back into use when a channel is
    // created in its slot, and a dangling number must never reach the radio.
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group)
            for (int slot = 1; slot <= kMaxSlot; ++slot)
                changed += ClearAll(data.channel(band, slot, group), n);
    for (int memory = 1; memory <= kCbMemCount; ++memory)
        changed += ClearAll(data.Store.cbMem(memory), n);
    RadioSettings& s = data.Config.Settings;
    for (PublicParams* block : {&s.CbPublicParams, &s.HfPublicParams, &s.HamPublicParams})
        changed += ClearAll(*block, n);
    return changed;
}

bool SetDtmfCode(RadioData& data, int n, std::string_view typed) {
    if (!StoreDtmfCode(data.Config.Settings, n, typed)) return false;
    SetDTMFList(data, n);
    return true;
}

}  // namespace kv
