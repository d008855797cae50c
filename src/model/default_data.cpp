// Built-in defaults of a new document.
#include "model/default_data.h"

#include <array>
#include <string>

#include "model/band_range.h"
#include "model/radio_facts.h"

namespace kv {
namespace {

constexpr std::array<const char*, 7> kCbGroupNames = {"EU", "PL", "DE", "EC", "U", "IN", "UK"};
// Regular groups that get a name, valid bit and references: the first 6 CB groups, all 15 HF
// groups and all 12 HAM groups. CB group 7 only gets its name.
constexpr std::array<int, kBandCount> kDefaultedGroups = {6, 15, 12};
constexpr i16 kDefaultSpareValue = 41;

constexpr std::array<i16, 12> kDefaultReservedTable = {0, 3, 10, 14, 24, 35, 0, 5, 8, 12, 23, 35};
constexpr std::array<i16, 6> kDefaultDtmfParams = {1, 1, 1, 0, 0, 0};

// Roger-beep tones 1 to 5; tones 6 to 8 stay silent. Each row lists the frequencies of the steps
// that sound, all with the same step time.
struct DefaultTone {
    std::array<i16, 14> freq;
    int steps;
    i16 time;
};
constexpr std::array<DefaultTone, 5> kDefaultTones = {{
    {{210, 0, 210, 0, 210, 0, 210}, 7, 10},
    {{80, 0, 80, 0, 80, 0, 80, 0, 80, 0, 80, 0, 80, 0}, 14, 4},
    {{170, 90, 170, 90, 170, 90, 170}, 7, 3},
    {{64, 94, 134, 163, 192}, 5, 6},
    {{150, 70, 150, 70, 150, 70}, 6, 20},
}};

void ApplyDefaultGroups(RadioSettings& s) {
    for (int band = 0; band < kBandCount; ++band) {
        for (int group = 1; group <= kDefaultedGroups[band]; ++group) {
            const char letter[2] = {static_cast<char>('A' + group - 1), '\0'};
            s.GroupValid(band, group) = 1;
            s.GroupName(band, group).assign(std::string_view(letter, 2));
            for (int k = 0; k < 2; ++k) {
                s.GroupRefChannelA(band, group, k) = 1;
                s.GroupRefChannelB(band, group, k) = 1;
            }
            s.GroupWorkChannel(band, group) = 1;
            s.GroupSpareValue(band, group) = kDefaultSpareValue;
        }
        s.WorkGroup[band] = 1;
    }
    for (int group = 1; group <= static_cast<int>(kCbGroupNames.size()); ++group)
        s.GroupName(kBandCb, group).assign(kCbGroupNames[group - 1]);
}

void ApplyDefaultPublicParams(PublicParams& p) {
    // TxPower is deliberately left as it is.
    p.HiCut = 0;
    p.NbAnl = 1;
    p.Echo = 0;
    p.Add10K = 0;
    p.Reserved = 0;
    p.RogerBeep = 0;
    p.DtmfBot = 0;
    p.DtmfEot = 0;
    p.DtmfCall = 0;
    p.Mode = 1;  // AM
}

void ApplyDefaultSettings(RadioSettings& s) {
    ApplyDefaultGroups(s);
    for (PublicParams* p : {&s.CbPublicParams, &s.HfPublicParams, &s.HamPublicParams})
        ApplyDefaultPublicParams(*p);
    s.BeepLevel = 1;
    s.ReservedSetting2 = 0;
    s.MicGain = 30;
    s.TalkBack = 0;
    s.Tot = 0;
    s.SwrProtect = 1;
    s.BatteryProtect = 1;
    s.ScanType = 0;
    s.ReservedSetting3 = 0;
    s.Clarifier = 0;
    s.BatteryMin = 97;   // 9.7 V
    s.BatteryMax = 168;  // 16.8 V
    s.SwrLimit = 160;    // 16.0
    s.ReservedSetting8 = 2;
    s.ReservedSetting9 = 1;
    s.ReservedSetting10 = 0;
    s.ReservedSetting11 = 0;
    s.ReservedSetting12 = 0;
    s.RepeaterOffset = 100;  // 0.01 MHz
    s.ReservedSetting6 = 0;
    s.AsqLevel = 0;
    s.DtmfParams = kDefaultDtmfParams;
    for (FixedText<16>& code : s.DtmfCodes) code.assign(std::string_view("\0", 1));
}

void ApplyDefaultIdentity(RadioIdentity& id, std::string_view bandRangeText,
                          std::string_view today) {
    id.IdentModelShort.assign(std::string(kExpectedModel) + '\0');
    id.IdentRangeClass2 = static_cast<i16>(BandRangeClass(bandRangeText));
    id.IdentLetter = 'C';
    id.IdentDate.assign(today);
    id.IdentVersion.assign("V2.00");
}

void ApplyDefaultTones(std::array<ToneRecord, kToneCount>& tones) {
    for (std::size_t t = 0; t < kDefaultTones.size(); ++t) {
        const DefaultTone& tone = kDefaultTones[t];
        for (int step = 0; step < tone.steps; ++step)
            tones[t].Steps[step] = {tone.freq[step], tone.time};
        tones[t].ToneRepeat = 1;
        tones[t].ToneInterval = 0;
    }
}

}  // namespace

void ApplyBuiltInDefaults(Document& doc, std::string_view today) {
    ConfigRecord& c = doc.config();
    c.FileVersion.assign(kProgramDataVersion);
    c.BandMode = kBandHf;
    c.CurrentGroup = {1, 1, 1};
    for (int group = 1; group <= kMaxGroup; ++group) c.GroupCurrentChannel(kBandCb, group) = 1;
    for (int group = 1; group <= 13; ++group) c.GroupCurrentChannel(kBandHf, group) = 1;
    doc.ChannelEditorOpen = false;
    ApplyDefaultSettings(c.Settings);
    c.ReservedTable = kDefaultReservedTable;
    ApplyDefaultIdentity(c.Identity, doc.BandRangeText, today);
    ApplyDefaultTones(c.ToneTable);
}

}  // namespace kv
