// Address tables of the general and extended settings and the per-band settings, and the two
// walks over them.
#include "codec/settings_codec.h"

#include "codec/bit_layout.h"
#include "codec/setting_field.h"
#include "codec/text_rules.h"
#include "model/channel_store.h"

namespace kv {
namespace {

// Where each band keeps its per-group settings and its public parameter block.
struct BandSettingsLayout {
    std::uint32_t groupEnable;   // two bytes, one bit per regular group
    std::uint32_t groupNames;    // two bytes per regular group
    std::uint32_t workChannels;  // GroupWorkChannel − 1 of groups 1..workChannelGroups
    int workChannelGroups;
    PublicParams RadioSettings::*publicParams;
    std::uint32_t publicBlock;
};
constexpr BandSettingsLayout kBandSettings[kBandCount] = {
    {0x16460, 0x22000, 0x18007, 6, &RadioSettings::CbPublicParams, 0x18108},
    {0x16462, 0x22020, 0x1800D, 15, &RadioSettings::HfPublicParams, 0x18118},
    {0x16464, 0x22040, 0x1801C, 12, &RadioSettings::HamPublicParams, 0x18128},
};
constexpr std::uint32_t kGroupEnableBytes = 2;

constexpr SettingField kGeneralSettings[] = {
    {0x18000, &ConfigRecord::BandMode},
    {0x18001, {&RadioSettings::WorkGroup, kBandCb}, FieldRule::MinusOne},
    {0x18002, &RadioSettings::CbUseVfo},
    {0x18003, {&RadioSettings::WorkGroup, kBandHf}, FieldRule::MinusOne},
    {0x18004, &RadioSettings::HfUseVfo},
    {0x18005, {&RadioSettings::WorkGroup, kBandHam}, FieldRule::MinusOne},
    {0x18006, &RadioSettings::HamUseVfo},
};

// Six bytes from the block's address; byte 1 is not used.
constexpr BitField<PublicParams> kPublicParamFields[] = {
    {&PublicParams::HiCut, 0, 0, 1},     {&PublicParams::Echo, 0, 1, 1},
    {&PublicParams::Add10K, 0, 2, 1},    {&PublicParams::Reserved, 0, 3, 1},
    {&PublicParams::NbAnl, 0, 4, 2},     {&PublicParams::TxPower, 0, 6, 2},
    {&PublicParams::RogerBeep, 2, 0, 4}, {&PublicParams::Mode, 2, 4, 4},
    {&PublicParams::DtmfBot, 3, 0, 8},   {&PublicParams::DtmfEot, 4, 0, 8},
    {&PublicParams::DtmfCall, 5, 0, 8},
};

constexpr std::uint32_t kDtmfCodes = 0x20000;
constexpr std::uint32_t kBtDeviceName = 0x22147;

constexpr SettingField kExtendedSettings[] = {
    {0x22100, &RadioSettings::BatteryMax, FieldRule::Word},
    {0x22102, &RadioSettings::BatteryMin, FieldRule::Word},
    {0x22104, &RadioSettings::SwrLimit},
    {0x22105, &RadioSettings::ReservedSetting1},
    {0x22106, &RadioSettings::BeepLevel},
    {0x22108, &RadioSettings::MicGain},
    {0x22109, &RadioSettings::TalkBack},
    {0x2210A, &RadioSettings::Tot},
    {0x2210B, &RadioSettings::SwrProtect},
    {0x2210C, &RadioSettings::BatteryProtect},
    {0x2210D, &RadioSettings::ScanType},
    // The radio keeps only the low 16 bits of the offset.
    {0x22110, &RadioSettings::RepeaterOffset, FieldRule::Word},
    {0x22112, &RadioSettings::Squelch},
    {0x22113, &RadioSettings::AsqLevel, FieldRule::Bits, 0, 7},
    {0x22113, &RadioSettings::AsqEnabled, FieldRule::Bits, 7, 1},
    {0x22114, {&RadioSettings::DtmfParams, 0}},
    {0x22115, {&RadioSettings::DtmfParams, 1}},
    {0x22116, {&RadioSettings::DtmfParams, 2}},
    {0x22117, {&RadioSettings::DtmfParams, 3}},
    {0x22118, {&RadioSettings::DtmfParams, 4}},
    {0x22119, {&RadioSettings::DtmfParams, 5}},
    {0x2211B, &RadioSettings::MicType},
    {0x2211C, &RadioSettings::VoxLevel},
    {0x2211D, &RadioSettings::VoxDelay},
    {0x2211E, &RadioSettings::RxNr},
    {0x2211F, &RadioSettings::TxNr},
    {0x22120, &RadioSettings::Clarifier},
    {0x22121, &RadioSettings::SsbSplitRange},
    {0x22123, &RadioSettings::EchoVolume},
    {0x22124, &RadioSettings::EchoTime},
    {0x22125, &RadioSettings::VfoStep},
    {0x22126, &RadioSettings::FmDeviation},
    {0x22127, &RadioSettings::SsbTone},
    {0x22128, &RadioSettings::CwFreq, FieldRule::Word},
    {0x2212A, &RadioSettings::CwBeep},
    {0x2212B, &RadioSettings::Dim},
    {0x2212C, &RadioSettings::Agc},
    {0x2212D, &RadioSettings::Aop},
    {0x2212E, &RadioSettings::CwRxMode},
    {0x2212F, &RadioSettings::CwBreakIn},
    {0x22130, &RadioSettings::CwOffset},
    {0x22133, &RadioSettings::RfGain},
    {0x22134, &RadioSettings::VolData},
    {0x22135, &RadioSettings::BtOn},
    {0x22136, &RadioSettings::BtPttHold},
    {0x22137, &RadioSettings::BtMicGain},
    {0x22138, &RadioSettings::BtSpkGain},
    {0x22139, &RadioSettings::BtHoldTime},
    {0x2213A, &RadioSettings::BtHoldDelay},
    {0x2213B, &RadioSettings::BtIntSpk},
    {0x2213C, &RadioSettings::BtPttSleep},
    {0x2213D, &RadioSettings::KeyP1},
    {0x2213E, &RadioSettings::KeyP2},
    {0x2213F, &RadioSettings::KeyP3},
    {0x22140, &RadioSettings::KeyP4},
    {0x22141, &RadioSettings::ReservedSetting13},
    {0x22142, &RadioSettings::SaveColour},
    {0x22143, &RadioSettings::ReservedSetting14},
    {0x22144, &RadioSettings::PowerOffDisplay},
    {0x22145, &RadioSettings::HandType},
    {0x22146, &RadioSettings::PfKey},
    {0x22158, &ConfigRecord::ChVolKind},
    // The document lists the modes FM, AM, USB, LSB, CW, PA; the radio's bits run FM .. LSB, PA,
    // CW.
    {0x22159, {&ConfigRecord::ModeEnable, 0}, FieldRule::Bits, 0, 1},
    {0x22159, {&ConfigRecord::ModeEnable, 1}, FieldRule::Bits, 1, 1},
    {0x22159, {&ConfigRecord::ModeEnable, 2}, FieldRule::Bits, 2, 1},
    {0x22159, {&ConfigRecord::ModeEnable, 3}, FieldRule::Bits, 3, 1},
    {0x22159, {&ConfigRecord::ModeEnable, 4}, FieldRule::Bits, 5, 1},
    {0x22159, {&ConfigRecord::ModeEnable, 5}, FieldRule::Bits, 4, 1},
};

std::uint32_t Offset(int index, std::uint32_t size) {
    return size * static_cast<std::uint32_t>(index);
}

SettingField WorkChannelField(int band, int group) {
    return {kBandSettings[band].workChannels + Offset(group - 1, 1),
            {&RadioSettings::GroupWorkChannel, band, group},
            FieldRule::MinusOne};
}

}  // namespace

void EncodeSettings(const ConfigRecord& config, MemoryImage& image) {
    const RadioSettings& settings = config.Settings;
    for (int band = 0; band < kBandCount; ++band) {
        const auto& layout = kBandSettings[band];
        for (std::uint32_t i = 0; i < kGroupEnableBytes; ++i)
            image.put(layout.groupEnable + i, 0x00);
        for (int g = 1; g <= kRegularGroupsPerBand[band]; ++g)
            OrMapBit(image, layout.groupEnable, g - 1, settings.GroupValid(band, g));
    }
    for (int band = 0; band < kBandCount; ++band)
        for (int g = 1; g <= kRegularGroupsPerBand[band]; ++g)
            EncodeGroupName(settings.GroupName(band, g), image,
                            kBandSettings[band].groupNames + Offset(g - 1, kGroupNameBytes));
    for (const auto& field : kGeneralSettings) EncodeField(field, config, image);
    for (int band = 0; band < kBandCount; ++band)
        for (int g = 1; g <= kBandSettings[band].workChannelGroups; ++g)
            EncodeField(WorkChannelField(band, g), config, image);
    for (const auto& layout : kBandSettings)
        PackFields<PublicParams>(kPublicParamFields, settings.*layout.publicParams, image,
                                 layout.publicBlock);
    for (int m = 0; m < kDtmfCodeCount; ++m)
        EncodeDtmfCode(settings.DtmfCodes[m], image, kDtmfCodes + Offset(m, kDtmfCodeBytes));
    for (const auto& field : kExtendedSettings) EncodeField(field, config, image);
    EncodeBtDeviceName(settings.BtDeviceName, image, kBtDeviceName);
}

void DecodeSettings(const MemoryImage& image, ConfigRecord& config) {
    RadioSettings& settings = config.Settings;
    for (int band = 0; band < kBandCount; ++band)
        for (int g = 1; g <= kRegularGroupsPerBand[band]; ++g)
            settings.GroupValid(band, g) =
                static_cast<i16>(GetMapBit(image, kBandSettings[band].groupEnable, g - 1));
    for (int band = 0; band < kBandCount; ++band)
        for (int g = 1; g <= kRegularGroupsPerBand[band]; ++g)
            settings.GroupName(band, g) = DecodeGroupName(
                image, kBandSettings[band].groupNames + Offset(g - 1, kGroupNameBytes));
    for (const auto& field : kGeneralSettings) DecodeField(field, image, config);
    for (int band = 0; band < kBandCount; ++band)
        for (int g = 1; g <= kBandSettings[band].workChannelGroups; ++g)
            DecodeField(WorkChannelField(band, g), image, config);
    for (const auto& layout : kBandSettings)
        UnpackFields<PublicParams>(kPublicParamFields, image, layout.publicBlock,
                                   settings.*layout.publicParams);
    for (int m = 0; m < kDtmfCodeCount; ++m)
        settings.DtmfCodes[m] = DecodeDtmfCode(image, kDtmfCodes + Offset(m, kDtmfCodeBytes));
    for (const auto& field : kExtendedSettings) DecodeField(field, image, config);
    settings.BtDeviceName = DecodeBtDeviceName(image, kBtDeviceName);
}

}  // namespace kv
