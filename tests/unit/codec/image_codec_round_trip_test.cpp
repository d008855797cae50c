// Random documents survive an encode followed by a decode in every field the image carries, and
// the decode leaves every member the image does not carry as the target document held it.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

#include "codec/image_codec.h"
#include "codec_fixtures.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    int in(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    i16 byte() { return static_cast<i16>(in(0, 255)); }
    i16 bit() { return static_cast<i16>(in(0, 1)); }
    i16 any() { return static_cast<i16>(in(-32768, 32767)); }
    // Texts as the decoder hands them back: no NUL, no 0xFF, blank-padded.
    template <std::size_t N>
    FixedText<N> text(std::size_t minLength) {
        std::string s(static_cast<std::size_t>(in(static_cast<int>(minLength), N)), ' ');
        for (char& c : s) c = static_cast<char>(in(0, 1) ? in(0x21, 0x7E) : in(0x80, 0xFE));
        return FixedText<N>(s);
    }
    std::string digits(int count) {
        std::string s;
        for (int i = 0; i < count; ++i) s.push_back(static_cast<char>('0' + in(0, 9)));
        return s;
    }
    std::vector<int> sortedNumbers(int count, int max) {
        std::vector<int> all(static_cast<std::size_t>(max));
        std::iota(all.begin(), all.end(), 1);
        std::shuffle(all.begin(), all.end(), engine_);
        all.resize(static_cast<std::size_t>(count));
        std::sort(all.begin(), all.end());
        return all;
    }
    std::mt19937& engine() { return engine_; }

private:
    std::mt19937 engine_;
};

// Every field of a channel record; those the slot carries within their bit widths.
void FillChannel(Random& r, ChannelRecord& ch) {
    ch.ChNo = r.any();
    ch.InUse = r.bit();
    ch.ScanAdd = r.bit();
    ch.RxFreqText.assign(r.digits(8));
    ch.TxFreqText.assign(r.digits(8));
    ch.Reserved6 = r.any();
    ch.Reserved7 = r.any();
    ch.Reserved11 = r.any();
    ch.MemBand = r.any();
    ch.MemChNo = r.any();
    for (auto m : {&ChannelRecord::TxCtcss, &ChannelRecord::TxDcs, &ChannelRecord::RxCtcss,
                   &ChannelRecord::RxDcs, &ChannelRecord::DtmfBot, &ChannelRecord::DtmfEot,
                   &ChannelRecord::DtmfCall})
        ch.*m = r.byte();
    for (auto m : {&ChannelRecord::HiCut, &ChannelRecord::Echo, &ChannelRecord::Add10K,
                   &ChannelRecord::Busy, &ChannelRecord::PublicCh})
        ch.*m = r.bit();
    for (auto m : {&ChannelRecord::NbAnl, &ChannelRecord::RepShift, &ChannelRecord::TxToneType,
                   &ChannelRecord::RxToneType, &ChannelRecord::TxPower})
        ch.*m = static_cast<i16>(r.in(0, 3));
    ch.MemMode = static_cast<i16>(r.in(0, 15));
    ch.RogerBeep = static_cast<i16>(r.in(0, 15));
}

void FillChannels(Random& r, RadioData& d) {
    for (auto& band : d.Store.Channels)
        for (auto& slot : band)
            for (auto& record : slot) FillChannel(r, record);
    for (int band = 0; band < kBandCount; ++band)
        for (int g = 1; g <= kGroupsPerBand[band]; ++g) {
            // Only channels with presence bits come back; the VFO always holds one, numbered 1.
            const bool vfo = IsVfoGroup(band, g);
            const int numbers = vfo ? 1 : IsMemGroup(band, g) ? kMaxSlot : 40;
            const int count = vfo ? 1 : r.in(0, numbers);
            const auto chNos = r.sortedNumbers(count, numbers);
            d.channelCount(band, g) = static_cast<i16>(count);
            for (int s = 1; s <= count; ++s) {
                auto& ch = d.channel(band, s, g);
                ch.ChNo = static_cast<i16>(chNos[static_cast<std::size_t>(s - 1)]);
                ch.InUse = 1;
            }
        }
    for (int n = 1; n <= kCbMemCount; ++n) {
        auto& mem = d.Store.cbMem(n);
        FillChannel(r, mem);
        mem.ChNo = static_cast<i16>(n);
        if (mem.RxFreqText.raw() == "00000000") mem.RxFreqText.assign("00000001");
        // 254 would read back as 255, the empty mark.
        mem.MemChNo = static_cast<i16>(r.in(0, 3) == 0 ? 255 : r.in(1, 254));
        mem.MemBand = r.byte();
    }
}

