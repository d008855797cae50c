// The transmit frequency a channel ends up with on the radio.
#include "model/transmit_frequency.h"

#include <algorithm>

#include "model/stored_frequency.h"

namespace kv {
namespace {

bool Shifted(int band, const ChannelRecord& record) {
    return band != kBandCb && (record.RepShift == kRepAdd || record.RepShift == kRepSubtract);
}

}  // namespace

std::int64_t RepeaterShiftHz(std::int32_t repeaterOffset) {
    return static_cast<std::int64_t>(static_cast<std::uint32_t>(repeaterOffset) & 0xFFFFu) * 100;
}

std::optional<std::int64_t> TransmitFrequencyHz(int band, const ChannelRecord& record,
                                                std::int32_t repeaterOffset) {
    const std::optional<std::int64_t> rx = StoredFrequencyHz(record.RxFreqText.raw());
    if (!rx || !Shifted(band, record)) return rx;
    const std::int64_t shift = RepeaterShiftHz(repeaterOffset);
    return record.RepShift == kRepAdd ? *rx + shift : *rx - shift;
}

void SetTransmitText(int band, ChannelRecord& record, std::int32_t repeaterOffset) {
    if (!Shifted(band, record)) {
        record.TxFreqText = record.RxFreqText;
        return;
    }
    const std::optional<std::int64_t> tx = TransmitFrequencyHz(band, record, repeaterOffset);
    record.TxFreqText.assign(tx ? StoredTextOfHz(*tx) : std::string());
}

void SetTransmitTexts(RadioData& data) {
    const std::int32_t offset = data.Config.Settings.RepeaterOffset;
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
            const int used = std::clamp<int>(data.channelCount(band, group), 0, kMaxSlot);
            for (int slot = 1; slot <= used; ++slot)
                SetTransmitText(band, data.channel(band, slot, group), offset);
        }
    for (int n = 1; n <= kCbMemCount; ++n)
        if (data.Store.cbMem(n).InUse == 1) SetTransmitText(kBandCb, data.Store.cbMem(n), offset);
}

}  // namespace kv
