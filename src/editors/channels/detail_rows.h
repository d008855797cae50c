// The rows of the channel details panel, described once: the box, its label in both languages,
// its list, the record field it shows and stores, and when it is shown or follows the PUBLIC
// switch. The panel is built from this table and stores through it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/channel_record.h"
#include "model/config_record.h"
#include "model/text_pair.h"

namespace kv {

enum class DetailList {
    Fixed,          // the entries below; the stored value is the entry's position
    CtcssTones,     // the 38 CTCSS tones; the position
    DcsCodes,       // the 104 DCS codes; the position
    RogerTones,     // "OFF", then the defined roger-beep tone numbers; the number (0 for OFF)
    DtmfCodes,      // "OFF", then the defined DTMF code numbers; the number (0 for OFF)
    CbMemChannels,  // "Off", then the ChNo of the referred group's channels
};

enum class DetailShown {
    Always,
    HfHamBands,     // REP and +10KHz
    MemGroup,       // Mode: only in the HF and HAM MEM groups
    CbMemoryRow,    // only for a CB memory row
    SharedCbBlock,  // only for a CB memory row of groups 5 and 7
    RxCtcss,        // when RxToneType is 1
    RxDcs,          // when RxToneType is 2
    TxCtcss,        // when TxToneType is 1
    TxDcs,          // when TxToneType is 2
};

enum class DetailPublic {
    Independent,
    Disabled,     // label and box disabled while PublicCh is 1
    LabelGreyed,  // the label greyed, the box stays enabled
};

struct DetailBox {
    int box;  // the box is Combo8_<box>
    int row;  // the panel row, 1..20; rows 4 and 6 hold two boxes of which one at most shows
    TextPair label;
    DetailList list;
    std::vector<TextPair> entries;
    i16 ChannelRecord::*field;
    DetailShown shown;
    DetailPublic publicRule;
};

std::span<const DetailBox> DetailBoxes();
const DetailBox* FindDetailBox(int box);

// "C_001(67.0Hz)" … "C_038(250.3Hz)" and "D_001(023N)" … "D_104(754N)".
const std::vector<std::string>& CtcssToneEntries();
const std::vector<std::string>& DcsCodeEntries();

// Whether a box shows for this band, group and row and the record's tone types.
bool DetailBoxShown(const DetailBox& box, int band, bool memGroup, bool cbMemoryRow, int group,
                    const ChannelRecord& record);

// The "OFF" entry of the number lists and the "Off" of the CB memory channel list.
TextPair DetailOffText();
TextPair CbMemOffText();

// The panel caption for a row label: "More Information -- CH " and the label.
std::string DetailCaption(const std::string& rowLabel);

// The number a CB memory record's reference stands at when it refers to nothing.
inline constexpr int kCbMemEmpty = 255;

}  // namespace kv
