#include "editors/channels/band_map.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editors/channels/grid_rows.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

constexpr int kFm = 0, kAm = 1, kUsb = 2, kPa = 4, kCw = 5;

// Lays one channel per entry into slots 1… of the group.
struct Channel {
    int chNo;
    const char* rx;
    int mode;
    int rep = 0;
};

void Lay(Document& doc, int band, int group, const std::vector<Channel>& channels) {
    int slot = 0;
    for (const Channel& c : channels) {
        ChannelRecord& r = doc.Working.channel(band, ++slot, group);
        r = ChannelRecord{};
        r.ChNo = static_cast<i16>(c.chNo);
        r.InUse = 1;
        r.RxFreqText.assign(c.rx);
        r.MemMode = static_cast<i16>(c.mode);
        r.RepShift = static_cast<i16>(c.rep);
    }
    doc.Working.channelCount(band, group) = static_cast<i16>(slot);
}

TEST(BandMapSegments, EachRegionIsAscendingWithinTheAmateurBands) {
    for (IaruRegion region : kIaruRegions) {
        const auto segments = AmateurSegments(region);
        ASSERT_FALSE(segments.empty());
        for (std::size_t i = 0; i < segments.size(); ++i) {
            const BandSegment& s = segments[i];
            EXPECT_LT(s.LowHz, s.HighHz);
            const bool twelve = s.LowHz >= 24'890'000 && s.HighHz <= 24'990'000;
            const bool ten = s.LowHz >= 28'000'000 && s.HighHz <= 29'700'000;
            EXPECT_TRUE(twelve || ten) << s.LowHz;
            if (i > 0) EXPECT_GE(s.LowHz, segments[i - 1].HighHz) << s.LowHz;
        }
        // Both bands are covered edge to edge.
        EXPECT_EQ(segments.front().LowHz, 24'890'000);
        EXPECT_EQ(segments.back().HighHz, 29'700'000);
        EXPECT_FALSE(RegionName(region).zh.empty());
    }
}

