#include "editors/channels/frequency_rule.h"

#include <gtest/gtest.h>

#include "model/group_arrays.h"

namespace kv {
namespace {

// Frequencies typed from the CB channel plans and the band limits, not computed.
TEST(ChannelMayHaveFrequency, BandRangeOrTheGroupsChannelPlan) {
    struct Case {
        int band, group, chNo;
        const char* stored;
        bool allowed;
    };
    const Case cases[] = {
        // Inside the band's range, whatever the channel number.
        {kBandCb, 1, 5, "27500000", true},
        {kBandCb, 7, 12, "26965000", true},
        {kBandCb, 1, 1, "27861250", true},
        {kBandHf, 1, 1, "24715000", true},
        {kBandHf, 16, 99, "30105000", true},
        {kBandHam, 13, 1, "28000000", true},
        {kBandHam, 1, 40, "29700000", true},
        // Outside the range: only the plan's frequency for exactly that channel number.
        {kBandCb, 2, 1, "26960000", true},   // PL channel 1
        {kBandCb, 2, 2, "26960000", false},  // PL channel 2 is 26.970
        {kBandCb, 1, 1, "26960000", false},  // EU channel 1 is 26.965
        {kBandCb, 3, 41, "26565000", true},  // DE channels 41 to 80
        {kBandCb, 3, 42, "26575000", true},
        {kBandCb, 3, 80, "26955000", true},
        {kBandCb, 3, 41, "26575000", false},
        {kBandCb, 7, 28, "27871250", true},  // UK channels 28 to 40
        {kBandCb, 7, 35, "27941250", true},
        {kBandCb, 7, 40, "27991250", true},
        {kBandCb, 7, 35, "27951250", false},
        {kBandCb, 6, 35, "27941250", false},
        {kBandCb, 7, 41, "28001250", false},
        // No plan outside CB: a CB plan frequency is no HF or HAM frequency.
        {kBandHf, 2, 1, "24714990", false},
        {kBandHf, 1, 1, "30105010", false},
        {kBandHam, 7, 35, "27941250", false},
        {kBandHam, 1, 1, "29700010", false},
        // Not a frequency at all.
        {kBandCb, 1, 1, "", false},
        {kBandCb, 1, 1, "        ", false},
        {kBandCb, 1, 1, "FFFFFFFF", false},
        {kBandHf, 1, 1, "28a45000", false},
        {3, 1, 1, "28000000", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChannelMayHaveFrequency(c.band, c.group, c.chNo, c.stored), c.allowed)
            << BandName(c.band) << " group " << c.group << " channel " << c.chNo << " \""
            << c.stored << "\"";
}

}  // namespace
}  // namespace kv