void FillSettings(Random& r, ConfigRecord& c) {
    RadioSettings& s = c.Settings;
    c.FileVersion = r.text<4>(0);
    c.BandMode = r.byte();
    c.ChVolKind = r.byte();
    for (auto& v : c.CurrentGroup) v = r.any();
    for (auto& v : c.GroupCurrentChannel.values) v = r.any();
    c.Identity.IdentModel = r.text<7>(0);
    c.Identity.IdentCode = r.any();
    for (auto& v : c.ReservedTable) v = r.any();
    for (auto& v : c.ReservedBytes) v = static_cast<u8>(r.byte());
    for (auto& v : c.ModeEnable) v = r.bit();
    for (auto m : {&ConfigRecord::CbPublic, &ConfigRecord::HfPublic, &ConfigRecord::HamPublic})
        c.*m = r.any();
    for (auto& v : c.EmgBlock) v = r.byte();
    for (auto& v : c.DwBlock) v = r.byte();
    c.DwBlock[12] = static_cast<i16>(r.in(0, 14));
    c.DwBlock[15] = static_cast<i16>(r.in(0, 11));
    for (auto& v : c.MemKeyBlock) v = r.byte();
    for (auto& tone : c.ToneTable) {
        tone.ToneRepeat = r.byte();
        tone.ToneInterval = r.byte();
        for (auto& step : tone.Steps) step = {r.byte(), r.byte()};
    }

    for (auto& v : s.WorkGroup) v = static_cast<i16>(r.in(1, 256));
    for (auto& v : s.GroupWorkChannel.values) v = static_cast<i16>(r.in(1, 256));
    for (auto& v : s.GroupValid.values) v = r.bit();
    for (auto& v : s.GroupName.values) v = r.text<2>(1);
    for (auto& v : s.GroupRefChannelA.values) v = r.any();
    for (auto& v : s.GroupRefChannelB.values) v = r.any();
    for (auto& v : s.GroupSpareValue.values) v = r.any();
    for (auto m : {&RadioSettings::CbPublicParams, &RadioSettings::HfPublicParams,
                   &RadioSettings::HamPublicParams}) {
        PublicParams& p = s.*m;
        p = {r.bit(),
             static_cast<i16>(r.in(0, 3)),
             static_cast<i16>(r.in(0, 3)),
             r.bit(),
             r.bit(),
             r.bit(),
             static_cast<i16>(r.in(0, 15)),
             r.byte(),
             r.byte(),
             r.byte(),
             static_cast<i16>(r.in(0, 15))};
    }
    for (auto m : {&RadioSettings::CbUseVfo,
                   &RadioSettings::HfUseVfo,
                   &RadioSettings::HamUseVfo,
                   &RadioSettings::BtOn,
                   &RadioSettings::BtPttHold,
                   &RadioSettings::BtMicGain,
                   &RadioSettings::BtSpkGain,
                   &RadioSettings::BtHoldTime,
                   &RadioSettings::BtHoldDelay,
                   &RadioSettings::BtIntSpk,
                   &RadioSettings::BtPttSleep,
                   &RadioSettings::WxOnOff,
                   &RadioSettings::WxCurrentChannel,
                   &RadioSettings::WxAlert,
                   &RadioSettings::WxScanState,
                   &RadioSettings::WxVfo,
                   &RadioSettings::WxStep,
                   &RadioSettings::WxSql,
                   &RadioSettings::SwrLimit,
                   &RadioSettings::ReservedSetting1,
                   &RadioSettings::BeepLevel,
                   &RadioSettings::MicGain,
                   &RadioSettings::TalkBack,
                   &RadioSettings::Tot,
                   &RadioSettings::SwrProtect,
                   &RadioSettings::BatteryProtect,
                   &RadioSettings::ScanType,
                   &RadioSettings::Clarifier,
                   &RadioSettings::Squelch,
                   &RadioSettings::SsbSplitRange,
                   &RadioSettings::Aop,
                   &RadioSettings::CwRxMode,
                   &RadioSettings::FmDeviation,
                   &RadioSettings::SsbTone,
                   &RadioSettings::KeyP1,
                   &RadioSettings::KeyP2,
                   &RadioSettings::KeyP3,
                   &RadioSettings::KeyP4,
                   &RadioSettings::ReservedSetting13,
                   &RadioSettings::SaveColour,
                   &RadioSettings::ReservedSetting14,
                   &RadioSettings::PowerOffDisplay,
                   &RadioSettings::HandType,
                   &RadioSettings::PfKey})
        s.*m = r.byte();
    for (auto m : {&RadioSettings::RxNr, &RadioSettings::TxNr, &RadioSettings::VoxLevel,
                   &RadioSettings::VoxDelay, &RadioSettings::MicType, &RadioSettings::EchoVolume,
                   &RadioSettings::EchoTime, &RadioSettings::VfoStep, &RadioSettings::CwFreq,
                   &RadioSettings::CwBeep, &RadioSettings::Dim, &RadioSettings::Agc,
                   &RadioSettings::CwBreakIn, &RadioSettings::CwOffset, &RadioSettings::RfGain,
                   &RadioSettings::VolData, &RadioSettings::ReservedSetting4,
                   &RadioSettings::ReservedSetting7})
        s.*m = static_cast<u8>(r.byte());
    for (auto m :
         {&RadioSettings::BatteryMin, &RadioSettings::BatteryMax, &RadioSettings::ReservedSetting2,
          &RadioSettings::ReservedSetting3, &RadioSettings::ReservedSetting5,
          &RadioSettings::ReservedSetting6, &RadioSettings::ReservedSetting8,
          &RadioSettings::ReservedSetting9, &RadioSettings::ReservedSetting10,
          &RadioSettings::ReservedSetting11, &RadioSettings::ReservedSetting12})
        s.*m = r.any();
    s.RepeaterOffset = r.in(0, 65535);
    s.AsqLevel = static_cast<i16>(r.in(0, 127));
    s.AsqEnabled = r.bit();
    for (auto& v : s.DtmfParams) v = r.byte();
    for (auto& code : s.DtmfCodes) {
        std::string digits(static_cast<std::size_t>(r.in(0, 16)), ' ');
        for (char& ch : digits) ch = "0123456789ABCD*#"[r.in(0, 15)];
        if (digits.size() < 16) digits.push_back('\0');
        code.assign(digits);
    }
    s.BtDeviceName = r.text<16>(0);
    for (auto& wx : s.WeatherChannels)
        wx = {r.bit(), r.in(0, 99999999) / 100000.0, r.bit(), r.bit(), r.bit()};
    s.WeatherChannels[kWeatherCount - 1].WxInUse = 1;
}

