// The channel limits, read from the slot layout and the details table.
#include "limits/channel_limits.h"

#include <algorithm>

#include "codec/channel_layout.h"
#include "editors/channels/cb_memory.h"
#include "editors/channels/defined_references.h"

namespace kv {

ValueRange ImageRange(i16 ChannelRecord::*field) {
    for (const BitField<ChannelRecord>& slotField : kSlotFields)
        if (slotField.member == field) return {0, (1 << slotField.width) - 1};
    if (field == &ChannelRecord::InUse || field == &ChannelRecord::ScanAdd) return {0, 1};
    if (field == &ChannelRecord::MemChNo) return {1, 255};
    if (field == &ChannelRecord::MemBand) return {0, 255};
    return {-32768, 32767};
}

ValueRange GroupChannelNumbers(int band, int group) {
    const int capacity = SlotCapacity(band, group);
    if (capacity == 0) return {};
    return {1, capacity};
}

TextPair BeyondGroupChannelsText(int chNo, int band, int group) {
    const ValueRange numbers = GroupChannelNumbers(band, group);
    const std::string n = std::to_string(chNo);
    const std::string range = numbers.First == numbers.Last ? std::to_string(numbers.First)
                                                            : std::to_string(numbers.First) + "–" +
                                                                  std::to_string(numbers.Last);
    return {"channel " + n + " is beyond this group's channels " + range,
            "信道 " + n + " 超出本组的信道 " + range};
}

TextPair WiderThanFieldText(std::string_view field, std::string_view text, ValueRange range) {
    const std::string f(field);
    const std::string t(text);
    const std::string limits = std::to_string(range.First) + "–" + std::to_string(range.Last);
    return {f + " \"" + t + "\" is more than the radio holds in this field (" + limits + ")",
            f + "“" + t + "”超出对讲机在此字段中能保存的值（" + limits + "）"};
}

std::optional<TextPair> RecordWiderThanImage(const ChannelRecord& record, bool cbMemory) {
    for (const DetailBox& box : DetailBoxes()) {
        const bool memoryField =
            box.shown == DetailShown::CbMemoryRow || box.shown == DetailShown::SharedCbBlock;
        if (memoryField && !cbMemory) continue;
        const ValueRange range = ImageRange(box.field);
        const int value = record.*(box.field);
        if (!range.holds(value)) {
            const std::string text = "#" + std::to_string(value);
            return TextPair{WiderThanFieldText(box.label.en, text, range).en,
                            WiderThanFieldText(box.label.zh, text, range).zh};
        }
    }
    return std::nullopt;
}

bool WindowsOffer(const DetailBox& box, int value, const RadioData& data, int group,
                  const ChannelRecord& record) {
    const auto listed = [value](const auto& list) {
        return value >= 0 && value < static_cast<int>(list.size());
    };
    const auto named = [value](const std::vector<int>& defined) {
        return value == 0 || std::find(defined.begin(), defined.end(), value) != defined.end();
    };
    switch (box.list) {
        case DetailList::Fixed:
            return listed(box.entries);
        case DetailList::CtcssTones:
            return listed(CtcssToneEntries());
        case DetailList::DcsCodes:
            return listed(DcsCodeEntries());
        case DetailList::RogerTones:
            return named(DefinedRogerTones(data.Config));
        case DetailList::DtmfCodes:
            return named(DefinedDtmfCodes(data.Config));
        case DetailList::CbMemChannels: {
            if (value == kCbMemEmpty) return true;
            const std::vector<int> choices = CbMemChannelChoices(data, group, record);
            return std::find(choices.begin(), choices.end(), value) != choices.end();
        }
    }
    return false;
}

}  // namespace kv
