// Creating, changing and removing the channels of a group: the store edits behind frequency entry
// in the channel grid, and the frequency a newly enabled group's first channel gets.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editors/channels/channel_window_refresh.h"
#include "editors/channels/freq_text.h"
#include "model/document.h"
#include "model/text_pair.h"

namespace kv {

// The creation rule shared by grid channels and CB memory records: number, in-use, scan "Add",
// NB, both frequency texts set to the stored form, the other options cleared; TxDcs, the receive
// tone fields, TxPower, MemBand and MemChNo keep what the record held.
void InitNewChannel(ChannelRecord& record, int chNo, std::string_view storedFreq);

// Appends channel chNo to the working group with the creation rule above and the stored form of
// text. False, with nothing changed, when the group is not in the store or has no free slot.
bool AddChannel(Document& doc, int chNo, int band, int group, std::string_view text);

// Removes the channel in the slot: later slots move up by one, the count drops by one, and the
// former last slot keeps its old content. False, with nothing changed, for a slot not in use.
bool RemoveChannelSlot(Document& doc, int slot, int band, int group);

// Removes the group's channel in the slot under the rule that keeps a band's last normal channel:
// with two or more normal channels in the group it goes and the group's references follow; as
// the group's last normal channel it goes only when another valid group keeps one, and the
// group is switched off. False when the channel stays.
bool RemoveGroupChannel(Document& doc, int slot, int band, int group,
                        const ChannelWindowRefresh& refresh = {});

// Applies a frequency typed for channel chNo of the group CurrentGroup holds for BandMode (HF and
// HAM): a new number creates the channel, a known one changes its receive frequency, and an empty
// text removes it unless it is the last normal channel of the band's valid groups. An entry that
// is rejected (out of range, not a number) changes nothing and returns the warning to show.
std::optional<TextPair> SetChannelFreq(Document& doc, int chNo, std::string_view typed,
                                       const ChannelWindowRefresh& refresh = {});

// The same for an explicit band and group, checked against the given limits (the channel window
// passes the limits of the band it shows). In the VFO group the one row is the group's single
// slot whatever its number, and an empty entry leaves it as it is.
std::optional<TextPair> ApplyChannelFreq(Document& doc, int band, int group, int chNo,
                                         std::string_view typed, const FreqLimits& limits,
                                         const ChannelWindowRefresh& refresh = {});

// The frequency text of channel 1 of a group that is switched on while it holds no normal
// channel (groups 1 to 10, the same in every band); "" for other groups.
std::string FirstChannelFreqText(int group);

}  // namespace kv
