// The repeater-offset offer of a common format import.
#include "exchange/repeater_offset_offer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "editors/settings/settings_rows.h"
#include "exchange/import_texts.h"
#include "model/group_arrays.h"
#include "model/stored_frequency.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

// TX.REP's field in the settings window: MHz with four decimals, stored as units of 100 Hz.
constexpr long long kOffsetUnitHz = 100;

const NumberBox& OffsetBox() {
    return FindSettingRow("RepeaterOffset")->Number;
}

std::int32_t Stored(double mhz) {
    return static_cast<std::int32_t>(std::llround(mhz * std::pow(10.0, OffsetBox().Decimals)));
}

std::string ShiftMhz(long long hz) {
    std::string text = HzAsMhzText(hz);
    // Trailing zeros beyond TX.REP's four decimals say nothing.
    while (text.size() > 1 && text.back() == '0' && text.find('.') + 5 < text.size())
        text.pop_back();
    return text;
}

}  // namespace

std::optional<RepeaterOffsetOffer> FindOffsetOffer(const std::vector<long long>& shifts,
                                                   std::int32_t offset) {
    std::set<long long> distinct;
    int lines = 0;
    for (long long shift : shifts)
        if (shift != 0) {
            distinct.insert(shift);
            ++lines;
        }
    if (distinct.size() != 1 || *distinct.begin() == RepeaterShiftHz(offset)) return std::nullopt;
    RepeaterOffsetOffer offer;
    offer.ShiftHz = *distinct.begin();
    offer.Lines = lines;
    const long long units = offer.ShiftHz / kOffsetUnitHz;
    offer.Settable = offer.ShiftHz % kOffsetUnitHz == 0 && units >= Stored(OffsetBox().Min) &&
                     units <= Stored(OffsetBox().Max);
    if (offer.Settable) offer.Offset = static_cast<std::int32_t>(units);
    return offer;
}

int ShiftedChannelsOutside(const RadioData& data, const std::vector<ReplacedPlace>& replaced) {
    int count = 0;
    for (int band : {kBandHf, kBandHam})
        for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
            const int used = std::clamp<int>(data.channelCount(band, group), 0, kMaxSlot);
            for (int slot = 1; slot <= used; ++slot) {
                const ChannelRecord& record = data.channel(band, slot, group);
                if (record.RepShift != kRepAdd && record.RepShift != kRepSubtract) continue;
                const bool isReplaced =
                    std::any_of(replaced.begin(), replaced.end(), [&](const ReplacedPlace& place) {
                        return place.Band == band && place.Group == group &&
                               place.ChNo == record.ChNo;
                    });
                if (!isReplaced) ++count;
            }
        }
    return count;
}

std::string RepeaterOffsetMhz(std::int32_t offset) {
    const int decimals = OffsetBox().Decimals;
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, offset / std::pow(10.0, decimals));
    return text;
}

TextPair OffsetOfferText(const RepeaterOffsetOffer& offer, std::int32_t offset) {
    const std::string lines = std::to_string(offer.Lines);
    const std::string shift = ShiftMhz(offer.ShiftHz);
    TextPair text =
        FillText({"{} line(s) shift the transmit frequency by {} MHz; the radio shifts "
                  "every repeater channel by its TX.REP of {} MHz, so they are refused.",
                  "{} 行的发射频率偏移 {} MHz；对讲机的所有中继信道都按 TX.REP {} MHz "
                  "偏移，因此这些行被拒绝。"},
                 {lines, shift, RepeaterOffsetMhz(offset)});
    const TextPair more =
        offer.Settable
            ? FillText(
                  {" With TX.REP set to {} MHz they are taken, and {} channel(s) already set "
                   "to Add or SUBB will transmit {} MHz from their receive frequency.",
                   "将 TX.REP 设为 {} MHz 即可导入它们，已设为 Add 或 SUBB 的 {} "
                   "个信道将在离接收频率 {} MHz 处发射。"},
                  {RepeaterOffsetMhz(offer.Offset), std::to_string(offer.ChannelsChanging), shift})
            : FillText({" TX.REP cannot make that shift: it takes {} to {} MHz in steps of "
                        "0.0001 MHz.",
                        "TX.REP 无法设为该偏移：可设 {} 至 {} MHz，步进 0.0001 MHz。"},
                       {RepeaterOffsetMhz(Stored(OffsetBox().Min)),
                        RepeaterOffsetMhz(Stored(OffsetBox().Max))});
    return {text.en + more.en, text.zh + more.zh};
}

TextPair OffsetTakenText(std::int32_t offset, std::int32_t before, int channelsMoved) {
    return FillText({"TX.REP will be set to {} MHz (now {} MHz): {} channel(s) already set to Add "
                     "or SUBB will transmit {} MHz from their receive frequency.",
                     "TX.REP 将设为 {} MHz（现为 {} MHz）：已设为 Add 或 SUBB 的 {} "
                     "个信道将在离接收频率 {} MHz 处发射。"},
                    {RepeaterOffsetMhz(offset), RepeaterOffsetMhz(before),
                     std::to_string(channelsMoved), ShiftMhz(RepeaterShiftHz(offset))});
}

TextPair TakeOffsetCaption(std::int32_t offset) {
    return FillText({"Set TX.REP to {} MHz", "将 TX.REP 设为 {} MHz"}, {RepeaterOffsetMhz(offset)});
}

TextPair KeepOffsetCaption(std::int32_t offset) {
    return FillText({"Keep TX.REP at {} MHz", "保持 TX.REP 为 {} MHz"},
                    {RepeaterOffsetMhz(offset)});
}

}  // namespace kv
