// The frequency a channel may have: the band's range, or in CB the group's channel plan.
#include "editors/channels/frequency_rule.h"

#include <cmath>
#include <map>
#include <optional>
#include <tuple>

#include "editors/channels/channel_plan.h"
#include "editors/channels/channel_plan_table.h"
#include "editors/channels/freq_text.h"
#include "model/band_range.h"
#include "model/group_arrays.h"

namespace kv {
namespace {

// Frequencies of the built-in plan, by (group, channel number), CB rows only.
using CbPlanFrequencies = std::map<std::pair<int, int>, double>;

const CbPlanFrequencies& CbPlan() {
    static const CbPlanFrequencies plan = [] {
        CbPlanFrequencies frequencies;
        for (const ChannelPlanRow& row : ParseChannelPlan(ChannelPlanTableText()).rows)
            if (row.band == kBandCb)
                if (const std::optional<double> mhz =
                        StoredFreqMhz(row.freqText.substr(0, 2) + row.freqText.substr(3)))
                    frequencies.emplace(std::pair(row.group, row.chNo), *mhz);
        return frequencies;
    }();
    return plan;
}

// Stored texts hold whole tens of hertz at most; half a hertz tells two of them apart.
bool SameFrequency(double a, double b) {
    return std::fabs(a - b) < 0.5e-6;
}

}  // namespace

bool ChannelMayHaveFrequency(int band, int group, int chNo, std::string_view storedFreqText) {
    if (band < 0 || band >= kBandCount) return false;
    const std::optional<double> mhz = StoredFreqMhz(storedFreqText);
    if (!mhz) return false;
    const FreqLimits limits = BandLimits(band);
    if (*mhz >= limits.min && *mhz <= limits.max) return true;
    if (band != kBandCb) return false;
    const auto planned = CbPlan().find(std::pair(group, chNo));
    return planned != CbPlan().end() && SameFrequency(planned->second, *mhz);
}

TextPair FrequencyRefusedText(std::string_view mhz) {
    const std::string text(mhz);
    return {"this channel may not have the frequency " + text + " MHz",
            "此信道不能使用频率 " + text + " MHz"};
}

}  // namespace kv
