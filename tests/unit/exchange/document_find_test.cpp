#include "exchange/document_find.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/channel_store.h"
#include "model/transmit_frequency.h"

namespace kv {
namespace {

TEST(ParseFindQuery, FrequencyRangeOrText) {
    struct Case {
        const char* entry;
        std::optional<FindQuery::Kind> kind;
        std::int64_t low;
        std::int64_t high;
        const char* text;
    };
    using K = FindQuery::Kind;
    const Case cases[] = {
        {"28.5", K::Frequency, 28'500'000, 28'500'000, ""},
        {"  27.60125 ", K::Frequency, 27'601'250, 27'601'250, ""},
        {"28.3-28.5", K::Range, 28'300'000, 28'500'000, ""},
        {"28.5 - 28.3", K::Range, 28'300'000, 28'500'000, ""},
        {"CW", K::Text, 0, 0, "cw"},
        {"C_012", K::Text, 0, 0, "c_012"},
        {"28.3-abc", K::Text, 0, 0, "28.3-abc"},
        {"-5", K::Text, 0, 0, "-5"},
        {"开", K::Text, 0, 0, "开"},
        {"", std::nullopt, 0, 0, ""},
        {"   ", std::nullopt, 0, 0, ""},
    };
    for (const Case& c : cases) {
        const std::optional<FindQuery> q = ParseFindQuery(c.entry);
        ASSERT_EQ(q.has_value(), c.kind.has_value()) << c.entry;
        if (!q) continue;
        EXPECT_EQ(q->What, *c.kind) << c.entry;
        EXPECT_EQ(q->LowHz, c.low) << c.entry;
        EXPECT_EQ(q->HighHz, c.high) << c.entry;
        EXPECT_EQ(q->Text, c.text) << c.entry;
    }
}

class DocumentFindTest : public ::testing::Test {
protected:
    void SetUp() override {
        Put(kBandHf, 2, 5, "28500000", 0);
        Put(kBandHf, 2, 3, "28400000", 5);  // CW
        Put(kBandHam, kMemGroup[kBandHam], 45, "29620000", 0, kRepSubtract);
        Put(kBandCb, 1, 9, "27065000", 0);
        doc->settings().RepeaterOffset = 1000;  // 100 kHz
        doc->settings().GroupName(kBandHf, 2).assign("QX");
        // CB memory 2 of EU refers to CB channel 9.
        ChannelRecord& memory = doc->Working.Store.cbMem(2);
        memory.InUse = 1;
        memory.MemChNo = 9;
        // Emergency channel 1 of EU is channel 9; HF emergency 1 is HF group 2 channel 5.
        doc->config().EmgBlock[0] = 8;
        doc->config().EmgBlock[24] = 1;
        doc->config().EmgBlock[26] = 4;
        WeatherRecord& wx = doc->settings().WeatherChannels[2];
        wx.WxInUse = 1;
        wx.WxFrequency = 162.55;
    }
    void Put(int band, int group, int chNo, const char* rx, int mode, int rep = 0) {
        i16& count = doc->Working.channelCount(band, group);
        ChannelRecord& r = doc->Working.channel(band, ++count, group);
        r = ChannelRecord{};
        r.ChNo = static_cast<i16>(chNo);
        r.InUse = 1;
        r.RxFreqText.assign(rx);
        r.MemMode = static_cast<i16>(mode);
        r.RepShift = static_cast<i16>(rep);
    }
    std::vector<Difference> Find(const char* entry) {
        const std::optional<FindQuery> q = ParseFindQuery(entry);
        EXPECT_TRUE(q) << entry;
        return q ? FindInDocument(*doc, *q) : std::vector<Difference>{};
    }