std::unique_ptr<RadioData> RandomData(unsigned seed) {
    Random r(seed);
    auto d = test::NewData();
    FillChannels(r, *d);
    FillSettings(r, d->Config);
    return d;
}

void CopyCarriedChannelFields(const ChannelRecord& from, ChannelRecord& to) {
    const ChannelRecord kept = to;
    to = from;
    to.TxFreqText = kept.TxFreqText;
    to.Reserved6 = kept.Reserved6;
    to.Reserved7 = kept.Reserved7;
    to.Reserved11 = kept.Reserved11;
    to.MemBand = kept.MemBand;
    to.MemChNo = kept.MemChNo;
}

// What decoding the source's image into the target must give: the source's carried fields, the
// target's everything else.
std::unique_ptr<RadioData> Expected(const RadioData& source, const RadioData& target) {
    auto e = std::make_unique<RadioData>(target);
    ClearChannels(*e);
    for (int band = 0; band < kBandCount; ++band)
        for (int g = 1; g <= kGroupsPerBand[band]; ++g)
            for (int s = 1; s <= source.channelCount(band, g); ++s)
                CopyCarriedChannelFields(source.channel(band, s, g), e->channel(band, s, g));
    for (int n = 1; n <= kCbMemCount; ++n) {
        const ChannelRecord& from = source.Store.cbMem(n);
        ChannelRecord& to = e->Store.cbMem(n);
        if (from.InUse == 1) CopyCarriedChannelFields(from, to);
        to.MemChNo = from.MemChNo;
        if (n >= 65 && n <= 80) to.MemBand = from.MemBand;
    }

    const ConfigRecord& t = target.Config;
    ConfigRecord& c = e->Config;
    c = source.Config;
    c.FileVersion = t.FileVersion;
    c.CurrentGroup = t.CurrentGroup;
    c.GroupCurrentChannel = t.GroupCurrentChannel;
    c.Identity = t.Identity;
    c.ReservedTable = t.ReservedTable;
    c.ReservedBytes = t.ReservedBytes;
    c.CbPublic = t.CbPublic;
    c.HfPublic = t.HfPublic;
    c.HamPublic = t.HamPublic;

    RadioSettings& s = c.Settings;
    const RadioSettings& ts = t.Settings;
    s.GroupRefChannelA = ts.GroupRefChannelA;
    s.GroupRefChannelB = ts.GroupRefChannelB;
    s.GroupSpareValue = ts.GroupSpareValue;
    for (auto m : {&RadioSettings::ReservedSetting2, &RadioSettings::ReservedSetting3,
                   &RadioSettings::ReservedSetting5, &RadioSettings::ReservedSetting6,
                   &RadioSettings::ReservedSetting8, &RadioSettings::ReservedSetting9,
                   &RadioSettings::ReservedSetting10, &RadioSettings::ReservedSetting11,
                   &RadioSettings::ReservedSetting12})
        s.*m = ts.*m;
    // The name comes back NUL-padded, as the image holds it.
    // Padded with blanks as the data file pads texts; NULs when the name ends in a blank.
    const std::string name = source.Config.Settings.BtDeviceName.trimmed();
    s.BtDeviceName.assignPadded(name, !name.empty() && name.back() == ' ' ? '\0' : ' ');
    s.ReservedSetting4 = ts.ReservedSetting4;
    s.ReservedSetting7 = ts.ReservedSetting7;
    const int workChannelGroups[kBandCount] = {6, 15, 12};
    for (int band = 0; band < kBandCount; ++band)
        for (int g = 1; g <= kMaxGroup; ++g) {
            if (g > kRegularGroupsPerBand[band]) {
                s.GroupValid(band, g) = ts.GroupValid(band, g);
                s.GroupName(band, g) = ts.GroupName(band, g);
            }
            if (g > workChannelGroups[band])
                s.GroupWorkChannel(band, g) = ts.GroupWorkChannel(band, g);
        }
    for (int i = 0; i < kWeatherCount; ++i) {
        WeatherRecord& wx = s.WeatherChannels[i];
        const WeatherRecord& twx = ts.WeatherChannels[i];
        wx.WxOption = twx.WxOption;
        if (i == kWeatherCount - 1) wx.WxScan = twx.WxScan;
        if (wx.WxInUse != 1) wx = {0, twx.WxFrequency, twx.WxOption, twx.WxBandwidth, 0};
    }
    // The transmit texts are not carried: they follow the radio's rule from what was.
    SetTransmitTexts(*e);
    return e;
}

