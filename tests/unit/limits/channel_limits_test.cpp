// What the radio can hold for a channel: the image's field widths (literals of the slot layout),
// the channel numbers of each group, and what the windows offer.
#include "limits/channel_limits.h"

#include <gtest/gtest.h>

#include "editors/channels/detail_rows.h"

namespace kv {
namespace {

TEST(ChannelLimits, TheImageHoldsWhatTheFieldsWidthAllows) {
    struct Case {
        const char* name;
        i16 ChannelRecord::*field;
        int first;
        int last;
    };
    const Case cases[] = {
        {"RxCtcss", &ChannelRecord::RxCtcss, 0, 255},
        {"TxDcs", &ChannelRecord::TxDcs, 0, 255},
        {"HiCut", &ChannelRecord::HiCut, 0, 1},
        {"NbAnl", &ChannelRecord::NbAnl, 0, 3},
        {"TxPower", &ChannelRecord::TxPower, 0, 3},
        {"RepShift", &ChannelRecord::RepShift, 0, 3},
        {"PublicCh", &ChannelRecord::PublicCh, 0, 1},
        {"RogerBeep", &ChannelRecord::RogerBeep, 0, 15},
        {"MemMode", &ChannelRecord::MemMode, 0, 15},
        {"DtmfCall", &ChannelRecord::DtmfCall, 0, 255},
        {"ScanAdd", &ChannelRecord::ScanAdd, 0, 1},
        {"MemBand", &ChannelRecord::MemBand, 0, 255},
        // 255 is "none"; 0 would be written as none too and come back as 255.
        {"MemChNo", &ChannelRecord::MemChNo, 1, 255},
    };
    for (const Case& c : cases) {
        const ValueRange range = ImageRange(c.field);
        EXPECT_EQ(range.First, c.first) << c.name;
        EXPECT_EQ(range.Last, c.last) << c.name;
    }
}

TEST(ChannelLimits, EachGroupHoldsItsChannelNumbers) {
    struct Case {
        int band;
        int group;
        int first;
        int last;
    };
    const Case cases[] = {
        {kBandCb, 1, 1, 40},   {kBandCb, 3, 1, 80}, {kBandCb, 7, 1, 40},   {kBandHf, 15, 1, 40},
        {kBandHf, 16, 1, 99},  {kBandHf, 17, 1, 1}, {kBandHam, 13, 1, 99}, {kBandHam, 14, 1, 1},
        {kBandHam, 15, 0, -1}, {kBandCb, 8, 0, -1}, {kBandHf, 0, 0, -1},
    };
    for (const Case& c : cases) {
        const ValueRange numbers = GroupChannelNumbers(c.band, c.group);
        EXPECT_EQ(numbers.First, c.first) << c.band << " " << c.group;
        EXPECT_EQ(numbers.Last, c.last) << c.band << " " << c.group;
    }
    EXPECT_EQ(BeyondGroupChannelsText(41, kBandHam, 2).en,
              "channel 41 is beyond this group's channels 1–40");
    EXPECT_EQ(BeyondGroupChannelsText(100, kBandHf, 16).zh, "信道 100 超出本组的信道 1–99");
}

TEST(ChannelLimits, ARecordWiderThanTheImageIsNamedByItsFirstWideField) {
    ChannelRecord record;
    record.MemChNo = 255;
    EXPECT_FALSE(RecordWiderThanImage(record, true));
    record.RogerBeep = 15;
    record.RxCtcss = 200;  // outside the list, inside the byte
    EXPECT_FALSE(RecordWiderThanImage(record, false));
    record.RogerBeep = 20;
    const auto wider = RecordWiderThanImage(record, false);
    ASSERT_TRUE(wider);
    EXPECT_EQ(wider->en, "Roger \"#20\" is more than the radio holds in this field (0–15)");
    // A channel's slot has no place for the memory fields: they are not judged.
    record.RogerBeep = 0;
    record.MemChNo = 0;
    EXPECT_FALSE(RecordWiderThanImage(record, false));
    EXPECT_TRUE(RecordWiderThanImage(record, true));
}

TEST(ChannelLimits, TheWindowsOfferTheListsAndOnlyDefinedReferences) {
    auto data = std::make_unique<RadioData>();
    data->Config.Settings.DtmfCodes[4].assign("123");  // code 5 defined
    const ChannelRecord record;
    const auto box = [](int number) { return *FindDetailBox(number); };
    EXPECT_TRUE(WindowsOffer(box(21), 2, *data, 1, record));   // Power High
    EXPECT_FALSE(WindowsOffer(box(21), 3, *data, 1, record));  // Power 3
    EXPECT_TRUE(WindowsOffer(box(19), 37, *data, 1, record));  // the last CTCSS tone
    EXPECT_FALSE(WindowsOffer(box(19), 38, *data, 1, record));
    EXPECT_FALSE(WindowsOffer(box(20), 104, *data, 1, record));  // DCS beyond the 104 codes
    EXPECT_TRUE(WindowsOffer(box(13), 0, *data, 1, record));     // BOT off
    EXPECT_TRUE(WindowsOffer(box(13), 5, *data, 1, record));
    EXPECT_FALSE(WindowsOffer(box(13), 6, *data, 1, record));
    EXPECT_FALSE(WindowsOffer(box(11), 9, *data, 1, record));  // roger tone 9 is never defined
    EXPECT_TRUE(WindowsOffer(box(22), kCbMemEmpty, *data, 1, record));
    EXPECT_FALSE(WindowsOffer(box(22), 60, *data, 1, record));  // no CB channel 60 in group 1
}

}  // namespace
}  // namespace kv