    std::unique_ptr<Document> doc = std::make_unique<Document>();
};

TEST_F(DocumentFindTest, FrequenciesAndRangesFindEveryPlaceThatHoldsThem) {
    struct Expected {
        DiffArea area;
        int band;
        int group;
        int chNo;
    };
    struct Case {
        const char* entry;
        std::vector<Expected> hits;
    };
    const Case cases[] = {
        {"28.5", {{DiffArea::Channel, kBandHf, 2, 5}, {DiffArea::Emergency, -1, -1, -1}}},
        {"28.3-28.45", {{DiffArea::Channel, kBandHf, 2, 3}}},
        // The channels in slot order 5, 3 are listed by number.
        {"28.4-28.5",
         {{DiffArea::Channel, kBandHf, 2, 3},
          {DiffArea::Channel, kBandHf, 2, 5},
          {DiffArea::Emergency, -1, -1, -1}}},
        // A transmit frequency (29.62 shifted down by 100 kHz) is found too.
        {"29.52", {{DiffArea::Channel, kBandHam, kMemGroup[kBandHam], 45}}},
        {"27.065",
         {{DiffArea::Channel, kBandCb, 1, 9},
          {DiffArea::CbMemory, kBandCb, 1, 2},
          {DiffArea::Emergency, -1, -1, -1}}},
        {"162-163", {{DiffArea::Weather, -1, -1, -1}}},
        {"30.5", {}},
    };
    for (const Case& c : cases) {
        const std::vector<Difference> hits = Find(c.entry);
        ASSERT_EQ(hits.size(), c.hits.size()) << c.entry;
        for (std::size_t i = 0; i < hits.size(); ++i) {
            EXPECT_EQ(hits[i].Area, c.hits[i].area) << c.entry << " " << i;
            EXPECT_EQ(hits[i].Band, c.hits[i].band) << c.entry << " " << i;
            EXPECT_EQ(hits[i].Group, c.hits[i].group) << c.entry << " " << i;
            EXPECT_EQ(hits[i].ChNo, c.hits[i].chNo) << c.entry << " " << i;
            EXPECT_FALSE(hits[i].Text.en.empty());
            EXPECT_FALSE(hits[i].Text.zh.empty());
        }
    }
    EXPECT_EQ(Find("29.52").front().Text.en, "HAM MEM CH M45: 29.62000 MHz, TX 29.52000 MHz");
}

TEST_F(DocumentFindTest, TextsFindFieldsGroupNamesAndBlockEntriesInEitherLanguage) {
    // Mode shows only in MEM groups: the CW channel of a named group is not found by its mode,
    // the FM channel of the MEM group is.
    for (const Difference& d : Find("CW"))
        EXPECT_FALSE(d.Area == DiffArea::Channel && d.Band == kBandHf) << d.Text.en;
    const std::vector<Difference> fm = Find("FM");
    EXPECT_TRUE(std::any_of(fm.begin(), fm.end(), [](const Difference& d) {
        return d.Area == DiffArea::Channel && d.Band == kBandHam && d.ChNo == 45;
    }));
    const std::vector<Difference> group = Find("qx");
    ASSERT_FALSE(group.empty());
    EXPECT_EQ(group.front().Area, DiffArea::Group);
    EXPECT_EQ(group.front().Group, 2);
    EXPECT_EQ(group.front().Text.en, "HF group QX");

    // "Eu Emg Channel 1 9": the emergency window's caption and the entry it shows.
    const std::vector<Difference> emergency = Find("eu emg channel 1 9");
    ASSERT_EQ(emergency.size(), 1u);
    EXPECT_EQ(emergency.front().Area, DiffArea::Emergency);

    // A details value in Chinese finds the channels showing it.
    const std::vector<Difference> on = Find("删除");
    EXPECT_FALSE(on.empty());
    for (const Difference& d : on) EXPECT_NE(d.Area, DiffArea::Weather);
    EXPECT_EQ(FindSummary(0).en, "No place holds it.");
    EXPECT_EQ(FindSummary(3).zh, "找到 3 处。");
}

}  // namespace
}  // namespace kv
