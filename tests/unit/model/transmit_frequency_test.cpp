// What a stored frequency text reaches the radio as, and the one transmit-frequency rule.
#include "model/transmit_frequency.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "model/stored_frequency.h"

namespace kv {
namespace {

TEST(StoredFrequency, AnyTextOfOneToEightDigitsIsTheFrequencyTheEncoderSends) {
    struct Case {
        std::string stored;
        std::optional<std::int64_t> hz;
    };
    const Case cases[] = {
        {"28500000", 28'500'000},
        {"2850000 ", 28'500'000},  // 28.5 typed: the digits as typed, padded with zeros
        {"285", 28'500'000},
        {"2", 20'000'000},
        {std::string("2696500\0", 8), 26'965'000},
        {"00000000", 0},
        {"", std::nullopt},
        {"        ", std::nullopt},
        {"FFFFFFFF", std::nullopt},
        {"28.5", std::nullopt},
        {" 285", std::nullopt},
        {"28 5", std::nullopt},
        {"-2850000", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(StoredFrequencyHz(c.stored), c.hz) << c.stored;
    EXPECT_TRUE(SameStoredFrequency("2850000 ", "28500000"));
    EXPECT_FALSE(SameStoredFrequency("2850000 ", "28500010"));
    EXPECT_EQ(HzAsMhzText(28'500'000), "28.500000");
    EXPECT_EQ(HzAsMhzText(5'000'010), "5.000010");
    EXPECT_EQ(HzAsMhzText(-10'000), "-0.010000");
    EXPECT_EQ(StoredTextOfHz(5'000'010), "05000010");
    EXPECT_EQ(StoredTextOfHz(100'000'000), "");
}

TEST(TransmitFrequency, TheReceiveFrequencyShiftedByTheLowSixteenBitsOfTxRepWhenRepSaysSo) {
    struct Case {
        const char* name;
        int band;
        i16 rep;
        std::int32_t offset;  // TX.REP in units of 100 Hz
        std::optional<std::int64_t> tx;
        const char* text;  // TxFreqText the rule writes
    };
    const Case cases[] = {
        {"HamOff", kBandHam, 0, 1000, 29'620'000, "2962    "},
        {"HamAdd", kBandHam, 1, 1000, 29'720'000, "29720000"},
        {"HamSubb", kBandHam, 2, 1000, 29'520'000, "29520000"},
        {"HfAdd", kBandHf, 1, 42'495, 33'869'500, "33869500"},
        // Three is no shift the window offers; the radio's use of it is not known.
        {"HamThree", kBandHam, 3, 1000, 29'620'000, "2962    "},
        // 400 MHz does not fit 16 bits: the radio shifts by 0.2304 MHz.
        {"HamOffsetWiderThanItsField", kBandHam, 1, 4'000'000, 29'850'400, "29850400"},
        // The CB band has no REP: whatever the bits hold, it transmits on the receive frequency.
        {"CbHoldsRep", kBandCb, 1, 1000, 29'620'000, "2962    "},
        {"ShiftedBelowZero", kBandHf, 2, 65'535, 29'620'000 - 6'553'500, "23066500"},
    };
    for (const Case& c : cases) {
        ChannelRecord record;
        record.RxFreqText.assign("2962");
        record.TxFreqText.assign("99999999");
        record.RepShift = c.rep;
        EXPECT_EQ(TransmitFrequencyHz(c.band, record, c.offset), c.tx) << c.name;
        SetTransmitText(c.band, record, c.offset);
        EXPECT_EQ(record.TxFreqText.raw(), c.text) << c.name;
    }
    ChannelRecord none;
    none.RepShift = 1;
    EXPECT_EQ(TransmitFrequencyHz(kBandHam, none, 1000), std::nullopt);
    none.RxFreqText.assign("00000100");
    SetTransmitText(kBandHam, none, 2);
    EXPECT_EQ(none.TxFreqText.raw(), "00000300");
    none.RepShift = 2;
    SetTransmitText(kBandHam, none, 2);
    EXPECT_EQ(none.TxFreqText.raw(), "        ");  // below 0 Hz: no frequency eight digits hold
}

}  // namespace
}  // namespace kv
