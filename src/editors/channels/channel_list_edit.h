// The list commands of the channel grid: Copy, Cut, Paste, Delete and Insert&Paste on the channel
// a row shows, with a one-record clipboard. A group's slots stay a compact list whose count equals
// the channels it holds, and the references to channels follow every removal and renumbering.
// The commands never switch a group on or off, never lose a channel without the user's consent,
// and a command that cannot act says why.
#pragma once

#include <optional>

#include "editors/channels/channel_window_refresh.h"
#include "model/document.h"
#include "model/text_pair.h"

namespace kv {

struct ChannelClipboard {
    ChannelRecord Record;
    bool Full = false;  // set by Copy and Cut, never cleared
};

struct ListEditOutcome {
    bool Changed = false;  // the document changed
    int FirstRow = 0;      // rows to redisplay when changed
    int LastRow = 0;
    std::optional<TextPair> Message;  // why the command could not act
};

// The clipboard takes the channel the row shows, or an unused record when it shows none.
void CopyChannel(const Document& doc, int band, int group, int row, ChannelClipboard& clipboard);

// Copy, then (within the group's rows, never in the VFO group) Delete.
ListEditOutcome CutChannel(Document& doc, int band, int group, int row, ChannelClipboard& clipboard,
                           const ChannelWindowRefresh& refresh = {});

// Removes the channel the row shows, even a group's or the band's last one; GroupValid stays.
// The group's references and the CB memories that referred to it follow; the emergency,
// dual-watch and memory-key entries keep the number, so the user sees what named it.
ListEditOutcome DeleteChannel(Document& doc, int band, int group, int row,
                              const ChannelWindowRefresh& refresh = {});

// Creates or replaces channel `row` with the clipboard record numbered `row`; references to roger
// tones and DTMF codes that are not defined are dropped. Any record the document holds is
// accepted whatever its frequency (it came from the document); refused are only an empty
// clipboard, a row outside the group's rows, a copied row without a channel and a group without
// a free slot.
ListEditOutcome PasteChannel(Document& doc, int band, int group, int row,
                             const ChannelClipboard& clipboard,
                             const ChannelWindowRefresh& refresh = {});

// The channel an Insert&Paste at the row would push out of the group: the group's last row when
// every number from the row to the last row holds a channel; nothing otherwise.
std::optional<int> InsertPasteWouldLose(const Document& doc, int band, int group, int row);

// The question that asks before the channel is pushed out (Yes/No).
TextPair InsertPasteLosesText(int band, int group, int chNo);

// Opens row `row` by moving channels row … f−1 to row+1 … f, where f is the first free number
// after the row (references follow), then pastes into it; with nothing copied the row stays
// empty. When no number is free up to the group's last row L, channel L is pushed out only with
// `dropLast` (the user's Yes), and channels row … L−1 become row+1 … L.
ListEditOutcome InsertPasteChannel(Document& doc, int band, int group, int row,
                                   const ChannelClipboard& clipboard,
                                   const ChannelWindowRefresh& refresh = {}, bool dropLast = false);

// Why Cut, Delete and Insert&Paste refuse in the VFO group, and Delete on a row without a channel.
TextPair VfoKeepsItsChannelText();
TextPair NoChannelOnRowText();

// Clears the CB memories of the group's block that refer to channel chNo of the group.
void ClearCbMemReferences(RadioData& data, int group, int chNo);

}  // namespace kv
