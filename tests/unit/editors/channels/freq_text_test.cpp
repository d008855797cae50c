#include "editors/channels/freq_text.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/band_range.h"

namespace kv {
namespace {

std::unique_ptr<Document> DocumentWithRange(const char* rangeText) {
    auto doc = std::make_unique<Document>();
    doc->BandRangeText = rangeText;
    ParseBandRange(*doc);
    return doc;
}

TEST(FrequencyEntry, ChecksSnapsAndStores) {
    const char* hf = kBandRangeTexts[kBandHf];
    const char* ham = kBandRangeTexts[kBandHam];
    const char* cb = kBandRangeTexts[kBandCb];
    struct Case {
        const char* range;
        const char* typed;
        const char* display;  // "" = rejected with the warning
        const char* stored;   // the 8-character field after FreqTextToStore
    };
    const Case cases[] = {
        {hf, "24.715", "24.71500", "2471500 "},      // lower limit inclusive
        {hf, "24.7149", "", ""},                     // just below
        {hf, "30.105", "30.10500", "3010500 "},      // upper limit inclusive
        {hf, "30.1051", "", ""},                     // just above
        {ham, "28.123456", "28.12345", "2812345 "},  // snapped down to the 10 Hz grid
        {ham, "28.999999", "28.99999", "2899999 "},
        {ham, "29.7", "29.70000", "2970000 "},
        {cb, "27.86125", "27.86125", "2786125 "},
        {cb, "26.96499", "", ""},
        {ham, "1.2.3", "", ""},  // not a number
        {ham, "28,5", "", ""},   // the decimal separator is always "."
        {ham, "", "", ""},
        {"garbage", "28.5", "", ""},               // unreadable range: 100 to 500 MHz
        {"garbage", "150", "150.00000", nullptr},  // the stored form has two MHz digits only
    };
    for (const Case& c : cases) {
        const auto doc = DocumentWithRange(c.range);
        const FreqTextResult entry = CheckFreqEntry(*doc, c.typed);
        EXPECT_EQ(entry.text, c.display) << c.range << " / " << c.typed;
        EXPECT_EQ(entry.message.has_value(), *c.display == '\0') << c.typed;
        if (entry.message) {
            EXPECT_EQ(*entry.message, FreqOutOfRangeText());
        }
        if (*c.display == '\0' || c.stored == nullptr) continue;
        FixedText<8> field;
        field.assign(FreqTextToStore(*doc, entry.text));
        EXPECT_EQ(field.raw(), c.stored) << c.typed;
        EXPECT_EQ(FreqStoreToText(*doc, field.raw()).text, c.display) << c.typed;
    }
}

TEST(FrequencyEntry, SnapsOnGridAnchoredAtLowerLimit) {
    const auto doc = DocumentWithRange("28.000005 - 29.0000 MHz");
    EXPECT_DOUBLE_EQ(SnapFreq(*doc, 28.000027), 28.000025);
    EXPECT_DOUBLE_EQ(SnapFreq(*doc, 28.000025), 28.000025);
    const auto wide = DocumentWithRange("1 - 1e300 MHz");  // too large to snap: left as it is
    EXPECT_EQ(SnapFreq(*wide, 1e200), 1e200);
    EXPECT_EQ(CheckFreqEntry(*wide, "1e200").text, FormatFreq(1e200));
}

TEST(FreqTextToStore, BuildsTwoIntegerDigitsAndFraction) {
    const auto ham = DocumentWithRange(kBandRangeTexts[kBandHam]);
    const auto cb = DocumentWithRange(kBandRangeTexts[kBandCb]);
    struct Case {
        const Document* doc;
        const char* text;
        const char* stored;
    };
    const Case cases[] = {
        {ham.get(), "28.50000", "2850000"}, {ham.get(), "28.145000", "28145000"},
        {ham.get(), "9.5", "095"},          {ham.get(), ".5", "005"},
        {ham.get(), "145", "145"},          {ham.get(), "", ""},
        {ham.get(), "abc", "28"},  // not a number: the lower limit "28" has no point
        {cb.get(), "abc", "26965"},
    };
    for (const Case& c : cases) EXPECT_EQ(FreqTextToStore(*c.doc, c.text), c.stored) << c.text;
}

TEST(FreqStoreToText, ShowsStoredDigitsOrFallsBack) {
    const auto cb = DocumentWithRange(kBandRangeTexts[kBandCb]);
    const std::string nuls(8, '\0');
    struct Case {
        std::string_view stored;
        const char* display;
        bool message;
    };
    const Case cases[] = {
        {"28015000", "28.01500", false}, {"2850000 ", "28.50000", false},
        {"095     ", "9.50000", false},  {"FFFFFFFF", "", false},
        {"        ", "", false},         {nuls, "", false},
        {"28A15000", "26.965", true},
    };
    for (const Case& c : cases) {
        const FreqTextResult shown = FreqStoreToText(*cb, c.stored);
        EXPECT_EQ(shown.text, c.display) << c.stored;
        EXPECT_EQ(shown.message.has_value(), c.message) << c.stored;
        if (shown.message) {
            EXPECT_EQ(*shown.message, NotNumericFreqText());
        }
    }
}

}  // namespace
}  // namespace kv
