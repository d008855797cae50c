#include "files/data_file_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/data_file_pair.h"
#include "files/staging.h"
#include "files/version_mark.h"

namespace kv {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

TEST(DataFileLayout, RecordsHaveTheirFixedSizes) {
    Bytes config;
    WriteConfigRecord(ConfigRecord{}, config);
    EXPECT_EQ(config.size(), 2885u);
    Bytes channel;
    WriteChannelRecord(ChannelRecord{}, channel);
    EXPECT_EQ(channel.size(), 70u);
}

TEST(DataFileLayout, MembersLandAtTheirOffsetsLittleEndian) {
    struct Case {
        const char* what;
        std::function<void(ConfigRecord&)> set;
        std::size_t offset;
        Bytes bytes;
    };
    const Case cases[] = {
        {"FileVersion", [](ConfigRecord& c) { c.FileVersion.assign("V100"); }, 0, Text("V100")},
        {"BandMode", [](ConfigRecord& c) { c.BandMode = 2; }, 4, {2, 0}},
        {"CurrentGroup HAM", [](ConfigRecord& c) { c.CurrentGroup[2] = 0x1234; }, 10, {0x34, 0x12}},
        // Element (band 1, group 2) is number 3 × 1 + 1 = 4.
        {"ChannelCount HF 2", [](ConfigRecord& c) { c.ChannelCount(1, 2) = 0x0102; }, 122, {2, 1}},
        {"IdentModel", [](ConfigRecord& c) { c.Identity.IdentModel.assign("TALVEN5"); }, 216,
         Text("TALVEN5")},
        {"IdentLetter", [](ConfigRecord& c) { c.Identity.IdentLetter = 67; }, 248, {67, 0}},
        {"HamPublicParams Mode",
         [](ConfigRecord& c) { c.Settings.HamPublicParams.Mode = 7; },
         428,
         {7, 0}},
        {"weather 2 frequency",
         [](ConfigRecord& c) { c.Settings.WeatherChannels[1].WxFrequency = 1.0; },
         478,
         {0, 0, 0, 0, 0, 0, 0xF0, 0x3F}},
        {"weather 41 scan",
         [](ConfigRecord& c) { c.Settings.WeatherChannels[40].WxScan = 1; },
         460 + 40 * 16 + 14,
         {1, 0}},
        // Element (band 2, group 3) is number 8; two bytes per name.
        {"GroupName HAM 3", [](ConfigRecord& c) { c.Settings.GroupName(2, 3).assign("AB"); }, 1234,
         Text("AB")},
        // Element (band 2, group 3, k 1) is number 51 + 8 = 59.
        {"GroupRefChannelA HAM 3 k1",
         [](ConfigRecord& c) { c.Settings.GroupRefChannelA(2, 3, 1) = -2; },
         1438,
         {0xFE, 0xFF}},
        {"RxNr", [](ConfigRecord& c) { c.Settings.RxNr = 0xAB; }, 1532, {0xAB, 0}},
        {"RepeaterOffset",
         [](ConfigRecord& c) { c.Settings.RepeaterOffset = 0x01020304; },
         1565,
         {4, 3, 2, 1, 0}},
        {"CwFreq", [](ConfigRecord& c) { c.Settings.CwFreq = 0x99; }, 1576, {0x99, 0}},
        {"DtmfCodes 16", [](ConfigRecord& c) { c.Settings.DtmfCodes[15].assign("12#"); }, 2158,
         Text("12#             ")},
        {"BtDeviceName", [](ConfigRecord& c) { c.Settings.BtDeviceName.assign("KV"); }, 2198,
         Text("KV              ")},
        {"tone 2 step 3 time",
         [](ConfigRecord& c) { c.ToneTable[1].Steps[2].ToneTime = 5; },
         2354 + 60 + 10,
         {5, 0}},
        {"tone 8 interval",
         [](ConfigRecord& c) { c.ToneTable[7].ToneInterval = 9; },
         2354 + 420 + 58,
         {9, 0}},
        {"ReservedBytes 7", [](ConfigRecord& c) { c.ReservedBytes[6] = 0xEE; }, 2864, {0xEE}},
        {"ModeEnable PA", [](ConfigRecord& c) { c.ModeEnable[5] = 1; }, 2875, {1, 0}},
        {"HamPublic", [](ConfigRecord& c) { c.HamPublic = -1; }, 2883, {0xFF, 0xFF}},
    };
    for (const auto& c : cases) {
        auto record = std::make_unique<ConfigRecord>();
        c.set(*record);
        Bytes out;
        WriteConfigRecord(*record, out);
        ASSERT_EQ(out.size(), 2885u);
        EXPECT_EQ(Bytes(out.begin() + c.offset, out.begin() + c.offset + c.bytes.size()), c.bytes)
            << c.what;
    }
}

TEST(DataFileLayout, ChannelFieldsLandAtTheirOffsets) {
    ChannelRecord record;
    record.ChNo = 40;
    record.RxFreqText.assign("28015000");
    record.TxFreqText.assign("2801");
    record.Reserved11 = 0x0B0A;
    record.TxPower = 2;
    record.MemChNo = 255;
    Bytes out;
    WriteChannelRecord(record, out);
    ASSERT_EQ(out.size(), 70u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 2), (Bytes{40, 0}));
    EXPECT_EQ(Bytes(out.begin() + 6, out.begin() + 22), Text("280150002801    "));
    EXPECT_EQ(Bytes(out.begin() + 32, out.begin() + 34), (Bytes{0x0A, 0x0B}));
    EXPECT_EQ(Bytes(out.begin() + 64, out.begin() + 66), (Bytes{2, 0}));
    EXPECT_EQ(Bytes(out.begin() + 68, out.end()), (Bytes{255, 0}));

