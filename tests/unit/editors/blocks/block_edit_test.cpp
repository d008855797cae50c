#include "editors/blocks/block_edit.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "editors/channels/channel_edit.h"

namespace kv {
namespace {

void AddChannels(Document& doc, int band, int group, const std::vector<int>& numbers) {
    for (int chNo : numbers) ASSERT_TRUE(AddChannel(doc, chNo, band, group, "27.0"));
}

void UseMemory(Document& doc, int record, int memChNo) {
    doc.Working.Store.cbMem(record).InUse = 1;
    doc.Working.Store.cbMem(record).MemChNo = static_cast<i16>(memChNo);
}

// A document with a recognisable channel set in every band.
std::unique_ptr<Document> SampleDocument() {
    auto doc = std::make_unique<Document>();
    std::vector<int> all40;
    for (int n = 1; n <= 40; ++n) all40.push_back(n);
    AddChannels(*doc, kBandCb, 1, all40);
    AddChannels(*doc, kBandCb, 2, {30, 5, 12});  // channels, not slots 1 to 3
    AddChannels(*doc, kBandCb, 3, {43, 2, 41});  // group 3 runs to 80
    AddChannels(*doc, kBandCb, 5, {3, 3});       // a number twice is listed once
    AddChannels(*doc, kBandCb, 6, {7, 8});
    doc->Working.channel(kBandCb, 1, 6).InUse = 0;  // slot in the count but not in use
    AddChannels(*doc, kBandCb, 7, {22});
    AddChannels(*doc, kBandHf, 1, {1, 2, 3});
    AddChannels(*doc, kBandHf, 2, {5, 2});
    AddChannels(*doc, kBandHf, 4, {9, 7});
    AddChannels(*doc, kBandHf, 16, {99, 1, 50});
    AddChannels(*doc, kBandHam, 1, {10, 11});
    AddChannels(*doc, kBandHam, 13, {2});
    for (int g = 1; g <= 15; ++g)
        doc->settings()
            .GroupName(kBandHf, g)
            .assign(std::string(1, static_cast<char>('A' + g - 1)));
    UseMemory(*doc, 17, 5);
    UseMemory(*doc, 18, 12);
    UseMemory(*doc, 20, 30);
    UseMemory(*doc, 19, 255);  // marked empty although in use
    return doc;
}

std::vector<std::string> Texts(const std::vector<BlockListEntry>& entries) {
    std::vector<std::string> texts;
    for (const auto& e : entries) texts.push_back(e.Text);
    return texts;
}

using Strings = std::vector<std::string>;

struct ListCase {
    const char* what;
    const BlockWindowDescription& window;
    int list;
    int stored;  // put into the list's value before the window opens
    Strings texts;
    int shown;      // position shown; -1 no entry
    int pick;       // position the user picks; -1 no pick
    int afterPick;  // the copy's value afterwards
};

// Value ↔ list position, per window: what a stored value shows (-1: no entry has it, the
// window shows the value itself) and what a pick stores.
TEST(BlockEdit, ValueAndListPosition) {
    const auto& emg = EmergencyWindowDescription();
    const auto& dw = DualWatchWindowDescription();
    const auto& mem = MemoryKeyWindowDescription();
    const Strings modes = {"FM", "AM", "USB", "LSB", "CW"};
    const ListCase cases[] = {
        {"Eu channel 9 stores 8", emg, 0, 0, {}, 0, 8, 8},
        {"channel numbers, not slots", emg, 4, 11, {"5", "12", "30"}, 1, 2, 29},
        {"channel the group lacks shows itself, kept", emg, 4, 2, {"5", "12", "30"}, -1, -1, 2},
        {"group 3 beyond 40", emg, 10, 42, {"2", "41", "43"}, 2, 1, 40},
        {"empty CB group shows nothing, kept", emg, 12, 7, {}, -1, -1, 7},
        {"slot not in use is left out", emg, 20, 7, {"8"}, 0, 0, 7},
        {"repeated number once", emg, 16, 2, {"3"}, 0, -1, 2},
        {"work mode position", emg, 1, 3, modes, 3, 4, 4},
        {"work mode beyond the list shows itself, kept", emg, 1, 9, modes, -1, -1, 9},
        {"negative mode shows itself, kept", emg, 3, -1, modes, -1, 1, 1},
        {"HF group position", emg, 28, 3, {}, 3, 1, 1},
        {"HF channel of the stored group", emg, 29, 2, {"1", "2", "3"}, 2, 0, 0},
        {"HAM channel", emg, 35, 10, {"10", "11"}, 1, 1, 10},
        {"UK list stores nothing", emg, 24, 0, {"22"}, 0, 0, 0},
        {"U/UK dual-watch is group 5", dw, 8, 2, {"3"}, 0, 0, 2},
        {"HF group beyond the list shows itself, kept",
         dw,
         12,
         15,
         {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O"},
         -1,
         -1,
         15},
        {"HF channels of the shown group", dw, 13, 1, {"1", "2", "3"}, 1, 2, 2},
        {"HAM dual-watch mode", dw, 17, 2, modes, 2, 0, 0},
        {"memories in use, empty ones left out", mem, 2, 0, {"1", "2", "4"}, 0, 2, 3},
        {"memory not offered shows itself, kept", mem, 2, 2, {"1", "2", "4"}, -1, -1, 2},
        {"CB block without memories", mem, 0, 4, {}, -1, -1, 4},
        {"HF MEM channels up to 99", mem, 12, 98, {"1", "50", "99"}, 2, 1, 49},
        {"HAM MEM channel", mem, 14, 1, {"2"}, 0, -1, 1},
        {"state", mem, 1, 1, {"Off", "On"}, 1, 0, 0},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto doc = SampleDocument();
        const BlockListRow& row = c.window.Lists.at(c.list);
        if (row.Value >= 0) BlockValues(doc->config(), c.window.Block)[row.Value] = c.stored;
        const std::vector<i16> before(BlockValues(doc->config(), c.window.Block).begin(),
                                      BlockValues(doc->config(), c.window.Block).end());
        BlockEdit edit(c.window, *doc);
        if (!c.texts.empty() || c.shown < 0) {
            EXPECT_EQ(Texts(edit.Entries(c.list)), c.texts);
        }
        EXPECT_EQ(edit.Shown(c.list), c.shown);
        EXPECT_EQ(edit.Values(), before);  // showing changes nothing
        if (c.pick >= 0) edit.Choose(*doc, c.list, c.pick);
        if (row.Value >= 0) {
            EXPECT_EQ(edit.Values()[row.Value], c.afterPick);
        } else {
            EXPECT_EQ(edit.Values(), before);
        }
        if (c.pick >= 0) {
            EXPECT_EQ(edit.Shown(c.list), c.pick);
        }
    }
}

TEST(BlockEdit, GroupListsShowStoredNames) {
    auto doc = SampleDocument();
    doc->config().EmgBlock[24] = 3;
    const BlockEdit edit(EmergencyWindowDescription(), *doc);
    ASSERT_EQ(edit.Entries(28).size(), 15u);
    EXPECT_EQ(edit.Entries(28)[3].Text, "D");
    EXPECT_EQ(edit.Shown(28), 3);
    EXPECT_EQ(Texts(edit.Entries(29)), (Strings{"7", "9"}));
    EXPECT_EQ(edit.Entries(34).size(), 12u);
}

// The memory-key window leaves memories marked empty out without touching them.
TEST(BlockEdit, OpeningLeavesEmptyMemoriesAlone) {
    auto doc = SampleDocument();
    const auto before = doc->Working.Store.CbMemChannels;
    const BlockEdit edit(MemoryKeyWindowDescription(), *doc);
    EXPECT_EQ(doc->Working.Store.CbMemChannels, before);
    EXPECT_EQ(doc->Working.Store.cbMem(19).InUse, 1);
}

// Picking another group refills its channel list: the channel stays when the new group has
// it, otherwise the first channel of the new group is shown and stored.
TEST(BlockEdit, GroupChangeRefillsItsChannelList) {
    auto doc = SampleDocument();
    auto& block = doc->config().EmgBlock;
    block[24] = 0;  // HF Emg Band 1: group 1 (1, 2, 3)
    block[26] = 2;  // channel 3
    block[25] = 0;  // HF Emg Band 2 is not touched by band 1's changes
    block[27] = 1;
    BlockEdit edit(EmergencyWindowDescription(), *doc);
    ASSERT_EQ(Texts(edit.Entries(29)), (Strings{"1", "2", "3"}));

    edit.Choose(*doc, 28, 1);  // group 2: 2, 5
    EXPECT_EQ(Texts(edit.Entries(29)), (Strings{"2", "5"}));
    EXPECT_EQ(edit.Values()[26], 1);
    EXPECT_EQ(edit.Shown(29), 0);

    edit.Choose(*doc, 29, 1);  // channel 5
    edit.Choose(*doc, 28, 0);  // back to group 1, which has no channel 5
    EXPECT_EQ(Texts(edit.Entries(29)), (Strings{"1", "2", "3"}));
    EXPECT_EQ(edit.Values()[26], 0);

    edit.Choose(*doc, 29, 1);  // channel 2
    edit.Choose(*doc, 28, 1);  // group 2 has channel 2: kept
    EXPECT_EQ(edit.Values()[26], 1);
    EXPECT_EQ(edit.Shown(29), 0);

    edit.Choose(*doc, 28, 2);  // group 3 has no channels: nothing to show, value kept
    EXPECT_TRUE(edit.Entries(29).empty());
    EXPECT_EQ(edit.Values()[26], 1);

    EXPECT_EQ(Texts(edit.Entries(32)), (Strings{"1", "2", "3"}));
    EXPECT_EQ(edit.Values()[25], 0);
    EXPECT_EQ(edit.Values()[27], 1);
}

// Re-picking the group already stored is no group change: an unmatched channel stays as stored.
TEST(BlockEdit, SameGroupPickKeepsChannel) {
    auto doc = SampleDocument();
    doc->config().DwBlock[12] = 3;  // group 4: 7, 9
    doc->config().DwBlock[13] = 30;
    BlockEdit edit(DualWatchWindowDescription(), *doc);
    edit.Choose(*doc, 12, 3);
    EXPECT_EQ(edit.Values()[13], 30);
    EXPECT_EQ(edit.Shown(13), -1);
    EXPECT_EQ(edit.ShownNumber(13), 31);
    EXPECT_TRUE(edit.ListsChannels(13));
}

// A group value beyond the list is shown as itself with no channels to offer, so the channel is
// shown as itself too; picking a group stores it and brings the channel into the group.
TEST(BlockEdit, OutOfRangeGroupShowsItselfUntilPicked) {
    auto doc = SampleDocument();
    doc->config().DwBlock[15] = 40;  // HAM group
    doc->config().DwBlock[16] = 20;
    BlockEdit edit(DualWatchWindowDescription(), *doc);
    EXPECT_EQ(edit.Shown(15), -1);
    EXPECT_EQ(edit.ShownNumber(15), 41);
    EXPECT_FALSE(edit.ListsChannels(15));
    EXPECT_TRUE(edit.Entries(16).empty());
    EXPECT_FALSE(edit.Differs(*doc));
    edit.Choose(*doc, 15, 0);
    EXPECT_TRUE(edit.Differs(*doc));
    EXPECT_EQ(Texts(edit.Entries(16)), (Strings{"10", "11"}));
    EXPECT_EQ(edit.Values()[15], 0);
    EXPECT_EQ(edit.Values()[16], 9);
}

TEST(BlockEdit, OnlySaveWritesTheCopy) {
    auto doc = SampleDocument();
    doc->config().MemKeyBlock[14] = 77;  // a channel the HAM MEM group lacks, never picked
    const auto before = doc->config();
    BlockEdit edit(MemoryKeyWindowDescription(), *doc);
    edit.Choose(*doc, 2, 2);
    edit.Choose(*doc, 13, 1);
    EXPECT_EQ(doc->config(), before);

    edit.Save(*doc);
    auto expected = before.MemKeyBlock;
    expected[1] = 3;
    expected[13] = 1;
    EXPECT_EQ(doc->config().MemKeyBlock, expected);
    EXPECT_EQ(doc->config().MemKeyBlock[14], 77);
    EXPECT_EQ(doc->config().EmgBlock, before.EmgBlock);
    EXPECT_EQ(doc->config().DwBlock, before.DwBlock);
}

TEST(BlockEdit, RefillFollowsTheStoreAndKeepsTheCopy) {
    auto doc = SampleDocument();
    BlockEdit edit(EmergencyWindowDescription(), *doc);
    edit.Choose(*doc, 1, 2);
    AddChannels(*doc, kBandCb, 4, {6});
    edit.Refill(*doc);
    EXPECT_EQ(Texts(edit.Entries(12)), (Strings{"6"}));
    EXPECT_EQ(edit.Values()[12], 2);
}

// Every block value is edited by exactly one list, lists are in index order, and a channel
// list follows a group list of its own band that comes before it.
TEST(BlockWindowDescriptions, CoverEveryValueOnce) {
    for (const auto* window : {&EmergencyWindowDescription(), &DualWatchWindowDescription(),
                               &MemoryKeyWindowDescription()}) {
        SCOPED_TRACE(window->ObjectName);
        const Document doc;
        const std::size_t size = BlockValues(doc.config(), window->Block).size();
        std::multiset<int> values;
        for (std::size_t i = 0; i < window->Lists.size(); ++i) {
            const BlockListRow& row = window->Lists[i];
            EXPECT_EQ(row.Index, static_cast<int>(i));
            if (row.Value >= 0) values.insert(row.Value);
            if (row.Kind == BlockListKind::BandChannels) {
                ASSERT_GE(row.FollowsList, 0);
                ASSERT_LT(row.FollowsList, row.Index);
                EXPECT_EQ(window->Lists[row.FollowsList].Kind, BlockListKind::BandGroups);
                EXPECT_EQ(window->Lists[row.FollowsList].Band, row.Band);
            }
        }
        ASSERT_EQ(values.size(), size);
        for (std::size_t v = 0; v < size; ++v) EXPECT_EQ(values.count(static_cast<int>(v)), 1u);
    }
}

}  // namespace
}  // namespace kv
