// Differences of the working data: positions are left out, each kind of record is found, and
// applying a difference backwards and forwards gives the two states back exactly.
#include "model/working_diff.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>

namespace kv {
namespace {

struct DiffCase {
    const char* Name;
    std::function<void(RadioData&)> Change;
    std::size_t Channels;  // records the difference holds
    bool Config;           // whether it holds the configuration record
};

const DiffCase kCases[] = {
    {"Frequency", [](RadioData& d) { d.channel(1, 7, 1).RxFreqText.assign("25125000"); }, 1, false},
    {"CbMemory", [](RadioData& d) { d.Store.CbMemChannels[96].MemChNo = 3; }, 1, false},
    {"SlotZeroAndLastGroup",
     [](RadioData& d) {
         d.channel(2, 0, 0).ChNo = 9;
         d.channel(2, kMaxSlot, kMaxGroup).InUse = 1;
     },
     2, false},
    {"Setting", [](RadioData& d) { d.Config.Settings.WorkGroup[1] = 4; }, 0, true},
    {"SettingAndChannel",
     [](RadioData& d) {
         d.Config.EmgBlock[3] = 7;
         d.channel(0, 1, 1).MemMode = 2;
     },
     1, true},
    // The band reaches the radio: picking one is an edit like any setting.
    {"Band", [](RadioData& d) { d.Config.BandMode = 2; }, 0, true},
    // A save stamps the identity and version mark; no undo brings back an older stamp.
    {"SaveStamp",
     [](RadioData& d) {
         d.Config.Identity.IdentRangeClass = 1;
         d.Config.FileVersion.assign("V100");
     },
     0, false},
    {"PositionsOnly",
     [](RadioData& d) {
         d.Config.CurrentGroup[1] = 5;
         d.Config.GroupCurrentChannel(1, 5) = 9;
     },
     0, false},
};

class WorkingDiffTest : public ::testing::TestWithParam<DiffCase> {};

// Random bytes in every member a diff could miss, so that equal states are not all zeros.
void Scramble(RadioData& data, unsigned seed) {
    std::mt19937 random(seed);
    for (auto& band : data.Store.Channels)
        for (auto& slot : band)
            for (ChannelRecord& record : slot) {
                record.ChNo = static_cast<std::int16_t>(random() % 200);
                record.TxPower = static_cast<std::int16_t>(random() % 3);
            }
    data.Config.Settings.WorkGroup[0] = static_cast<i16>(random() % 7);
    data.Config.CurrentGroup[0] = 3;
}

TEST_P(WorkingDiffTest, HoldsWhatChangedAndRestoresBothStates) {
    auto before = std::make_unique<RadioData>();
    Scramble(*before, 7);
    auto after = std::make_unique<RadioData>(*before);
    GetParam().Change(*after);

    const WorkingDiff diff = DiffWorking(*before, *after);
    EXPECT_EQ(diff.Channels.size(), GetParam().Channels);
    EXPECT_EQ(diff.ConfigBefore != nullptr, GetParam().Config);
    EXPECT_EQ(diff.empty(), GetParam().Channels == 0 && !GetParam().Config);

    // Undo on the later state: everything but the positions goes back.
    auto undone = std::make_unique<RadioData>(*after);
    ApplyDiff(*undone, diff, false);
    auto expected = std::make_unique<RadioData>(*before);
    expected->Config.Identity = after->Config.Identity;
    expected->Config.FileVersion = after->Config.FileVersion;
    expected->Config.CurrentGroup = after->Config.CurrentGroup;
    expected->Config.GroupCurrentChannel = after->Config.GroupCurrentChannel;
    EXPECT_TRUE(undone->Config == expected->Config);
    EXPECT_TRUE(undone->Store.Channels == expected->Store.Channels);
    EXPECT_TRUE(undone->Store.CbMemChannels == expected->Store.CbMemChannels);

    ApplyDiff(*undone, diff, true);
    EXPECT_TRUE(undone->Config == after->Config);
    EXPECT_TRUE(undone->Store.Channels == after->Store.Channels);
    EXPECT_TRUE(undone->Store.CbMemChannels == after->Store.CbMemChannels);
}

INSTANTIATE_TEST_SUITE_P(Changes, WorkingDiffTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(WorkingDiff, KeepsThePositionsOfTheStateItIsAppliedTo) {
    auto before = std::make_unique<RadioData>();
    auto after = std::make_unique<RadioData>(*before);
    after->Config.Settings.WxStep = 3;
    const WorkingDiff diff = DiffWorking(*before, *after);
    auto looked = std::make_unique<RadioData>(*after);
    looked->Config.CurrentGroup[2] = 6;
    ApplyDiff(*looked, diff, false);
    EXPECT_EQ(looked->Config.Settings.WxStep, 0);
    EXPECT_EQ(looked->Config.CurrentGroup[2], 6);
}

}  // namespace
}  // namespace kv
