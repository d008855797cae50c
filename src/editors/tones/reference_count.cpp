// Counting references to tones and codes, and saying that they were cleared.
#include "editors/tones/reference_count.h"

#include <string>

namespace kv {
namespace {

template <typename Refers>
ReferenceCount Count(const RadioData& data, Refers refers) {
    ReferenceCount count;
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group)
            for (int slot = 1; slot <= kMaxSlot; ++slot)
                count.Channels += refers(data.channel(band, slot, group)) ? 1 : 0;
    for (int n = 1; n <= kCbMemCount; ++n) count.Channels += refers(data.Store.cbMem(n)) ? 1 : 0;
    const RadioSettings& s = data.Config.Settings;
    for (const PublicParams* block : {&s.CbPublicParams, &s.HfPublicParams, &s.HamPublicParams})
        count.PublicBlocks += refers(*block) ? 1 : 0;
    return count;
}

std::string English(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "<what> is no longer used by 9 channels and 2 public blocks."
TextPair ClearedText(const TextPair& what, const ReferenceCount& count) {
    std::string en;
    std::string zh;
    if (count.Channels > 0) {
        en = English(count.Channels, "channel", "channels");
        zh = std::to_string(count.Channels) + " 个信道";
    }
    if (count.PublicBlocks > 0) {
        const bool both = !en.empty();
        en += (both ? " and " : "") + English(count.PublicBlocks, "public block", "public blocks");
        zh += (both ? "和 " : "") + std::to_string(count.PublicBlocks) + " 个公共参数块";
    }
    return {what.en + " is no longer used by " + en + ".", what.zh + " 不再被 " + zh + "使用。"};
}

}  // namespace

ReferenceCount CountToneReferences(const RadioData& data, int tone) {
    return Count(data, [tone](const auto& record) { return record.RogerBeep == tone; });
}

ReferenceCount CountDtmfReferences(const RadioData& data, int code) {
    return Count(data, [code](const auto& record) {
        return record.DtmfBot == code || record.DtmfEot == code || record.DtmfCall == code;
    });
}

TextPair ToneReferencesClearedText(int tone, const ReferenceCount& count) {
    const std::string n = std::to_string(tone);
    return ClearedText({"Tone " + n, "音 " + n}, count);
}

TextPair DtmfReferencesClearedText(int code, const ReferenceCount& count) {
    const std::string n = std::to_string(code);
    return ClearedText({"DTMF code " + n, "DTMF 码 " + n}, count);
}

}  // namespace kv