    ByteReader reader(out);
    ChannelRecord back;
    ReadChannelRecord(reader, back);
    EXPECT_FALSE(reader.failed());
    EXPECT_TRUE(back == record);
}

TEST(DataFileLayout, ShortRecordIsRefused) {
    auto record = std::make_unique<ConfigRecord>();
    EXPECT_FALSE(ReadConfigRecord(Bytes(2884, 0), *record));
    EXPECT_TRUE(ReadConfigRecord(Bytes(2900, 0), *record)) << "only the first 2885 bytes count";
}

TEST(DataFileLayout, CompanionPathReplacesTheLastThreeCharacters) {
    EXPECT_EQ(CompanionPath("/x/a.dat"), "/x/a.fre");
    EXPECT_EQ(CompanionPath("/x/a.DAT"), "/x/a.fre");
    EXPECT_EQ(CompanionPath("/x.d/abc"), "/x.d/fre");
    EXPECT_EQ(CompanionPath("ab"), "ab.fre");
}

TEST(BandRangeTextFor, MapsBandModeToRangeText) {
    EXPECT_EQ(BandRangeTextFor(0), "24.7150 - 30.1050 MHz");
    EXPECT_EQ(BandRangeTextFor(1), "28.0000 - 29.6950 MHz");
    EXPECT_EQ(BandRangeTextFor(2), "28.0000 - 29.6990 MHz");
    EXPECT_EQ(BandRangeTextFor(7), "28.0000 - 29.6990 MHz");
    EXPECT_EQ(BandRangeTextFor(-1), "28.0000 - 29.6990 MHz");
}

TEST(IsValidVersionMark, WantsCapitalVAndANumber) {
    struct Case {
        std::string mark;
        bool valid;
    };
    const Case cases[] = {
        {"V100", true},
        {"V999", true},
        {"V1.5", true},
        {"V100  ", true},
        {std::string("V100\0", 5), true},
        {"v100", false},
        {"V10A", false},
        {"VA00", false},
        {"V10", false},
        {"V1000", false},
        {std::string("V10\0", 4), false},
        {"X100", false},
        {"", false},
        {"V...", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidVersionMark(c.mark), c.valid) << c.mark;
}

}  // namespace
}  // namespace kv
