// The band public channel parameters: the rows of the CB, HF and HAM frames, the three band
// PUBLIC switches and what they write into the channel store. The settings window builds the
// frames from these tables and stores through them.
#pragma once

#include <span>

#include "editors/settings/setting_choice.h"
#include "model/config_record.h"
#include "model/radio_data.h"

namespace kv {

struct PublicBand {
    int Band;                             // kBandCb, kBandHf, kBandHam
    const char* Prefix;                   // object names of the band's controls begin with it
    const char* FrameLead;                // "CB " before the word "Public"
    PublicParams RadioSettings::*Params;  // the band's parameter block
    i16 ConfigRecord::*Switch;            // the band's PUBLIC switch
    const char* SwitchName;               // object name of the switch's list
    const char* SwitchCaption;            // "CB PUBLIC"
};

// CB, HF, HAM in the order the window shows them.
std::span<const PublicBand> PublicBands();

enum class PublicList {
    Dtmf,   // Off, then the numbers of the defined DTMF codes
    Roger,  // Off, then the numbers of the defined roger-beep tones
    OffOn,
    NbAnl,
    Mode,
    Power,
};

struct PublicRow {
    const char* Field;  // the member's name; a control is named band prefix + Field ("CbDtmfBot")
    const char* Caption;
    const char* CbCaption;  // the CB frame's caption when it differs
    PublicList List;
    i16 PublicParams::*Member;
    bool InCbFrame;
};

// The rows of a frame in the order shown.
std::span<const PublicRow> PublicRows();

// The frame caption: "CB " and the word "Public" of the language.
TextPair PublicFrameCaption(const PublicBand& band);
const char* PublicRowCaption(const PublicRow& row, const PublicBand& band);
bool IsPublicRowShown(const PublicRow& row, const PublicBand& band);

ChoiceList PublicChoices(const PublicRow& row, const ConfigRecord& config);
int StoredPublicValue(const PublicRow& row, const PublicBand& band, const ConfigRecord& config);
// The entry the stored value shows: a tone or code that is not defined shows Off, a position
// outside the list the first entry; the stored value stays as it is.
int ShownPublicChoice(const PublicRow& row, const PublicBand& band, const ConfigRecord& config);
// Stores the value of entry `entry`; false, and nothing stored, when the list has no such entry.
bool StorePublicChoice(const PublicRow& row, const PublicBand& band, ConfigRecord& config,
                       int entry);

// "On" (position 0) and "Off" (position 1), the same in both languages.
ChoiceList PublicSwitchChoices();
// Picking position `position` of the band's switch: when it differs from the stored switch,
// writes it into the public flag of every slot of every group of the band, used or not (all 80
// slots of CB group 3, 99 of a MEM group, the one VFO slot), stores it in the switch and returns
// true. The value already stored changes nothing and returns false.
bool SwitchBandPublic(RadioData& data, const PublicBand& band, int position);

// Whether the band's frame and switch can be changed: only CB without the radio's option.
bool IsPublicBandEnabled(const PublicBand& band, bool radioOptionFlag);

}  // namespace kv
