#include "model/band_range.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/numeric_text.h"

namespace kv {
namespace {

TEST(ParseBandRange, ReadsLimitsOrFallsBack) {
    struct Case {
        const char* text;
        double min;
        double max;
    };
    const Case cases[] = {
        {"24.7150 - 30.1050 MHz", 24.715, 30.105},
        {"26.96500 - 27.86125 MHz", 26.965, 27.86125},
        {"28.0000 - 29.7000 MHz", 28.0, 29.7},
        {"28.0000 to 29.7000 MHz", 100.0, 500.0},
        {"abc - 29.7 MHz", 100.0, 29.7},
        {"28 - x MHz", 28.0, 500.0},
        {"", 100.0, 500.0},
    };
    auto doc = std::make_unique<Document>();
    for (const auto& c : cases) {
        doc->BandRangeText = c.text;
        ParseBandRange(*doc);
        EXPECT_DOUBLE_EQ(doc->FreqMin, c.min) << c.text;
        EXPECT_DOUBLE_EQ(doc->FreqMax, c.max) << c.text;
    }
}

TEST(ParseNumber, AcceptsPointNumbersOnly) {
    EXPECT_EQ(ParseNumber(" 28.015 "), 28.015);
    EXPECT_EQ(ParseNumber("-1.5"), -1.5);
    EXPECT_EQ(ParseNumber("+2"), 2.0);
    EXPECT_EQ(ParseNumber("1e3"), 1000.0);
    for (const char* bad : {"", " ", "28,015", "1.2.3", "inf", "nan", "12a", "V100", "-"})
        EXPECT_FALSE(ParseNumber(bad).has_value()) << bad;
}

}  // namespace
}  // namespace kv
