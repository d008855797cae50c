// Values the editors never produce must still not corrupt the image: a value wider than its
// field stays in its field, a byte member stays in its byte, an empty reference or a "minus one"
// member of 0 gets a defined byte, and a channel number outside its group writes nothing.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "codec/image_codec.h"
#include "codec_fixtures.h"

namespace kv {
namespace {

using test::Append;
using test::ByteRun;
using test::MakeChannel;

struct Mend {
    const char* name;
    std::function<void(RadioData&)> build;
    std::vector<ByteRun> bytes;
};

// HF group 1 channel 1 lives at 0x4000: option bytes 0x4004 to 0x400D, bytes 14 and 15 unused.
ChannelRecord& Channel(RadioData& d) {
    return Append(d, kBandHf, 1, MakeChannel(1, "28000000"));
}

std::vector<Mend> Mends() {
    return {
        {"HiCut 3 leaves Echo clear",
         [](RadioData& d) { Channel(d).HiCut = 3; },
         {{0x4008, {0x01}}}},
        {"NbAnl 7 leaves TxPower clear",
         [](RadioData& d) { Channel(d).NbAnl = 7; },
         {{0x4008, {0x30}}}},
        {"TxPower 5 stays in bits 6 and 7",
         [](RadioData& d) { Channel(d).TxPower = 5; },
         {{0x4008, {0x40}}, {0x4009, {0x00}}}},
        {"RepShift 6 leaves the tone types clear",
         [](RadioData& d) { Channel(d).RepShift = 6; },
         {{0x4009, {0x02}}}},
        {"RxToneType 7 leaves bit 7 to PublicCh",
         [](RadioData& d) { Channel(d).RxToneType = 7; },
         {{0x4009, {0x70}}, {0x400A, {0x00}}}},
        {"RogerBeep 0x1F leaves MemMode clear",
         [](RadioData& d) { Channel(d).RogerBeep = 0x1F; },
         {{0x400A, {0x0F}}}},
        {"MemMode 0x12 stays in the high nibble",
         [](RadioData& d) { Channel(d).MemMode = 0x12; },
         {{0x400A, {0x20}}, {0x400B, {0x00}}}},
        {"TxCtcss 300 keeps its low byte",
         [](RadioData& d) { Channel(d).TxCtcss = 300; },
         {{0x4006, {0x2C, 0x00}}}},
        {"DtmfCall 0x1FF leaves byte 14 clear",
         [](RadioData& d) { Channel(d).DtmfCall = 0x1FF; },
         {{0x400D, {0xFF, 0x00}}}},
        {"MemChNo 0 is an empty reference",
         [](RadioData& d) { d.Store.cbMem(3).MemChNo = 0; },
         {{0x10602, {0xFF}}}},
        {"GroupWorkChannel 0 is written as 0",
         [](RadioData& d) { d.Config.Settings.GroupWorkChannel(kBandHf, 1) = 0; },
         {{0x1800D, {0x00}}}},
        {"AsqLevel 200 leaves AsqEnabled clear",
         [](RadioData& d) { d.Config.Settings.AsqLevel = 200; },
         {{0x22113, {0x48}}}},
        {"MicGain 0x1FF leaves TalkBack clear",
         [](RadioData& d) { d.Config.Settings.MicGain = 0x1FF; },
         {{0x22108, {0xFF, 0x00}}}},
        {"RepeaterOffset 0x12345 keeps its low 16 bits",
         [](RadioData& d) { d.Config.Settings.RepeaterOffset = 0x12345; },
         {{0x22110, {0x45, 0x23, 0x00}}}},
        {"public NbAnl 5 and Mode 17 stay in their bits",
         [](RadioData& d) {
             d.Config.Settings.CbPublicParams.NbAnl = 5;
             d.Config.Settings.CbPublicParams.Mode = 17;
         },
         {{0x18108, {0x10, 0x00, 0x10}}}},
        {"ModeEnable FM 2 leaves AM clear",
         [](RadioData& d) { d.Config.ModeEnable[0] = 2; },
         {{0x22159, {0x00}}}},
        {"GroupValid 2 leaves the next group disabled",
         [](RadioData& d) { d.Config.Settings.GroupValid(kBandCb, 1) = 2; },
         {{0x16460, {0x00}}}},
        {"weather WxScan 2 leaves the next channel's bit clear",
         [](RadioData& d) {
             d.Config.Settings.WeatherChannels[0] = {
                 .WxInUse = 1, .WxFrequency = 162.4, .WxScan = 2};
         },
         {{0x22064, {0x00}}}},
        {"a negative weather frequency is an empty slot",
         [](RadioData& d) {
             d.Config.Settings.WeatherChannels[0] = {.WxInUse = 1, .WxFrequency = -1.0};
         },
         {{0x1C000, {0xFF, 0xFF, 0xFF, 0xFF}}}},
        {"a frequency with a point is an empty slot",
         [](RadioData& d) { Append(d, kBandHf, 1, MakeChannel(1, "28.01500")); },
         {{0x4000, {0xFF, 0xFF, 0xFF, 0xFF}}}},
    };
}

TEST(ImageCodec, MasksEveryValueToItsField) {
    for (const auto& mend : Mends()) {
        SCOPED_TRACE(mend.name);
        auto data = test::NewData();
        mend.build(*data);
        auto image = test::NewImage();
        EncodeImage(*data, *image);
        test::ExpectBytes(*image, mend.bytes);
    }
}

// Channel numbers that would address a neighbouring group, and counts beyond a group's slots,
// write exactly what the document without them writes.
TEST(ImageCodec, SkipsChannelsOutsideTheirGroup) {
    auto plain = test::NewData();
    Append(*plain, kBandHf, 2, MakeChannel(1, "28100000"));
    auto withStrays = std::make_unique<RadioData>(*plain);
    for (const int chNo : {0, -3, 41, 32767})
        Append(*withStrays, kBandHf, 1, MakeChannel(chNo, "29000000"));
    Append(*withStrays, kBandCb, 3, MakeChannel(81, "27000000"));
    Append(*withStrays, kBandHf, 16, MakeChannel(100, "28000000"));
    Append(*withStrays, kBandHam, 12, MakeChannel(41, "28000000"));
    withStrays->channelCount(kBandCb, 1) = 32767;

    auto expected = test::NewImage();
    EncodeImage(*plain, *expected);
    // Unused slots of CB group 1 hold ChNo 0, so the huge count adds nothing either.
    auto image = test::NewImage();
    EncodeImage(*withStrays, *image);
    EXPECT_TRUE(*image == *expected);
}

// An image from a radio is untrusted: any bytes decode into counts within each group's slots
// and channels in ascending number order.
TEST(ImageCodec, DecodesArbitraryBytesWithinTheStore) {
    std::mt19937 engine(7);
    auto image = test::NewImage();
    for (std::size_t i = 0; i < MemoryImage::size(); ++i)
        image->put(static_cast<std::uint32_t>(i), static_cast<std::uint8_t>(engine()));
    // Frequencies of valid digits in every slot of the channel regions, so channels survive.
    for (std::uint32_t a = 0; a < 0x16000; a += 16)
        for (std::uint32_t i = 0; i < 4; ++i) image->put(a + i, 0x28);

    auto data = test::NewData();
    DecodeImage(*image, *data);
    int decoded = 0;
    for (int band = 0; band < kBandCount; ++band)
        for (int g = 1; g <= kGroupsPerBand[band]; ++g) {
            const int count = data->channelCount(band, g);
            ASSERT_LE(count, SlotCapacity(band, g));
            decoded += count;
            for (int s = 2; s <= count; ++s)
                EXPECT_LT(data->channel(band, s - 1, g).ChNo, data->channel(band, s, g).ChNo);
        }
    EXPECT_GT(decoded, 0);
}

}  // namespace
}  // namespace kv