TEST(BandMapSegments, CbPlanComesFromTheChannelPlanTable) {
    struct Case {
        int group;
        std::size_t channels;
        std::int64_t firstCentre;
    };
    const Case cases[] = {
        {1, 40, 26'965'000}, {2, 40, 26'960'000}, {3, 80, 26'565'000}, {7, 40, 27'601'250}};
    for (const Case& c : cases) {
        const std::vector<BandSegment> segments = CbPlanSegments(c.group);
        if (c.group == 3) {
            EXPECT_EQ(segments.size(), c.channels);
            continue;  // the DE plan's lower half lies below the EU plan; only the count matters
        }
        ASSERT_EQ(segments.size(), c.channels) << c.group;
        EXPECT_EQ(segments.front().LowHz, c.firstCentre - 5'000) << c.group;
        EXPECT_EQ(segments.front().Use, SegmentUse::CbChannels);
    }
    // Every group at once: each frequency once, no overlap (PL lies 5 kHz below EU).
    const std::vector<BandSegment> all = CbPlanSegments(0);
    for (std::size_t i = 1; i < all.size(); ++i) EXPECT_GE(all[i].LowHz, all[i - 1].HighHz);
}

TEST(BandMapModelTest, TheBandDecidesRangeAndSegments) {
    const auto doc = std::make_unique<Document>();
    struct Case {
        int band;
        std::int64_t low;
        std::int64_t high;
        bool cbPlan;
        bool twelveMetres;
        bool tenMetres;
    };
    const Case cases[] = {
        {kBandCb, 26'965'000, 27'861'250, true, false, false},
        {kBandHf, 24'715'000, 30'105'000, true, true, true},
        {kBandHam, 28'000'000, 29'700'000, false, false, true},
    };
    for (const Case& c : cases) {
        const BandMapModel model = BuildBandMap(*doc, c.band, 1, IaruRegion::Region1);
        EXPECT_EQ(model.LowHz, c.low) << c.band;
        EXPECT_EQ(model.HighHz, c.high) << c.band;
        bool cb = false, twelve = false, ten = false;
        for (const BandSegment& s : model.Segments) {
            cb = cb || s.Use == SegmentUse::CbChannels;
            twelve = twelve || (s.LowHz >= 24'890'000 && s.HighHz <= 24'990'000);
            ten = ten || (s.LowHz >= 28'000'000 && s.Use != SegmentUse::CbChannels);
        }
        EXPECT_EQ(cb, c.cbPlan) << c.band;
        EXPECT_EQ(twelve, c.twelveMetres) << c.band;
        EXPECT_EQ(ten, c.tenMetres) << c.band;
        EXPECT_DOUBLE_EQ(MapFraction(model, c.low), 0.0);
        EXPECT_DOUBLE_EQ(MapFraction(model, c.high), 1.0);
    }
}

TEST(BandMapModelTest, FlagsWhereTheModeOrTheTransmitFrequencyDoesNotFit) {
    struct Case {
        const char* what;
        IaruRegion region;
        Channel channel;
        std::vector<MarkFlag> flags;
        std::optional<std::int64_t> tx;
    };
    using F = MarkFlag;
    const Case cases[] = {
        {"CW in the CW segment", IaruRegion::Region1, {1, "28030000", kCw}, {}, {}},
        {"FM in the CW segment",
         IaruRegion::Region1,
         {1, "28030000", kFm},
         {F::ModeOutsideSegment},
         {}},
        {"USB in the narrow band segment", IaruRegion::Region1, {1, "28100000", kUsb}, {}, {}},
        {"AM in the narrow band segment",
         IaruRegion::Region1,
         {1, "28100000", kAm},
         {F::ModeOutsideSegment},
         {}},
        {"the same USB channel: CW-only in region 1, narrow band in region 3",
         IaruRegion::Region1,
         {1, "28060000", kUsb},
         {F::ModeOutsideSegment},
         {}},
        {"region 3", IaruRegion::Region3, {1, "28060000", kUsb}, {}, {}},
        {"AM in the FM segment of region 1",
         IaruRegion::Region1,
         {1, "29600000", kAm},
         {F::ModeOutsideSegment},
         {}},
        {"all modes there in region 3", IaruRegion::Region3, {1, "29600000", kAm}, {}, {}},
        {"transmitting in the beacon segment",
         IaruRegion::Region1,
         {1, "28200000", kCw},
         {F::TransmitInReserved},
         {}},
        {"transmitting in the satellite segment",
         IaruRegion::Region2,
         {1, "29400000", kFm},
         {F::TransmitInReserved},
         {}},
        {"repeater: receive in FM, transmit shifted down into FM",
         IaruRegion::Region1,
         {1, "29620000", kFm, kRepSubtract},
         {},
         29'520'000},
        {"receive fine, transmit shifted into the satellite segment",
         IaruRegion::Region1,
         {1, "29550000", kFm, kRepSubtract},
         {F::TransmitInReserved},
         29'450'000},
        {"shifted up out of the CW segment into narrow band",
         IaruRegion::Region1,
         {1, "28000000", kUsb, kRepAdd},
         {},
         28'100'000},
        {"PA sends nothing on the air", IaruRegion::Region1, {1, "28030000", kPa}, {}, {}},
        {"a mode outside the list is shown, not judged",
         IaruRegion::Region1,
         {1, "28030000", 9},
         {},
         {}},
        {"between the amateur bands nothing is judged",
         IaruRegion::Region1,
         {1, "29800000", kFm},
         {},
         {}},
    };
    for (const Case& c : cases) {
        const auto doc = std::make_unique<Document>();
        doc->settings().RepeaterOffset = 1000;  // 100 kHz
        Lay(*doc, kBandHf, 3, {c.channel});
        const BandMapModel model = BuildBandMap(*doc, kBandHf, 3, c.region);
        ASSERT_EQ(model.Marks.size(), 1u) << c.what;
        const BandMark& mark = model.Marks.front();
        EXPECT_EQ(mark.Flags, c.flags) << c.what;
        EXPECT_EQ(mark.TxHz, c.tx) << c.what;
        if (!c.flags.empty()) {
            const TextPair text = FlagText(*doc, mark);
            EXPECT_NE(text.en.find("CH 1"), std::string::npos) << text.en;
            EXPECT_NE(text.zh.find("信道 1"), std::string::npos) << text.zh;
        }
    }
}

TEST(BandMapModelTest, MarksOfOneGroupOrEveryGroupInFrequencyOrder) {
    const auto doc = std::make_unique<Document>();
    Lay(*doc, kBandHam, 1, {{1, "29000000", kFm}, {2, "28500000", kUsb}, {3, "FFFFFFFF", kFm}});
    Lay(*doc, kBandHam, 2, {{7, "28300000", kCw}, {8, "27000000", kAm}});
    Lay(*doc, kBandHam, kMemGroup[kBandHam], {{99, "29100000", kFm}});

    const BandMapModel one = BuildBandMap(*doc, kBandHam, 1, IaruRegion::Region1);
    ASSERT_EQ(one.Marks.size(), 2u);
    EXPECT_EQ(one.Marks[0].ChNo, 2);
    EXPECT_EQ(one.Marks[1].ChNo, 1);
    EXPECT_EQ(one.OutsideRange, 0);

    const BandMapModel all = BuildBandMap(*doc, kBandHam, 0, IaruRegion::Region1);
    std::vector<std::pair<int, int>> seen;
    for (const BandMark& m : all.Marks) seen.push_back({m.Group, m.ChNo});
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{2, 7}, {1, 2}, {1, 1}, {13, 99}}));
    // 27 MHz lies below the HAM band: counted, not drawn.
    EXPECT_EQ(all.OutsideRange, 1);

    const TextPair name = MarkName(*doc, all.Marks.back());
    EXPECT_NE(name.en.find("CH M99: 29.10000 MHz FM"), std::string::npos) << name.en;
}

}  // namespace
}  // namespace kv
