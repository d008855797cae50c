// The list commands of the channel grid: Copy, Cut, Paste, Delete and Insert&Paste on the channel
// a row shows, with a one-record clipboard. A group's slots stay a compact list whose count equals
// the channels it holds, and the references to channels follow every removal and renumbering.
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
    std::optional<TextPair> Message;  // a warning to show
};

// The clipboard takes the channel the row shows, or an unused record when it shows none.
void CopyChannel(const Document& doc, int band, int group, int row, ChannelClipboard& clipboard);

// Copy, then (within the group's rows, never in the VFO group) Delete.
ListEditOutcome CutChannel(Document& doc, int band, int group, int row, ChannelClipboard& clipboard,
                           const ChannelWindowRefresh& refresh = {});

// Removes the channel the row shows under the rule that keeps the band's last normal channel;
// the group's references and the CB memories that referred to it follow. Nothing in the VFO
// group or outside the group's rows.
ListEditOutcome DeleteChannel(Document& doc, int band, int group, int row,
                              const ChannelWindowRefresh& refresh = {});

// Why pasting into the row would change nothing: no record, row outside the group's rows, an
// unused record (no message), or a frequency outside the band (the out-of-range warning).
std::optional<ListEditOutcome> PasteRefusal(const Document& doc, int band, int group, int row,
                                            const ChannelClipboard& clipboard);

// Creates or replaces channel `row` with the clipboard record numbered `row`; references to roger
// tones and DTMF codes that are not defined are dropped.
ListEditOutcome PasteChannel(Document& doc, int band, int group, int row,
                             const ChannelClipboard& clipboard,
                             const ChannelWindowRefresh& refresh = {});

// When a Paste into the row would succeed: channels row … L−1 become row+1 … L (channel L, the
// group's last row, is dropped; references follow the renumbering), then the Paste.
ListEditOutcome InsertPasteChannel(Document& doc, int band, int group, int row,
                                   const ChannelClipboard& clipboard,
                                   const ChannelWindowRefresh& refresh = {});

// Clears the CB memories of the group's block that refer to channel chNo of the group.
void ClearCbMemReferences(RadioData& data, int group, int chNo);

}  // namespace kv
