// Keeping the per-group channel references valid.
#include "editors/channels/group_references.h"

#include <algorithm>

#include "editors/channels/channel_slots.h"

namespace kv {
namespace {

bool IsNormalSide(int chNo) {
    return chNo <= kLastNormalChannel;
}

}  // namespace

int ValidChannelReference(const RadioData& data, int band, int group, int reference) {
    int firstOnSide = 0;
    bool remembered = false;
    const int used = UsedSlots(data, band, group);
    for (int slot = 1; slot <= used; ++slot) {
        const int chNo = data.channel(band, slot, group).ChNo;
        if (chNo == reference) return reference;
        if (!remembered && IsNormalSide(chNo) == IsNormalSide(reference)) {
            firstOnSide = chNo;
            remembered = true;
        }
    }
    return firstOnSide;
}

void RevalidateGroupReferences(Document& doc, int band, int group,
                               const std::function<void()>& refreshWorkChannelBox) {
    if (!IsStoreGroup(band, group)) return;
    RadioSettings& s = doc.settings();
    i16* const references[] = {
        &s.GroupRefChannelA(band, group, 0), &s.GroupRefChannelA(band, group, 1),
        &s.GroupWorkChannel(band, group),    &s.GroupRefChannelB(band, group, 0),
        &s.GroupRefChannelB(band, group, 1),
    };
    for (i16* reference : references)
        *reference = static_cast<i16>(ValidChannelReference(doc.Working, band, group, *reference));
    if (doc.ChannelEditorOpen && refreshWorkChannelBox) refreshWorkChannelBox();
}

std::vector<std::string> NormalChannelNumbers(const RadioData& data, int band, int group) {
    std::vector<int> numbers;
    const int used = UsedSlots(data, band, group);
    for (int slot = 1; slot <= used; ++slot) {
        const int chNo = data.channel(band, slot, group).ChNo;
        if (IsNormalSide(chNo)) numbers.push_back(chNo);
    }
    std::sort(numbers.begin(), numbers.end());
    std::vector<std::string> list;
    list.reserve(numbers.size());
    for (int chNo : numbers) list.push_back(std::to_string(chNo));
    return list;
}

std::vector<std::string> ChannelNumberList(Document& doc, int band, int group) {
    doc.Working.channelCount(kBandHf, 17) = 1;
    doc.Working.channelCount(kBandHam, 14) = 1;
    return NormalChannelNumbers(doc.Working, band, group);
}

}  // namespace kv
