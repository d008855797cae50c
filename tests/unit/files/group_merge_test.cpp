// Over-full groups in files of the earlier program: merged on opening to what its encoder sent.
#include "files/group_merge.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "codec/image_codec.h"
#include "document_samples.h"
#include "editors/channels/channel_edit.h"
#include "files/data_file.h"
#include "files/staging.h"

namespace kv {
namespace {

// HF group 1 (40 channels) at 0x4000, 16 bytes a channel: the frequency digits come first.
constexpr std::uint32_t kHfGroup1 = 0x4000;
constexpr std::uint32_t kSlotBytes = 16;

void Lay(RadioData& data, int band, int group, int slot, int chNo, const std::string& freq,
         i16 busy) {
    ChannelRecord& record = data.channel(band, slot, group);
    InitNewChannel(record, chNo, freq);
    record.Busy = busy;
}

// 57 slots in a 40-channel group, as such files hold them: slots 1..38 channels 1..38; slot 39
// channel 5 again; slot 40 channel 0; slots 41..56 channels 1..16 again; slot 57 channel 40.
void LayOverfullGroup(RadioData& data) {
    for (int slot = 1; slot <= 38; ++slot)
        Lay(data, kBandHf, 1, slot, slot, "281" + std::to_string(10000 + slot), 0);
    Lay(data, kBandHf, 1, 39, 5, "28999990", 1);
    Lay(data, kBandHf, 1, 40, 0, "28888880", 0);
    for (int slot = 41; slot <= 56; ++slot) Lay(data, kBandHf, 1, slot, slot - 40, "29000000", 1);
    Lay(data, kBandHf, 1, 57, 40, "29400000", 0);
    data.channelCount(kBandHf, 1) = 57;
}

std::vector<int> Numbers(const RadioData& data, int band, int group) {
    std::vector<int> numbers;
    for (int slot = 1; slot <= data.channelCount(band, group); ++slot)
        numbers.push_back(data.channel(band, slot, group).ChNo);
    return numbers;
}

std::string SlotDigits(const MemoryImage& image, int chNo) {
    std::string digits;
    for (std::uint32_t i = 0; i < 4; ++i) {
        const std::uint8_t byte = image.at(kHfGroup1 + kSlotBytes * (chNo - 1) + i);
        digits += std::to_string(byte >> 4) + std::to_string(byte & 0x0F);
    }
    return digits;
}

// What the earlier program's encoder left on the radio for a group, modelled here on its own:
// every slot in slot order at its channel number, whatever the group's size (a later slot
// overwrites an earlier one's bytes), its in-use and scan values ORed into the bit maps.
struct SentChannel {
    std::string digits;
    i16 busy = 0;
    int inUse = 0;
    int scan = 0;
};

std::map<int, SentChannel> EarlierEncoderSent(const RadioData& data, int band, int group,
                                              int channels) {
    std::map<int, SentChannel> sent;
    for (int slot = 1; slot <= data.channelCount(band, group); ++slot) {
        const ChannelRecord& record = data.channel(band, slot, group);
        if (record.ChNo < 1 || record.ChNo > channels) continue;
        SentChannel& channel = sent[record.ChNo];
        channel.digits = record.RxFreqText.trimmed();
        channel.busy = record.Busy;
        channel.inUse |= record.InUse & 1;
        channel.scan |= record.ScanAdd & 1;
    }
    return sent;
}

TEST(MergeOverfullGroups, KeepsWhatTheEarlierEncoderLeftOnTheRadioAndDropsWhatNoSlotHolds) {
    auto data = std::make_unique<RadioData>();
    LayOverfullGroup(*data);
    // Channel 2 again in slot 58, not scanned and not in use: the radio still has channel 2 in
    // use and scanned (bits ORed), with slot 58's frequency and busy lock.
    Lay(*data, kBandHf, 1, 58, 2, "29500000", 0);
    data->channel(kBandHf, 58, 1).InUse = 0;
    data->channel(kBandHf, 58, 1).ScanAdd = 0;
    // Channel 3 twice, not scanned in slot 3 but scanned in slot 43.
    data->channel(kBandHf, 3, 1).ScanAdd = 0;
    data->channelCount(kBandHf, 1) = 58;
    // Another group holds channel 0 and 45 without being over-full: left as it is.
    Lay(*data, kBandHf, 2, 1, 0, "28000000", 0);
    Lay(*data, kBandHf, 2, 2, 45, "28000000", 0);
    data->channelCount(kBandHf, 2) = 2;
    const std::map<int, SentChannel> sent = EarlierEncoderSent(*data, kBandHf, 1, 40);

    const GroupMergeCount count = MergeOverfullGroups(*data);
    EXPECT_EQ(count.Merged, 18);
    EXPECT_EQ(count.Dropped, 1);
    std::vector<int> expected;
    for (int chNo = 17; chNo <= 38; ++chNo) expected.push_back(chNo);
    for (int chNo = 1; chNo <= 16; ++chNo)
        if (chNo != 2) expected.push_back(chNo);
    expected.push_back(40);
    expected.push_back(2);
    EXPECT_EQ(Numbers(*data, kBandHf, 1), expected);
    EXPECT_EQ(Numbers(*data, kBandHf, 2), (std::vector<int>{0, 45}));

    // The merged group reaches the radio as the earlier program sent the file.
    auto image = std::make_unique<MemoryImage>();
    EncodeImage(*data, *image);
    auto back = std::make_unique<RadioData>();
    DecodeImage(*image, *back);
    ASSERT_EQ(sent.size(), 40u - 1u);  // channel 39 was never in the group
    for (const auto& [chNo, channel] : sent) {
        EXPECT_EQ(SlotDigits(*image, chNo), channel.digits) << "channel " << chNo;
        const int slot = FindSlot(*back, kBandHf, 1, chNo);
        ASSERT_EQ(slot != 0, channel.inUse == 1) << "channel " << chNo;
        if (slot == 0) continue;
        EXPECT_EQ(back->channel(kBandHf, slot, 1).Busy, channel.busy) << "channel " << chNo;
        EXPECT_EQ(back->channel(kBandHf, slot, 1).ScanAdd, channel.scan) << "channel " << chNo;
    }
    EXPECT_EQ(SlotDigits(*image, 2), "29500000");
    EXPECT_EQ(SlotDigits(*image, 1), "29000000");
    EXPECT_FALSE(MergeOverfullGroups(*data).any());
}

TEST(MergeOverfullGroups, TheVfoKeepsItsFirstSlot) {
    auto data = std::make_unique<RadioData>();
    Lay(*data, kBandHam, 14, 1, 7, "28500000", 0);
    Lay(*data, kBandHam, 14, 2, 1, "28600000", 0);
    data->channelCount(kBandHam, 14) = 2;
    const GroupMergeCount count = MergeOverfullGroups(*data);
    EXPECT_EQ(count.Merged, 0);
    EXPECT_EQ(count.Dropped, 1);
    EXPECT_EQ(Numbers(*data, kBandHam, 14), std::vector<int>{7});
}

TEST(MergeOverfullGroups, OpeningSuchAFileMergesTellsOnceAndCountsAsChanged) {
    test::TempFolder folder;
    auto written = std::make_unique<Document>();
    LayOverfullGroup(written->Working);
    const std::string path = folder.file("overfull.dat");
    ASSERT_TRUE(SaveDataFile(*written, path).ok());

    VersionTable table;
    table.Pairs = {{"V100", "V100"}};
    auto opened = std::make_unique<Document>();
    const FileResult result = OpenDataFile(*opened, path, table);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.Message.en, MergedGroupsText({17, 1}).en);
    EXPECT_NE(result.Message.en.find("held twice: 17 ("), std::string::npos);
    EXPECT_NE(result.Message.en.find("channel number: 1."), std::string::npos);
    EXPECT_NE(result.Message.zh.find("合并的记录：17 条"), std::string::npos);
    EXPECT_NE(result.Message.zh.find("删除的记录：1 条"), std::string::npos);
    EXPECT_EQ(opened->Working.channelCount(kBandHf, 1), 39);
    EXPECT_TRUE(IsDocumentChanged(*opened));

    // Saved and opened again, nothing is left to merge or tell.
    ASSERT_TRUE(SaveDataFile(*opened, path).ok());
    auto again = std::make_unique<Document>();
    const FileResult second = OpenDataFile(*again, path, table);
    ASSERT_TRUE(second.ok());
    EXPECT_TRUE(second.Message.empty());
    EXPECT_FALSE(IsDocumentChanged(*again));
    EXPECT_EQ(Numbers(again->Working, kBandHf, 1), Numbers(opened->Working, kBandHf, 1));
}

}  // namespace
}  // namespace kv
