// What the radio can hold for a channel, held once, as data: for every field the values the
// memory image holds (its bit width in the slot layout), and separately what the windows offer
// (the details table's lists and the references they may name); for every group the channel
// numbers it holds. The doors into a document (paste, spreadsheet text, CSV import, bulk edit)
// refuse only what the image cannot hold; the check before writing names what the windows do not
// offer. Both ask here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editors/channels/detail_rows.h"
#include "model/channel_record.h"
#include "model/config_record.h"
#include "model/radio_data.h"
#include "model/text_pair.h"

namespace kv {

struct ValueRange {
    int First = 0;
    int Last = -1;

    bool holds(int value) const { return value >= First && value <= Last; }
};

// The values the image holds for a channel field: 0 to 2^width − 1 of the field's bits in the
// slot; the presence and scan bits 0 to 1; the CB memory's channel reference 1 to 255 (255 and
// nothing else is "none": 0 would come back as 255) and its band byte 0 to 255. The channel
// number and the fields the image does not carry hold any value.
ValueRange ImageRange(i16 ChannelRecord::*field);

// The channel numbers a group holds: 1 to 40 (CB group 3: 1 to 80), the MEM groups 1 to 99, a
// VFO group 1. Nothing for a group the band does not have.
ValueRange GroupChannelNumbers(int band, int group);

// "channel 41 is beyond this group's channels 1–40".
TextPair BeyondGroupChannelsText(int chNo, int band, int group);

// "Roger "#20" is more than the radio holds in this field (0–15)".
TextPair WiderThanFieldText(std::string_view field, std::string_view text, ValueRange range);

// The first details field of the record whose value the image cannot hold, named as the panel
// names it; nothing when the image holds every one. The CB memory fields count only for a CB
// memory record: a channel's slot has no place for them.
std::optional<TextPair> RecordWiderThanImage(const ChannelRecord& record, bool cbMemory);

// What the windows offer a details box of a channel or CB memory record of the group: the list's
// entries; for the roger-beep and DTMF boxes off or a defined tone or code; for a CB memory's
// channel "Off" or a channel its group holds.
bool WindowsOffer(const DetailBox& box, int value, const RadioData& data, int group,
                  const ChannelRecord& record);

}  // namespace kv
