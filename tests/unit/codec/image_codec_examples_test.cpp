// The radio's documented byte examples: each case builds a small document, encodes it into a
// cleared image, checks the bytes at their addresses and, where the example is about reading,
// decodes the image (optionally changed first) into a fresh document.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "codec/image_codec.h"
#include "codec_fixtures.h"

namespace kv {
namespace {

using test::Append;
using test::ByteRun;
using test::MakeChannel;

struct Example {
    const char* name;
    std::function<void(RadioData&)> build;
    std::vector<ByteRun> bytes;
    std::function<void(const RadioData&)> checkDecoded = nullptr;
    std::function<void(MemoryImage&)> changeImage = nullptr;
};

std::vector<Example> Examples() {
    return {
        {"a cleared image holds no channels but one per VFO",
         [](RadioData&) {},
         {},
         [](const RadioData& d) {
             for (int band = 0; band < kBandCount; ++band)
                 for (int g = 1; g <= kGroupsPerBand[band]; ++g) {
                     SCOPED_TRACE("band " + std::to_string(band) + " group " + std::to_string(g));
                     EXPECT_EQ(d.channelCount(band, g), IsVfoGroup(band, g) ? 1 : 0);
                 }
             EXPECT_EQ(d.channel(kBandHf, 1, 17).ChNo, 1);
             EXPECT_EQ(d.channel(kBandHam, 1, 14).RxFreqText.raw(), "00000000");
             for (int n = 1; n <= kCbMemCount; ++n) EXPECT_EQ(d.Store.cbMem(n).InUse, 0) << n;
         },
         [](MemoryImage& image) { image.clear(); }},

        {"channel 40 of HF group 15 lies at 0x8C70",
         [](RadioData& d) { Append(d, kBandHf, 15, MakeChannel(40, "29695000")); },
         {{0x8C70, {0x29, 0x69, 0x50, 0x00}}, {0x160CA, {0x80}}, {0x12000, {0x00}}},
         [](const RadioData& d) {
             ASSERT_EQ(d.channelCount(kBandHf, 15), 1);
             EXPECT_EQ(d.channel(kBandHf, 1, 15).ChNo, 40);
         }},

        {"weather channel 41 lies at 0x1C180",
         [](RadioData& d) {
             auto& wx = d.Config.Settings.WeatherChannels[40];
             wx = {.WxInUse = 1, .WxFrequency = 162.4, .WxBandwidth = 1, .WxScan = 1};
         },
         {{0x1C180, {0x16, 0x24, 0x00, 0x00, 0x01}},
          {0x1C140, {0x00, 0x00, 0x00, 0x00, 0x00}},
          {0x22071, {0x01}},
          {0x22069, {0x01}}}},

        {"CTCSS channel packs its option bytes",
         [](RadioData& d) {
             auto& ch = Append(d, kBandHf, 2, MakeChannel(3, "28015000"));
             ch.TxToneType = 1;
             ch.TxCtcss = 5;
             ch.MemMode = 1;
             ch.RogerBeep = 2;
             ch.TxPower = 2;
         },
         {{0x42A0,
           {0x28, 0x01, 0x50, 0x00, 0x00, 0x00, 0x05, 0x00, 0x80, 0x44, 0x12, 0x00, 0x00, 0x00}},
          {0x16085, {0x04}}},
         [](const RadioData& d) {
             ASSERT_EQ(d.channelCount(kBandHf, 2), 1);
             const auto& ch = d.channel(kBandHf, 1, 2);
             EXPECT_EQ(ch.ChNo, 3);
             EXPECT_EQ(ch.RxFreqText.raw(), "28015000");
             EXPECT_EQ(ch.TxToneType, 1);
             EXPECT_EQ(ch.TxCtcss, 5);
             EXPECT_EQ(ch.MemMode, 1);
             EXPECT_EQ(ch.RogerBeep, 2);
             EXPECT_EQ(ch.TxPower, 2);
         }},

        {"a channel without frequency is written empty and dropped on reading",
         [](RadioData& d) { Append(d, kBandHf, 1, MakeChannel(1, "")); },
         {{0x4000, {0xFF, 0xFF, 0xFF, 0xFF}}, {0x16080, {0x01}}},
         [](const RadioData& d) { EXPECT_EQ(d.channelCount(kBandHf, 1), 0); }},

        {"CB group 3 channels 41 to 80 get slots but no bits",
         [](RadioData& d) {
             Append(d, kBandCb, 3, MakeChannel(41, "26965000"));
             Append(d, kBandCb, 3, MakeChannel(80, "27405000"));
         },
         {{0x0780, {0x26, 0x96, 0x50, 0x00}},
          {0x09F0, {0x27, 0x40, 0x50, 0x00}},
          {0x1600A, {0, 0, 0, 0, 0}},
          {0x1620A, {0, 0, 0, 0, 0}}},
         [](const RadioData& d) { EXPECT_EQ(d.channelCount(kBandCb, 3), 0); }},

        {"HF MEM channel 99 sets bit 2 of 0x1641C",
         [](RadioData& d) { Append(d, kBandHf, 16, MakeChannel(99, "28500000")); },
         {{0x12620, {0x28, 0x50, 0x00, 0x00}}, {0x1641C, {0x04}}},
         [](const RadioData& d) {
             ASSERT_EQ(d.channelCount(kBandHf, 16), 1);
             EXPECT_EQ(d.channel(kBandHf, 1, 16).ChNo, 99);
         }},

        {"VFOs and weather channel 41 not in use are written empty and stay so when read back",
         [](RadioData&) {},
         {{0x12640, {0xFF, 0xFF, 0xFF, 0xFF}},
          {0x14640, {0xFF, 0xFF, 0xFF, 0xFF}},
          {0x1C180, {0xFF, 0xFF, 0xFF, 0xFF}},
          {0x160D0, {0x00}},
          {0x16141, {0x00}},
          {0x22071, {0x00}}},
         [](const RadioData& d) {
             EXPECT_EQ(d.channelCount(kBandHf, 17), 0);
             EXPECT_EQ(d.channelCount(kBandHam, 14), 0);
             EXPECT_EQ(d.Config.Settings.WeatherChannels[40].WxInUse, 0);
         }},

        {"the HAM VFO keeps its bits at 0x16141 and 0x16341",
         [](RadioData& d) { Append(d, kBandHam, 14, MakeChannel(1, "28400000")).ScanAdd = 1; },
         {{0x14640, {0x28, 0x40, 0x00, 0x00}}, {0x16141, {0x01}}, {0x16341, {0x01}}},
         [](const RadioData& d) { EXPECT_EQ(d.channel(kBandHam, 1, 14).ScanAdd, 1); }},

        {"channels come back in ascending number order",
         [](RadioData& d) {
             Append(d, kBandHf, 4, MakeChannel(9, "29000000"));
             Append(d, kBandHf, 4, MakeChannel(2, "28000000"));
             Append(d, kBandHf, 4, MakeChannel(5, "28500000"));
         },
         {{0x1608F, {0x12, 0x01}}},
         [](const RadioData& d) {
             ASSERT_EQ(d.channelCount(kBandHf, 4), 3);
             const char* freqs[] = {"28000000", "28500000", "29000000"};
             const int numbers[] = {2, 5, 9};
             for (int s = 1; s <= 3; ++s) {
                 EXPECT_EQ(d.channel(kBandHf, s, 4).ChNo, numbers[s - 1]);
                 EXPECT_EQ(d.channel(kBandHf, s, 4).RxFreqText.raw(), freqs[s - 1]);
             }
         }},

        {"a CB memory reading 00000000 is not in use but keeps number and scan",
         [](RadioData& d) {
             auto& mem = d.Store.cbMem(7);
             mem = MakeChannel(7, "00000000");
             mem.ScanAdd = 1;
         },
         {{0x10060, {0x00, 0x00, 0x00, 0x00}}, {0x16400, {0x40}}, {0x16430, {0x40}}},
         [](const RadioData& d) {
             const auto& mem = d.Store.cbMem(7);
             EXPECT_EQ(mem.InUse, 0);
             EXPECT_EQ(mem.ChNo, 7);
             EXPECT_EQ(mem.ScanAdd, 1);
         }},

        {"memory reference bytes",
         [](RadioData& d) {
             for (int n = 1; n <= kCbMemCount; ++n) d.Store.cbMem(n).MemChNo = 255;
             d.Store.cbMem(1).MemChNo = 1;
             d.Store.cbMem(96).MemChNo = 40;
             d.Store.cbMem(65).MemBand = 1;
         },
         {{0x10600, {0x00, 0xFF}}, {0x1066F, {0x27}}, {0x10650, {0x01, 0x00}}},
         [](const RadioData& d) {
             EXPECT_EQ(d.Store.cbMem(1).MemChNo, 1);
             EXPECT_EQ(d.Store.cbMem(2).MemChNo, 255);
             EXPECT_EQ(d.Store.cbMem(96).MemChNo, 40);
             EXPECT_EQ(d.Store.cbMem(65).MemBand, 1);
         }},

        {"work groups are stored minus one, 0 as 0",
         [](RadioData& d) {
             d.Config.Settings.WorkGroup = {3, 0, 12};
         },
         {{0x18001, {0x02}}, {0x18003, {0x00}}, {0x18005, {0x0B}}},
         [](const RadioData& d) {
             EXPECT_EQ(d.Config.Settings.WorkGroup, (PerBand<i16>{3, 1, 12}));
         }},

        {"DTMF code 12*# is one digit code per byte",
         [](RadioData& d) { d.Config.Settings.DtmfCodes[0].assign("12*#"); },
         {{0x20000,
           {0x01, 0x02, 0x0E, 0x0F, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10,
            0x10, 0x10}}},
         [](const RadioData& d) {
             EXPECT_EQ(d.Config.Settings.DtmfCodes[0].raw(),
                       std::string("12*#\0", 5) + std::string(11, ' '));
         }},

        {"a one-letter group name is NUL-padded and reads back blank-padded",
         [](RadioData& d) { d.Config.Settings.GroupName(kBandCb, 2).assign("A"); },
         {{0x22002, {0x41, 0x00}}},
         [](const RadioData& d) {
             EXPECT_EQ(d.Config.Settings.GroupName(kBandCb, 2).raw(), "A ");
         }},

        {"ASQ level and switch share one byte",
         [](RadioData& d) {
             d.Config.Settings.AsqLevel = 5;
             d.Config.Settings.AsqEnabled = 1;
         },
         {{0x22113, {0x85}}},
         [](const RadioData& d) {
             EXPECT_EQ(d.Config.Settings.AsqLevel, 5);
             EXPECT_EQ(d.Config.Settings.AsqEnabled, 1);
         }},

        {"weather channel 3 at 162.550 MHz",
         [](RadioData& d) {
             auto& wx = d.Config.Settings.WeatherChannels[2];
             wx = {.WxInUse = 1, .WxFrequency = 162.55, .WxBandwidth = 1};
         },
         {{0x2206C, {0x04}}, {0x1C010, {0x16, 0x25, 0x50, 0x00, 0x01}}},
         [](const RadioData& d) {
             const auto& wx = d.Config.Settings.WeatherChannels[2];
             EXPECT_EQ(wx.WxInUse, 1);
             EXPECT_DOUBLE_EQ(wx.WxFrequency, 162.55);
             EXPECT_EQ(wx.WxBandwidth, 1);
         }},

        {"mode PA alone is bit 4",
         [](RadioData& d) { d.Config.ModeEnable = {0, 0, 0, 0, 0, 1}; },
         {{0x22159, {0x10}}}},
        {"mode CW alone is bit 5",
         [](RadioData& d) { d.Config.ModeEnable = {0, 0, 0, 0, 1, 0}; },
         {{0x22159, {0x20}}},
         [](const RadioData& d) {
             EXPECT_EQ(d.Config.ModeEnable, (std::array<i16, 6>{0, 0, 0, 0, 1, 0}));
         }},

        {"dual-watch values beyond the radio's range read as 0",
         [](RadioData& d) {
             d.Config.DwBlock[12] = 15;
             d.Config.DwBlock[15] = 12;
             d.Config.DwBlock[13] = 200;
         },
         {{0x1808C, {0x0F, 0xC8, 0x00, 0x0C}}},
         [](const RadioData& d) {
             EXPECT_EQ(d.Config.DwBlock[12], 0);
             EXPECT_EQ(d.Config.DwBlock[15], 0);
             EXPECT_EQ(d.Config.DwBlock[13], 200);
         }},

        {"memory-key values 14 and 15 swap places",
         [](RadioData& d) {
             d.Config.MemKeyBlock[14] = 0x2E;
             d.Config.MemKeyBlock[15] = 0x3F;
             d.Config.MemKeyBlock[0] = 0x01;
         },
         {{0x180CE, {0x3F, 0x2E}}, {0x180C6, {0x01}}},
         [](const RadioData& d) {
             EXPECT_EQ(d.Config.MemKeyBlock[14], 0x2E);
             EXPECT_EQ(d.Config.MemKeyBlock[15], 0x3F);
             EXPECT_EQ(d.Config.MemKeyBlock[0], 0x01);
         }},
    };
}

TEST(ImageCodec, DocumentedByteExamples) {
    for (const auto& example : Examples()) {
        SCOPED_TRACE(example.name);
        auto data = test::NewData();
        example.build(*data);
        auto image = test::NewImage();
        EncodeImage(*data, *image);
        test::ExpectBytes(*image, example.bytes);
        if (!example.checkDecoded) continue;
        if (example.changeImage) example.changeImage(*image);
        auto decoded = test::NewData();
        DecodeImage(*image, *decoded);
        example.checkDecoded(*decoded);
    }
}

}  // namespace
}  // namespace kv
