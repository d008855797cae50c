// The Windows-1252 code page and the locale-dependent Bluetooth device name.
#include <gtest/gtest.h>

#include "codec/code_page.h"
#include "codec/image_codec.h"
#include "codec_fixtures.h"

namespace kv {
namespace {

TEST(Windows1252, EveryByteSurvivesAndForeignCharactersBecomeQuestionMarks) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const CodePage& cp = Windows1252();
    const std::u16string text = cp.toUtf16(all);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(text[0x41], u'A');
    EXPECT_EQ(text[0x80], u'\u20AC');
    EXPECT_EQ(text[0x9F], u'\u0178');
    EXPECT_EQ(text[0xE9], u'\u00E9');
    EXPECT_EQ(cp.fromUtf16(text), all);
    EXPECT_EQ(cp.fromUtf16(u"\u4E2D\U0001F600x"), "??x");
}

// The name sits at 0x22147 to 0x22156; 0x22157 is never written.
TEST(ImageCodec, BluetoothNameFollowsTheSystemLocale) {
    struct Case {
        const char* locale;
        std::string name;
        test::ByteRun bytes;
        std::string decoded;
    };
    const Case cases[] = {
        {"409", "Car 1", {0x22147, {'C', 'a', 'r', ' ', '1', 0x00}}, "Car 1"},
        {"409", "Caf\xE9", {0x22147, {'C', 'a', 'f', 0xE9, 0x00}}, "Caf\xE9"},
        // The euro sign is U+20AC: both bytes are written and read back as two characters.
        {"409", "\x80", {0x22147, {0xAC, 0x20, 0x00}}, "\xAC"},
        {"407", "\x80\xE9", {0x22147, {0x80, 0xE9, 0x00}}, "\x80\xE9"},
        // Seventeen bytes are cut to sixteen.
        {"409", "ABCDEFGHIJKLMNO\x80", {0x22155, {'O', 0xAC, 0x00}}, "ABCDEFGHIJKLMNO\xAC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.name);
        const CodecOptions options{c.locale, &Windows1252()};
        auto data = test::NewData();
        data->Config.Settings.BtDeviceName.assign(c.name);
        auto image = test::NewImage();
        EncodeImage(*data, *image, options);
        test::ExpectBytes(*image, {c.bytes});
        auto decoded = test::NewData();
        DecodeImage(*image, *decoded, options);
        EXPECT_EQ(decoded->Config.Settings.BtDeviceName.trimmed(), c.decoded);
    }
}

}  // namespace
}  // namespace kv
