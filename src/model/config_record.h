// The configuration record: everything the document holds besides the channel store, members in
// the order and widths of the 2885-byte data file record. Arrays that count from 1 in the editors
// (DTMF codes 1..16, tones 1..8, weather channels 1..41, DtmfParams 1..6, ReservedTable 1..12) are
// held 0-based here: number n is element [n − 1]. EmgBlock, DwBlock and MemKeyBlock are numbered
// from 0 already.
#pragma once

#include <array>
#include <cstdint>

#include "model/fixed_text.h"
#include "model/group_arrays.h"

namespace kv {

using i16 = std::int16_t;
using u8 = std::uint8_t;

struct RadioIdentity {
    FixedText<7> IdentModel;       // "TALVEN5"
    i16 IdentCode = 0;             // 248
    i16 IdentRangeClass = 0;       // 0 when the band range text is the HF one, else 1
    FixedText<8> IdentDate;        // YYYYMMDD of the new document
    FixedText<5> IdentVersion;     // "V2.00"
    FixedText<6> IdentModelShort;  // first six characters of the model identifier
    i16 IdentRangeClass2 = 0;
    i16 IdentLetter = 0;  // 67, "C"

    bool operator==(const RadioIdentity&) const = default;
};

// Eleven values in the order of the data file.
struct PublicParams {
    i16 HiCut = 0;
    i16 NbAnl = 0;
    i16 TxPower = 0;
    i16 Echo = 0;
    i16 Add10K = 0;
    i16 Reserved = 0;
    i16 RogerBeep = 0;
    i16 DtmfBot = 0;
    i16 DtmfEot = 0;
    i16 DtmfCall = 0;
    i16 Mode = 0;

    bool operator==(const PublicParams&) const = default;
};

struct WeatherRecord {
    i16 WxInUse = 0;
    double WxFrequency = 0.0;  // MHz
    i16 WxOption = 0;          // kept in the document only
    i16 WxBandwidth = 0;
    i16 WxScan = 0;

    bool operator==(const WeatherRecord&) const = default;
};

struct ToneStep {
    i16 ToneFreq = 0;
    i16 ToneTime = 0;

    bool operator==(const ToneStep&) const = default;
};

struct ToneRecord {
    std::array<ToneStep, 14> Steps{};  // steps 1..14
    i16 ToneRepeat = 0;
    i16 ToneInterval = 0;

    bool operator==(const ToneRecord&) const = default;
};

inline constexpr int kWeatherCount = 41;
inline constexpr int kDtmfCodeCount = 16;
inline constexpr int kToneCount = 8;

struct RadioSettings {
    PerBand<i16> WorkGroup{};  // 1-based group the radio works in, per band
    i16 CbUseVfo = 0;
    i16 HfUseVfo = 0;
    i16 HamUseVfo = 0;
    PerGroup<i16> GroupWorkChannel;
    PublicParams CbPublicParams;
    PublicParams HfPublicParams;
    PublicParams HamPublicParams;
    i16 BtOn = 0;
    i16 BtPttHold = 0;
    i16 BtMicGain = 0;
    i16 BtSpkGain = 0;
    i16 BtHoldTime = 0;
    i16 BtHoldDelay = 0;
    i16 BtIntSpk = 0;
    i16 BtPttSleep = 0;
    i16 WxOnOff = 0;
    i16 WxCurrentChannel = 0;
    i16 WxAlert = 0;
    i16 WxScanState = 0;
    i16 WxVfo = 0;
    i16 WxStep = 0;
    i16 WxSql = 0;
    std::array<WeatherRecord, kWeatherCount> WeatherChannels{};
    PerGroup<i16> GroupValid;
    PerGroup<FixedText<2>> GroupName;
    PerGroupPair<i16> GroupRefChannelA;
    i16 BatteryMin = 0;
    i16 BatteryMax = 0;
    i16 SwrLimit = 0;
    i16 ReservedSetting1 = 0;
    u8 RxNr = 0;
    u8 TxNr = 0;
    i16 BeepLevel = 0;
    i16 ReservedSetting2 = 0;
    i16 MicGain = 0;
    i16 TalkBack = 0;
    i16 Tot = 0;
    i16 SwrProtect = 0;
    i16 BatteryProtect = 0;
    i16 ScanType = 0;
    i16 ReservedSetting3 = 0;
    i16 Clarifier = 0;
    u8 ReservedSetting4 = 0;
    i16 AsqLevel = 0;
    i16 Squelch = 0;
    i16 ReservedSetting5 = 0;
    u8 VoxLevel = 0;
    u8 VoxDelay = 0;
    i16 SsbSplitRange = 0;
    std::int32_t RepeaterOffset = 0;  // MHz × 10000
    i16 ReservedSetting6 = 0;
    u8 MicType = 0;
    u8 ReservedSetting7 = 0;
    u8 EchoVolume = 0;
    u8 EchoTime = 0;
    u8 VfoStep = 0;
    u8 CwFreq = 0;  // units of 10 Hz
    u8 CwBeep = 0;
    u8 Dim = 0;
    u8 Agc = 0;
    i16 Aop = 0;
    i16 CwRxMode = 0;
    u8 CwBreakIn = 0;
    u8 CwOffset = 0;
    u8 RfGain = 0;
    u8 VolData = 0;
    i16 AsqEnabled = 0;
    i16 ReservedSetting8 = 0;
    i16 ReservedSetting9 = 0;
    i16 ReservedSetting10 = 0;
    i16 ReservedSetting11 = 0;
    i16 ReservedSetting12 = 0;
    PerGroupPair<i16> GroupRefChannelB;
    PerGroup<i16> GroupSpareValue;
    std::array<i16, 6> DtmfParams{};
    std::array<FixedText<16>, kDtmfCodeCount> DtmfCodes{};
    i16 FmDeviation = 0;
    i16 SsbTone = 0;
    i16 KeyP1 = 0;
    i16 KeyP2 = 0;
    i16 KeyP3 = 0;
    i16 KeyP4 = 0;
    i16 ReservedSetting13 = 0;
    i16 SaveColour = 0;
    i16 ReservedSetting14 = 0;
    i16 PowerOffDisplay = 0;
    i16 HandType = 0;
    i16 PfKey = 0;
    FixedText<16> BtDeviceName;

    bool operator==(const RadioSettings&) const = default;
};

struct ConfigRecord {
    FixedText<4> FileVersion;  // "V100"
    i16 BandMode = 0;          // 0 CB, 1 HF, 2 HAM
    PerBand<i16> CurrentGroup{};
    PerGroup<i16> GroupCurrentChannel;
    PerGroup<i16> ChannelCount;  // used slots per group of the channel store
    RadioIdentity Identity;
    RadioSettings Settings;
    std::array<i16, 36> EmgBlock{};
    std::array<i16, 18> DwBlock{};
    std::array<i16, 16> MemKeyBlock{};
    std::array<ToneRecord, kToneCount> ToneTable{};
    std::array<i16, 12> ReservedTable{};
    std::array<u8, 7> ReservedBytes{};
    std::array<i16, 6> ModeEnable{};  // FM, AM, USB, LSB, CW, PA
    i16 ChVolKind = 0;
    i16 CbPublic = 0;  // 0 "On", 1 "Off"
    i16 HfPublic = 0;
    i16 HamPublic = 0;

    bool operator==(const ConfigRecord&) const = default;
};

}  // namespace kv
