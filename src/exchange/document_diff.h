// The differences between two documents, each named as the windows name it: band, group, channel
// and field of the channel window, setting captions, roger-beep tones and DTMF codes.
#pragma once

#include <string>
#include <vector>

#include "codec/code_page.h"
#include "model/radio_data.h"
#include "model/text_pair.h"

namespace kv {

// Where a difference shows: the channel window (a channel, a CB memory record, a group's switch
// or work channel), the group names window, the settings window, the tone windows, the weather
// channels, the emergency, dual-watch and memory-key windows, or nowhere.
enum class DiffArea {
    Channel,
    CbMemory,
    Group,
    GroupName,
    Setting,
    RogerBeep,
    Dtmf,
    Weather,
    Emergency,
    DualWatch,
    MemoryKey,
    Hidden
};

struct Difference {
    TextPair Text;  // "place: field A value -> B value"
    DiffArea Area = DiffArea::Hidden;
    int Band = -1;
    int Group = -1;
    int ChNo = -1;  // the channel number, or the CB memory record number

    Difference With(TextPair text) const {
        Difference copy = *this;
        copy.Text = std::move(text);
        return copy;
    }
};

// Every difference with where it shows.
std::vector<Difference> FindDifferences(const RadioData& a, const RadioData& b,
                                        const CodePage& codePage);

// The English line of each difference, "A value -> B value"; none when the documents are equal in
// everything that reaches the radio or the data file (the positions, the identity a save stamps
// and the transmit texts, which follow the radio's rule, are no differences).
std::vector<std::string> DiffDocuments(const RadioData& a, const RadioData& b,
                                       const CodePage& codePage);

}  // namespace kv