std::string Where(int band, int group, int slot) {
    return "band " + std::to_string(band) + " group " + std::to_string(group) + " slot " +
           std::to_string(slot);
}

void ExpectSameData(const RadioData& want, const RadioData& got) {
    for (int band = 0; band < kBandCount; ++band)
        for (int g = 1; g <= kMaxGroup; ++g) {
            EXPECT_EQ(want.channelCount(band, g), got.channelCount(band, g)) << Where(band, g, 0);
            for (int s = 1; s <= kMaxSlot; ++s)
                EXPECT_EQ(want.channel(band, s, g), got.channel(band, s, g)) << Where(band, g, s);
        }
    for (int n = 1; n <= kCbMemCount; ++n)
        EXPECT_EQ(want.Store.cbMem(n), got.Store.cbMem(n)) << "memory " << n;

    const ConfigRecord& w = want.Config;
    const ConfigRecord& g = got.Config;
    EXPECT_EQ(w.BandMode, g.BandMode);
    EXPECT_EQ(w.ModeEnable, g.ModeEnable);
    EXPECT_EQ(w.ChVolKind, g.ChVolKind);
    EXPECT_EQ(w.EmgBlock, g.EmgBlock);
    EXPECT_EQ(w.DwBlock, g.DwBlock);
    EXPECT_EQ(w.MemKeyBlock, g.MemKeyBlock);
    for (int t = 0; t < kToneCount; ++t) EXPECT_EQ(w.ToneTable[t], g.ToneTable[t]) << "tone " << t;

    const RadioSettings& ws = w.Settings;
    const RadioSettings& gs = g.Settings;
    EXPECT_EQ(ws.WorkGroup, gs.WorkGroup);
    EXPECT_EQ(ws.GroupWorkChannel, gs.GroupWorkChannel);
    EXPECT_EQ(ws.GroupValid, gs.GroupValid);
    EXPECT_EQ(ws.GroupName, gs.GroupName);
    EXPECT_EQ(ws.CbPublicParams, gs.CbPublicParams);
    EXPECT_EQ(ws.HfPublicParams, gs.HfPublicParams);
    EXPECT_EQ(ws.HamPublicParams, gs.HamPublicParams);
    for (int m = 0; m < kDtmfCodeCount; ++m)
        EXPECT_EQ(ws.DtmfCodes[m].raw(), gs.DtmfCodes[m].raw()) << "DTMF code " << m + 1;
    EXPECT_EQ(ws.BtDeviceName.raw(), gs.BtDeviceName.raw());
    for (int i = 0; i < kWeatherCount; ++i)
        EXPECT_EQ(ws.WeatherChannels[i], gs.WeatherChannels[i]) << "weather channel " << i + 1;
    EXPECT_EQ(ws.RepeaterOffset, gs.RepeaterOffset);
    EXPECT_EQ(ws.CwFreq, gs.CwFreq);
    // Everything else, the single-byte settings and the untouched members among them.
    EXPECT_EQ(ws, gs);
    EXPECT_EQ(w, g);
}

TEST(ImageCodec, RandomDocumentsSurviveEncodeAndDecode) {
    const CodecOptions locales[] = {{"409", &Windows1252()}, {"407", &Windows1252()}};
    for (unsigned seed = 1; seed <= 6; ++seed) {
        const CodecOptions& options = locales[seed % 2];
        SCOPED_TRACE("seed " + std::to_string(seed) + " locale " + options.SystemLocaleHex);
        const auto source = RandomData(seed);
        auto decoded = RandomData(seed + 1000);
        const auto expected = Expected(*source, *decoded);

        auto image = test::NewImage();
        EncodeImage(*source, *image, options);
        DecodeImage(*image, *decoded, options);
        ExpectSameData(*expected, *decoded);
    }
}

}  // namespace
}  // namespace kv
