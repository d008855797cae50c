// Group names and channel labels.
#include "editors/channels/channel_names.h"

#include "editors/channels/channel_slots.h"
#include "model/fixed_text.h"
#include "model/numeric_text.h"

namespace kv {
namespace {

// The MEM and VFO group indexes of a band, 0 for CB which has neither.
int MemGroup(int band) {
    return band == kBandHf ? 16 : band == kBandHam ? 13 : 0;
}
int VfoGroup(int band) {
    return band == kBandHf ? 17 : band == kBandHam ? 14 : 0;
}

bool IsBand(int band) {
    return band >= 0 && band < kBandCount;
}

std::string StoredGroupName(const Document& doc, int band, int index) {
    return doc.settings().GroupName(band, index).trimmed();
}

// A whole number in the channel range, or 0.
int ChannelNumberOf(std::string_view text) {
    const std::optional<double> value = ParseNumber(text);
    if (!value || *value < 0.0 || *value > 32767.0) return 0;
    return static_cast<int>(*value);
}

}  // namespace

std::string GroupIndexToName(const Document& doc, int band, int index) {
    if (!IsBand(band) || index < 1) return {};
    if (index == MemGroup(band)) return "MEM";
    if (index == VfoGroup(band)) return "VFO";
    if (index > kRegularGroupsPerBand[band]) return {};
    return StoredGroupName(doc, band, index);
}

int GroupNameToIndex(const Document& doc, int band, std::string_view name) {
    if (!IsBand(band)) return 0;
    if (band != kBandCb && name == "MEM") return MemGroup(band);
    if (band != kBandCb && name == "VFO") return VfoGroup(band);
    int found = 0;
    for (int index = 1; index <= kRegularGroupsPerBand[band]; ++index)
        if (StoredGroupName(doc, band, index) == name) found = index;
    return found;
}

std::string GetCHName(int chNo) {
    if (chNo <= kLastNormalChannel) return std::to_string(chNo);
    return "M" + std::to_string(chNo - kLastNormalChannel);
}

int GetCHID(std::string_view name) {
    const std::string label = TrimName(name);
    if (label.empty()) return 0;
    if (label.front() == 'M') {
        const int memory = ChannelNumberOf(std::string_view(label).substr(1));
        return memory > 0 ? memory + kLastNormalChannel : 0;
    }
    return ChannelNumberOf(label);
}

}  // namespace kv
