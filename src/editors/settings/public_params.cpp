// The band public parameter tables and the band PUBLIC switches.
#include "editors/settings/public_params.h"

#include <string>

#include "editors/shared_lists.h"
#include "editors/tones/dtmf_rules.h"
#include "editors/tones/tone_rules.h"
#include "model/channel_store.h"

namespace kv {
namespace {

constexpr PublicBand kBands[] = {
    {kBandCb, "Cb", "CB ", &RadioSettings::CbPublicParams, &ConfigRecord::CbPublic, "CbPublic",
     "CB PUBLIC"},
    {kBandHf, "Hf", "HF ", &RadioSettings::HfPublicParams, &ConfigRecord::HfPublic, "HfPublic",
     "HF PUBLIC"},
    {kBandHam, "Ham", "HAM ", &RadioSettings::HamPublicParams, &ConfigRecord::HamPublic,
     "HamPublic", "HAM PUBLIC"},
};

using P = PublicParams;
constexpr PublicRow kRows[] = {
    {"DtmfBot", "BOT", nullptr, PublicList::Dtmf, &P::DtmfBot, true},
    {"DtmfEot", "EOT", nullptr, PublicList::Dtmf, &P::DtmfEot, true},
    {"DtmfCall", "CALL", nullptr, PublicList::Dtmf, &P::DtmfCall, true},
    {"HiCut", "HI-CUT", nullptr, PublicList::OffOn, &P::HiCut, true},
    {"NbAnl", "NB/ANL", nullptr, PublicList::NbAnl, &P::NbAnl, true},
    {"Echo", "ECHO", nullptr, PublicList::OffOn, &P::Echo, true},
    {"Add10K", "+10KHz", nullptr, PublicList::OffOn, &P::Add10K, false},
    {"RogerBeep", "Roger", "Chan Rb", PublicList::Roger, &P::RogerBeep, true},
    {"Mode", "Mode", nullptr, PublicList::Mode, &P::Mode, true},
    {"TxPower", "Power", nullptr, PublicList::Power, &P::TxPower, true},
};

ChoiceList Positions(const std::vector<TextPair>& texts) {
    ChoiceList choices;
    for (std::size_t n = 0; n < texts.size(); ++n)
        choices.push_back({texts[n], static_cast<int>(n)});
    return choices;
}

// Off, then the numbers 1..count for which `defined` gives the number back.
template <typename Defined>
ChoiceList OffThenDefined(int count, Defined defined) {
    ChoiceList choices{{OffText(), 0}};
    for (int n = 1; n <= count; ++n)
        if (defined(n) == n) choices.push_back({Same(std::to_string(n)), n});
    return choices;
}

}  // namespace

std::span<const PublicBand> PublicBands() {
    return kBands;
}

std::span<const PublicRow> PublicRows() {
    return kRows;
}

TextPair PublicFrameCaption(const PublicBand& band) {
    return {std::string(band.FrameLead) + "Public", std::string(band.FrameLead) + "公共信道设置"};
}

const char* PublicRowCaption(const PublicRow& row, const PublicBand& band) {
    return band.Band == kBandCb && row.CbCaption != nullptr ? row.CbCaption : row.Caption;
}

bool IsPublicRowShown(const PublicRow& row, const PublicBand& band) {
    return band.Band != kBandCb || row.InCbFrame;
}

ChoiceList PublicChoices(const PublicRow& row, const ConfigRecord& config) {
    switch (row.List) {
        case PublicList::Dtmf:
            return OffThenDefined(kDtmfCodeCount,
                                  [&](int n) { return IsCodeDefined(config.Settings, n); });
        case PublicList::Roger:
            return OffThenDefined(kToneCount, [&](int n) { return IsToneDefined(config, n); });
        case PublicList::OffOn:
            return Positions({OffText(), OnText()});
        case PublicList::NbAnl:
            return Positions(NbAnlList(OffText()));
        case PublicList::Mode:
            return Positions(ModeList());
        case PublicList::Power:
            return Positions(PowerList());
    }
    return {};
}

int StoredPublicValue(const PublicRow& row, const PublicBand& band, const ConfigRecord& config) {
    return config.Settings.*band.Params.*row.Member;
}

int ShownPublicChoice(const PublicRow& row, const PublicBand& band, const ConfigRecord& config) {
    return ShownChoice(PublicChoices(row, config), StoredPublicValue(row, band, config));
}

bool StorePublicChoice(const PublicRow& row, const PublicBand& band, ConfigRecord& config,
                       int entry) {
    const ChoiceList choices = PublicChoices(row, config);
    if (entry < 0 || entry >= static_cast<int>(choices.size())) return false;
    config.Settings.*band.Params.*row.Member =
        static_cast<i16>(choices[static_cast<std::size_t>(entry)].Value);
    return true;
}

ChoiceList PublicSwitchChoices() {
    return Positions({Same("On"), Same("Off")});
}

bool SwitchBandPublic(RadioData& data, const PublicBand& band, int position) {
    i16& stored = data.Config.*band.Switch;
    if (position == stored) return false;
    for (int group = 1; group <= kGroupsPerBand[static_cast<std::size_t>(band.Band)]; ++group)
        for (int slot = 1; slot <= SlotCapacity(band.Band, group); ++slot)
            data.channel(band.Band, slot, group).PublicCh = static_cast<i16>(position);
    stored = static_cast<i16>(position);
    return true;
}

bool IsPublicBandEnabled(const PublicBand& band, bool radioOptionFlag) {
    return radioOptionFlag || band.Band == kBandCb;
}

}  // namespace kv
